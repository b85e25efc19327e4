#include "gui/rawdata/SelectCasesDialog.h"

#include "core/rawdata/CaseFilter.h"
#include "gui/rawdata/ConditionEditor.h"
#include "ui_SelectCasesDialog.h"

namespace qv::gui {

SelectCasesDialog::SelectCasesDialog(CaseFilter& filter, const RawDataTable& table,
                                     const LanguageTexts& texts, Prompts& prompts, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm17>()), filter_(filter) {
    ui_->setupUi(this);
    editor_ = new ConditionEditor({ui_->ComboBox1, ui_->ComboBox2, ui_->Edit1, ui_->ComboBox3, ui_->ListBox1,
                                   ui_->BitBtn1, ui_->BitBtn2},
                                  ConditionStore::of(filter_, kMaxCaseConditions), table, texts, prompts, this);
    connect(ui_->RadioButton1, &QRadioButton::clicked, this, [this] { setAllCases(true); });
    connect(ui_->RadioButton2, &QRadioButton::clicked, this, [this] { setAllCases(false); });
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

SelectCasesDialog::~SelectCasesDialog() = default;

bool SelectCasesDialog::showFor() {
    prepare();
    return exec() == QDialog::Accepted;
}

void SelectCasesDialog::prepare() {
    editor_->prepare(-1);
    const bool all = filter_.allCases == 1;
    (all ? ui_->RadioButton1 : ui_->RadioButton2)->setChecked(true);
    setAllCases(all);
}

void SelectCasesDialog::setAllCases(bool all) {
    filter_.allCases = all ? 1 : 0;
    editor_->setEnabled(!all);
}

}  // namespace qv::gui
