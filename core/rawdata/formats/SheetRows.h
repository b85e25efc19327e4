#pragma once

#include <string>
#include <vector>

#include "core/rawdata/CaseRows.h"

namespace qv {

// Turns the cells of a spreadsheet's first sheet into names and cases: the first row that
// holds anything gives the names, every later row that holds anything is a case. Text
// cells in the cases stay in the grid but are listed with
// sheet, row and column, unless they are a missing-value mark (NA, a point), which like an
// empty cell leaves the cell empty. Number cells of the cases reach the table as numbers.
class SheetRows {
public:
    SheetRows(std::string sheet, CaseRows& cases) : sheet_(std::move(sheet)), cases_(cases) {}
    void setSheet(std::string sheet) { sheet_ = std::move(sheet); }

    // A cell of the spreadsheet row with this 1-based number, its column counted from 0;
    // columns may be skipped.
    void cell(int row, int column, std::string text, bool isText);
    // A number cell whose text was not kept.
    void number(int row, int column, double value);
    // The end of the current row. False when the reading must stop; error() says why.
    bool endRow();
    const std::string& error() const { return error_; }
    // The text cells found among the cases, one message's worth; empty when none.
    std::string textCellReport(const std::string& fileName) const;
    // Columns beyond this one hold nothing the table can take.
    int widestColumn() const;

private:
    std::vector<std::string> names();
    void store(int column, CaseField field);
    void listTextCell(int row, int column, const std::string& text);

    std::string sheet_;
    CaseRows& cases_;
    std::vector<CaseField> cells_;  // the names' row
    bool rowHasContent_ = false;
    std::vector<std::string> textCells_;
    int unlistedTextCells_ = 0;
    int headerColumns_ = 0;  // up to the last cell of the names' row that holds text
    std::string error_;
};

// Spreadsheet column letters: 0 is A, 25 Z, 26 AA.
std::string columnLetters(int column);
// The 0-based column of a cell reference such as "AB12"; -1 when it has no letters.
int columnOfReference(std::string_view reference);

}  // namespace qv
