#include "gui/rawdata/ConditionEditor.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <cstdio>

#include "core/app/LanguageTexts.h"
#include "core/ports/Prompts.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataTable.h"
#include "gui/app/TextConversion.h"

namespace qv::gui {

ConditionEditor::ConditionEditor(ConditionWidgets widgets, ConditionStore store, const RawDataTable& table,
                                 const LanguageTexts& texts, Prompts& prompts, QObject* parent)
    : QObject(parent), ui_(widgets), store_(std::move(store)), table_(table), texts_(texts), prompts_(prompts) {
    // The lines are laid out in columns, so they need a fixed-width font.
    ui_.list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    connect(ui_.add, &QAbstractButton::clicked, this, [this] { addCondition(); });
    connect(ui_.remove, &QAbstractButton::clicked, this, [this] { removeCondition(); });
    connect(ui_.list, &QListWidget::currentRowChanged, this, [this](int row) { showCondition(row); });
}

void ConditionEditor::prepare(int variable) {
    ui_.variable->clear();
    for (int c = 1; c <= table_.nFields(); ++c) ui_.variable->addItem(toQString(table_.cell(c, 0)));
    ui_.variable->setCurrentIndex(variable < ui_.variable->count() ? variable : -1);
    ui_.value->clear();
    ui_.op->setCurrentIndex(0);
    ui_.dataType->setCurrentIndex(0);
    // The list mirrors the store, so a reset of the store empties it too.
    const QSignalBlocker blocker(ui_.list);
    ui_.list->clear();
    for (const CaseCondition& condition : store_.conditions()) ui_.list->addItem(conditionLine(condition));
}

void ConditionEditor::setEnabled(bool enabled) {
    for (QWidget* control : {static_cast<QWidget*>(ui_.variable), static_cast<QWidget*>(ui_.op),
                             static_cast<QWidget*>(ui_.dataType), static_cast<QWidget*>(ui_.value),
                             static_cast<QWidget*>(ui_.list), static_cast<QWidget*>(ui_.add),
                             static_cast<QWidget*>(ui_.remove)})
        control->setEnabled(enabled);
}

QString ConditionEditor::conditionLine(const CaseCondition& condition) const {
    const std::string variable = table_.cell(condition.variable + 1, 0);
    const QString op = ui_.op->itemText(condition.op);
    char line[160];
    std::snprintf(line, sizeof line, "%-8s %-3s %4s", variable.c_str(), toStdString(op).c_str(),
                  condition.value.substr(0, 100).c_str());
    return toQString(line);
}

void ConditionEditor::addCondition() {
    if (ui_.value->text().isEmpty()) return;
    if (static_cast<int>(store_.conditions().size()) >= store_.capacity) {
        Message message = texts_.message("MSG_ExceedMAXCondition");
        message.text += " " + std::to_string(store_.capacity);
        prompts_.tell(message);
        return;
    }
    const CaseCondition condition{ui_.variable->currentIndex(), ui_.op->currentIndex(),
                                  toStdString(ui_.value->text()), ui_.dataType->currentIndex()};
    if (store_.add(condition)) ui_.list->addItem(conditionLine(condition));
}

void ConditionEditor::removeCondition() {
    const int row = ui_.list->currentRow();
    if (row < 0) return;
    store_.remove(row);
    delete ui_.list->takeItem(row);
}

void ConditionEditor::showCondition(int row) {
    const auto& conditions = store_.conditions();
    if (row < 0 || row >= static_cast<int>(conditions.size())) return;
    const CaseCondition& condition = conditions[static_cast<size_t>(row)];
    ui_.variable->setCurrentIndex(condition.variable);
    ui_.op->setCurrentIndex(condition.op);
    ui_.value->setText(toQString(condition.value));
    ui_.dataType->setCurrentIndex(condition.dataType);
}

}  // namespace qv::gui
