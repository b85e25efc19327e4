#include "gui/groups/GroupComparisonDialog.h"

#include "core/app/Workbench.h"
#include "core/groups/GroupComparison.h"
#include "gui/rawdata/ConditionEditor.h"
#include "ui_GroupComparisonDialog.h"

namespace qv::gui {

GroupComparisonDialog::GroupComparisonDialog(Workbench& workbench, Finished finished, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm18>()), workbench_(workbench), finished_(std::move(finished)) {
    ui_->setupUi(this);
    const ConditionWidgets widgets[] = {
        {ui_->ComboBox1, ui_->ComboBox2, ui_->Edit1, ui_->ComboBox3, ui_->ListBox1, ui_->BitBtn1, ui_->BitBtn2},
        {ui_->ComboBox4, ui_->ComboBox5, ui_->Edit2, ui_->ComboBox6, ui_->ListBox2, ui_->BitBtn3, ui_->BitBtn4}};
    for (size_t g = 0; g < groups_.size(); ++g)
        editors_[g] = new ConditionEditor(widgets[g], ConditionStore::of(groups_[g], kMaxGroupConditions),
                                          workbench.rawData(), workbench.texts(), workbench.ports().prompts, this);
    connect(ui_->BTN_PathEstimate, &QPushButton::clicked, this, [this] { compare(false); });
    connect(ui_->BTN_OK, &QPushButton::clicked, this, [this] { compare(true); });
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

GroupComparisonDialog::~GroupComparisonDialog() = default;

void GroupComparisonDialog::showFor() {
    for (ConditionEditor* editor : editors_) editor->prepare(0);
    exec();
}

void GroupComparisonDialog::compare(bool significance) {
    GroupComparison comparison(workbench_);
    const GroupOutcome outcome = significance ? comparison.significanceTest(groups_[0], groups_[1])
                                              : comparison.pathEstimate(groups_[0], groups_[1]);
    if (outcome == GroupOutcome::Compared) accept();
    finished_(outcome, significance);
}

}  // namespace qv::gui
