#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace qv {
struct CaseCondition;
class LanguageTexts;
class Prompts;
class RawDataTable;
}  // namespace qv

namespace qv::gui {

// The controls that edit one list of case conditions: variable, operator, value and data
// type, the list box, and the buttons that add and remove.
struct ConditionWidgets {
    QComboBox* variable;
    QComboBox* op;
    QLineEdit* value;
    QComboBox* dataType;
    QListWidget* list;
    QAbstractButton* add;
    QAbstractButton* remove;
};

// The list of conditions the controls edit in place, with its capacity.
struct ConditionStore {
    std::function<bool(const CaseCondition&)> add;
    std::function<void(int)> remove;
    std::function<const std::vector<CaseCondition>&()> conditions;
    int capacity;

    // Any list with add, remove and conditions, such as the case filter.
    template <class Conditions>
    static ConditionStore of(Conditions& list, int capacity) {
        return {[&list](const CaseCondition& c) { return list.add(c); }, [&list](int i) { list.remove(i); },
                [&list]() -> const std::vector<CaseCondition>& { return list.conditions(); }, capacity};
    }
};

// Edits a list of case conditions the way the Select Cases dialog does: a condition without a
// value is not added, one beyond the capacity is refused with a message, and choosing a line
// shows its condition in the controls.
class ConditionEditor final : public QObject {
public:
    ConditionEditor(ConditionWidgets widgets, ConditionStore store, const RawDataTable& table,
                    const LanguageTexts& texts, Prompts& prompts, QObject* parent);

    // Lists the raw-data variables (choosing the given one, -1 for none) and the store's
    // conditions; empties the value field and chooses the first operator and data type.
    void prepare(int variable);
    void setEnabled(bool enabled);

private:
    void addCondition();
    void removeCondition();
    void showCondition(int row);
    QString conditionLine(const CaseCondition& condition) const;

    ConditionWidgets ui_;
    ConditionStore store_;
    const RawDataTable& table_;
    const LanguageTexts& texts_;
    Prompts& prompts_;
};

}  // namespace qv::gui
