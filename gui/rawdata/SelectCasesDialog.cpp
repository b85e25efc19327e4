#include "gui/rawdata/SelectCasesDialog.h"

#include <QFontDatabase>
#include <cstdio>

#include "core/app/LanguageTexts.h"
#include "core/ports/Prompts.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataTable.h"
#include "gui/app/TextConversion.h"
#include "ui_SelectCasesDialog.h"

namespace qv::gui {

SelectCasesDialog::SelectCasesDialog(CaseFilter& filter, const RawDataTable& table,
                                     const LanguageTexts& texts, Prompts& prompts, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::TForm17>()), filter_(filter), table_(table),
      texts_(texts), prompts_(prompts) {
    ui_->setupUi(this);
    ui_->ListBox1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(ui_->RadioButton1, &QRadioButton::clicked, this, [this] { setAllCases(true); });
    connect(ui_->RadioButton2, &QRadioButton::clicked, this, [this] { setAllCases(false); });
    connect(ui_->BitBtn1, &QPushButton::clicked, this, [this] { addCondition(); });
    connect(ui_->BitBtn2, &QPushButton::clicked, this, [this] { removeCondition(); });
    connect(ui_->ListBox1, &QListWidget::currentRowChanged, this, [this](int row) { showCondition(row); });
    connect(ui_->BTN_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ui_->BTN_Cancel, &QPushButton::clicked, this, &QDialog::reject);
}

SelectCasesDialog::~SelectCasesDialog() = default;

bool SelectCasesDialog::showFor() {
    prepare();
    return exec() == QDialog::Accepted;
}

void SelectCasesDialog::prepare() {
    ui_->ComboBox1->clear();
    for (int c = 1; c <= table_.nFields(); ++c) ui_->ComboBox1->addItem(toQString(table_.cell(c, 0)));
    ui_->ComboBox1->setCurrentIndex(-1);
    ui_->Edit1->clear();
    ui_->ComboBox2->setCurrentIndex(0);
    ui_->ComboBox3->setCurrentIndex(0);
    // The list mirrors the filter, so a reset of the filter empties it too.
    const QSignalBlocker blocker(ui_->ListBox1);
    ui_->ListBox1->clear();
    for (const CaseCondition& condition : filter_.conditions())
        ui_->ListBox1->addItem(conditionLine(condition));
    const bool all = filter_.allCases == 1;
    (all ? ui_->RadioButton1 : ui_->RadioButton2)->setChecked(true);
    setAllCases(all);
}

void SelectCasesDialog::setAllCases(bool all) {
    filter_.allCases = all ? 1 : 0;
    for (QWidget* control : {static_cast<QWidget*>(ui_->ComboBox1), static_cast<QWidget*>(ui_->ComboBox2),
                             static_cast<QWidget*>(ui_->ComboBox3), static_cast<QWidget*>(ui_->Edit1),
                             static_cast<QWidget*>(ui_->ListBox1), static_cast<QWidget*>(ui_->BitBtn1),
                             static_cast<QWidget*>(ui_->BitBtn2)})
        control->setEnabled(!all);
}

QString SelectCasesDialog::conditionLine(const CaseCondition& condition) const {
    const std::string variable = table_.cell(condition.variable + 1, 0);
    const QString op = ui_->ComboBox2->itemText(condition.op);
    char line[160];
    std::snprintf(line, sizeof line, "%-8s %-3s %4s", variable.c_str(), toStdString(op).c_str(),
                  condition.value.substr(0, 100).c_str());
    return toQString(line);
}

void SelectCasesDialog::addCondition() {
    if (ui_->Edit1->text().isEmpty()) return;
    if (filter_.nCondition() >= kMaxCaseConditions) {
        Message message = texts_.message("MSG_ExceedMAXCondition");
        message.text += " " + std::to_string(kMaxCaseConditions);
        prompts_.tell(message);
        return;
    }
    const CaseCondition condition{ui_->ComboBox1->currentIndex(), ui_->ComboBox2->currentIndex(),
                                  toStdString(ui_->Edit1->text()), ui_->ComboBox3->currentIndex()};
    if (filter_.add(condition)) ui_->ListBox1->addItem(conditionLine(condition));
}

void SelectCasesDialog::removeCondition() {
    const int row = ui_->ListBox1->currentRow();
    if (row < 0) return;
    filter_.remove(row);
    delete ui_->ListBox1->takeItem(row);
}

void SelectCasesDialog::showCondition(int row) {
    if (row < 0 || row >= filter_.nCondition()) return;
    const CaseCondition& condition = filter_.conditions()[static_cast<size_t>(row)];
    ui_->ComboBox1->setCurrentIndex(condition.variable);
    ui_->ComboBox2->setCurrentIndex(condition.op);
    ui_->Edit1->setText(toQString(condition.value));
    ui_->ComboBox3->setCurrentIndex(condition.dataType);
}

}  // namespace qv::gui
