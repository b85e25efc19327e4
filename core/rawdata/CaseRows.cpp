#include "core/rawdata/CaseRows.h"

#include "core/rawdata/VariableNames.h"

namespace qv {

bool CaseRows::setNames(std::vector<std::string> names) {
    error_ = VariableNamesError(names);
    if (!error_.empty()) return false;
    const int count = static_cast<int>(names.size());
    table_.resize(count + 1, 1);
    table_.setFieldCount(count);
    setInCase_.assign(names.size(), 0);
    for (int column = 1; column <= count; ++column)
        table_.setCell(column, 0, std::move(names[static_cast<size_t>(column - 1)]));
    return true;
}

bool CaseRows::add(std::vector<std::string>& fields) { return addCase(fields); }

bool CaseRows::add(std::vector<CaseField>& fields) { return addCase(fields); }

void CaseRows::setField(int column, int row, CaseField& field) {
    if (field.number)
        table_.setNumber(column, row, *field.number);
    else
        table_.setCell(column, row, std::move(field.text));
}

template <typename Fields>
bool CaseRows::addCase(Fields& fields) {
    const int row = kept_ + 1;
    const int variables = table_.nFields();
    for (int column = 1; column <= variables; ++column) {
        const auto at = static_cast<size_t>(column - 1);
        if (at < fields.size())
            setField(column, row, fields[at]);
        else
            table_.setCell(column, row, std::string());
    }
    return judgeCase(row);
}

bool CaseRows::setsCell(int column) {
    if (column < 0 || column >= table_.nFields()) return false;
    setInCase_[static_cast<size_t>(column)] = cases_ + 1;
    return true;
}

void CaseRows::setNumber(int column, double value) {
    if (setsCell(column)) table_.setNumber(column + 1, kept_ + 1, value);
}

void CaseRows::setText(int column, std::string text) {
    if (setsCell(column)) table_.setCell(column + 1, kept_ + 1, std::move(text));
}

// A row left by a case the selection dropped is overwritten: what this case did not set
// is emptied.
bool CaseRows::endCase() {
    const int row = kept_ + 1;
    ++cases_;
    for (int column = 0; column < table_.nFields(); ++column)
        if (setInCase_[static_cast<size_t>(column)] != cases_) table_.setCell(column + 1, row, std::string());
    return judgeCase(row);
}

bool CaseRows::judgeCase(int row) {
    const CaseSelection verdict = filter_.caseSelected(table_, row);
    if (!verdict.error.empty()) {
        error_ = verdict.error;
        selectionFailed_ = true;
        return false;
    }
    if (verdict.kept) {
        table_.setNumber(0, row, row);
        ++kept_;
    }
    return true;
}

void CaseRows::finish() { table_.resize(table_.nFields() + 1, kept_ + 1); }

}  // namespace qv
