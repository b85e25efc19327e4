#include "core/tables/ResultTable.h"

#include <cmath>

#include "core/assessment/FigureText.h"

namespace qv {

TableCell TableCell::ofText(std::string text) {
    TableCell cell;
    cell.text = std::move(text);
    return cell;
}

TableCell TableCell::ofNumber(double number, std::initializer_list<Threshold> checks, int fileDecimals) {
    TableCell cell;
    cell.isNumber = true;
    cell.number = number;
    cell.fileDecimals = fileDecimals;
    cell.mark = MissedThreshold(number, checks);
    return cell;
}

bool TableCell::defined() const { return !isNumber || std::isfinite(number); }

const TableCell* ResultTable::cell(size_t row, size_t column) const {
    if (row >= rows.size() || column >= rows[row].size()) return nullptr;
    return &rows[row][column];
}

bool HasUndefined(const ResultTable& table) {
    for (const TableRow& row : table.rows)
        for (const TableCell& cell : row)
            if (!cell.defined()) return true;
    return false;
}

// Counts (case numbers, degrees of freedom) are written whole in the files and read whole.
std::string CellText(const TableCell& cell, int decimals) {
    return cell.isNumber ? FigureText(cell.number, cell.fileDecimals == 0 ? 0 : decimals) : cell.text;
}

}  // namespace qv
