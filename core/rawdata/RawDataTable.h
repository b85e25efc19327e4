#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/model/Records.h"

namespace qv {

// A variable name becomes an indicator name.
inline constexpr int kMaxVariableNameLength = kMaxCaptionLength;
inline constexpr int kMaxFieldLength = 100;

// The raw data as text: row 0 holds the variable names (columns 1..R), column 0 the case
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
    int columnCount() const { return columnCount_; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    int caseCount() const { return rowCount() > 0 ? rowCount() - 1 : 0; }

    // Resizing keeps the cells that stay inside the new size; new cells are empty.
    void resize(int columns, int rows);
    const std::string& cell(int column, int row) const;
    void setCell(int column, int row, std::string text);
    void clear() { resize(0, 0); nFields_ = 0; }

private:
    // Row by row, so a case read from the file is one allocation.
    std::vector<std::vector<std::string>> rows_;
    int columnCount_ = 0;
    int nFields_ = 0;
};

}  // namespace qv
