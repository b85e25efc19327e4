#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// A field of a case from a file that keeps numbers as numbers: the value, or else the text.
struct CaseField {
    std::optional<double> number;
    std::string text;
};

// Fills the table from a reader that hands over whole rows: the variable names first, then
// case after case, each kept only when the case selection keeps it.
class CaseRows {
public:
    CaseRows(RawDataTable& table, const CaseFilter& filter) : table_(table), filter_(filter) {}

    // Refuses names that are too long or too many, with the message saying why.
    bool setNames(std::vector<std::string> names);
    bool hasNames() const { return table_.nFields() > 0; }
    int variableCount() const { return table_.nFields(); }
    // Fields beyond the variables are dropped, missing ones leave empty cells. False when
    // the selection could not judge the case; error() then quotes the cell.
    bool add(std::vector<std::string>& fields);
    bool add(std::vector<CaseField>& fields);
    // A case handed over cell by cell, straight into the table (columns counted from 0);
    // endCase ends it as add does. Cells beyond the variables are dropped.
    void setNumber(int column, double value);
    void setText(int column, std::string text);
    bool endCase();
    // Cuts the grid to the header and the kept cases.
    void finish();
    const std::string& error() const { return error_; }
    // Whether error() is the case selection's: the names then stay so it can be mended.
    bool selectionFailed() const { return selectionFailed_; }

private:
    template <typename Fields>
    bool addCase(Fields& fields);
    bool judgeCase(int row);
    // Whether this column's cell of the case being handed over is set; stamps new cells.
    bool setsCell(int column);
    void setField(int column, int row, std::string& field) { table_.setCell(column, row, std::move(field)); }
    void setField(int column, int row, CaseField& field);

    RawDataTable& table_;
    const CaseFilter& filter_;
    int kept_ = 0;
    std::vector<int> setInCase_;  // per variable: the last case, counted from 1, that set it
    int cases_ = 0;
    bool selectionFailed_ = false;
    std::string error_;
};

}  // namespace qv
