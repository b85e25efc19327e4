#include "gui/editing/ConstructDialog.h"

#include "core/app/Workbench.h"
#include "core/editing/ConstructAssignment.h"
#include "core/rawdata/VariableSummary.h"
#include "gui/app/TextConversion.h"
#include "ui_ConstructDialog.h"

namespace qv::gui {
namespace {

// The indicators with the labels their data file keeps as tool tips.
void fill(QListWidget& list, const std::vector<std::string>& captions, const RawDataTable& data) {
    list.clear();
    for (const std::string& caption : captions) {
        auto* item = new QListWidgetItem(toQString(caption), &list);
        item->setToolTip(toQString(VariableLabel(data, caption)));
    }
}

std::vector<std::string> itemsOf(const QListWidget& list) {
    std::vector<std::string> captions;
    for (int row = 0; row < list.count(); ++row) captions.push_back(toStdString(list.item(row)->text()));
    return captions;
}

}  // namespace

ConstructDialog::ConstructDialog(Workbench& workbench, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm5>()), workbench_(workbench) {
    ui_->setupUi(this);
    connect(ui_->BTN_Assign, &QPushButton::clicked, this, [this] { move(*ui_->ListBox1, *ui_->ListBox2); });
    connect(ui_->BTN_Remove, &QPushButton::clicked, this, [this] { move(*ui_->ListBox2, *ui_->ListBox1); });
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &ConstructDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

ConstructDialog::~ConstructDialog() = default;

bool ConstructDialog::editConstruct(int construct) {
    if (construct < 0 || construct >= workbench_.model().nConstruct) return false;
    construct_ = construct;
    load();
    return exec() == QDialog::Accepted;
}

void ConstructDialog::load() {
    const ProjectModel& model = workbench_.model();
    const LanguageTexts& texts = workbench_.texts();
    const ConstructAssignment shown = LoadAssignment(model, construct_);
    ui_->Edit1->setText(toQString(model.constructs[construct_].caption));
    fill(*ui_->ListBox1, shown.unused, workbench_.rawData());
    fill(*ui_->ListBox2, shown.assigned, workbench_.rawData());
    ui_->RB_Reflective->setText(toQString(texts.lookup("MSG_Reflective")));
    ui_->RB_Formative->setText(toQString(texts.lookup("MSG_Formative")));
    (shown.type == 1 ? ui_->RB_Formative : ui_->RB_Reflective)->setChecked(true);
    ui_->Edit1->setFocus();
}

// The selected items go, in list order, to the end of the other list.
void ConstructDialog::move(QListWidget& from, QListWidget& to) {
    if (from.selectedItems().isEmpty()) return;
    for (int row = 0; row < from.count(); ++row)
        if (from.item(row)->isSelected()) to.addItem(from.item(row)->clone());
    for (int row = from.count() - 1; row >= 0; --row)
        if (from.item(row)->isSelected()) delete from.takeItem(row);
    workbench_.model().modified = true;
}

void ConstructDialog::accept() {
    ProjectModel& model = workbench_.model();
    const std::string name = toStdString(ui_->Edit1->text());
    const std::string refusal = CheckConstructName(model, construct_, name);
    if (!refusal.empty()) {
        workbench_.ports().prompts.tell(workbench_.texts().message(refusal));
        ui_->Edit1->setFocus();
        return;
    }
    const ConstructAssignment chosen{{}, itemsOf(*ui_->ListBox2), ui_->RB_Formative->isChecked() ? 1 : 0};
    CommitAssignment(model, construct_, name, chosen);
    QDialog::accept();
}

}  // namespace qv::gui
