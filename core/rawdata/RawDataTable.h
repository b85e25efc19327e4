#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/Records.h"
#include "core/rawdata/CellColumn.h"

namespace qv {

// A variable name becomes an indicator name.
inline constexpr int kMaxVariableNameLength = kMaxCaptionLength;
inline constexpr int kMaxFieldLength = 100;

// The raw data: row 0 holds the variable names (columns 1..R), column 0 the case
// numbers (rows 1..N). Columns behind R are work columns (product terms, construct scores).
class RawDataTable {
public:
    std::string raw;         // the data file's name
    std::string sheet;       // the workbook sheet read; empty for the first
    std::string statusText;  // "%s: %d   %s: %d" with the variable and case counts
    // The missing-value code written into the empty cells before an estimate; the result
    // commands that read the file again write it again, so they see the estimate's data.
    std::optional<int> emptyCellCode;
    std::vector<std::string> labels;  // the variables' labels where the file keeps them

    int nFields() const { return nFields_; }
    void setFieldCount(int count) { nFields_ = count; }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    int rowCount() const { return rowCount_; }
    int caseCount() const { return rowCount() > 0 ? rowCount() - 1 : 0; }

    // Resizing keeps the cells that stay inside the new size; new cells are empty.
    void resize(int columns, int rows);
    // The cell's text as it was written; empty outside the grid.
    std::string cell(int column, int row) const;
    // The cell as a number, without going through its text where it is kept as one.
    std::optional<double> number(int column, int row) const;
    bool isEmpty(int column, int row) const;
    void setCell(int column, int row, std::string text);
    // A finite value, as a reader of numeric files has it.
    void setNumber(int column, int row, double value);
    void clear() { resize(0, 0); nFields_ = 0; }

private:
    bool inside(int column, int row) const;
    CellColumn& growTo(int column, int row);

    // Column by column: work columns are added without touching the data.
    std::vector<CellColumn> columns_;
    int rowCount_ = 0;
    int nFields_ = 0;
};

}  // namespace qv
