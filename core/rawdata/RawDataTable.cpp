#include "core/rawdata/RawDataTable.h"

#include <algorithm>

namespace qv {

void RawDataTable::resize(int columns, int rows) {
    columns_.resize(static_cast<size_t>(std::max(columns, 0)));
    rowCount_ = std::max(rows, 0);
    for (CellColumn& column : columns_) column.resize(static_cast<size_t>(rowCount_));
}

bool RawDataTable::inside(int column, int row) const {
    return column >= 0 && row >= 0 && column < columnCount() && row < rowCount_;
}

std::string RawDataTable::cell(int column, int row) const {
    if (!inside(column, row)) return {};
    return columns_[static_cast<size_t>(column)].text(static_cast<size_t>(row));
}

std::optional<double> RawDataTable::number(int column, int row) const {
    if (!inside(column, row)) return std::nullopt;
    return columns_[static_cast<size_t>(column)].number(static_cast<size_t>(row));
}

bool RawDataTable::isEmpty(int column, int row) const {
    return !inside(column, row) || columns_[static_cast<size_t>(column)].isEmpty(static_cast<size_t>(row));
}

// Writing outside the grid grows it, so work columns can be appended cell by cell.
CellColumn& RawDataTable::growTo(int column, int row) {
    if (!inside(column, row)) resize(std::max(column + 1, columnCount()), std::max(row + 1, rowCount_));
    return columns_[static_cast<size_t>(column)];
}

void RawDataTable::setCell(int column, int row, std::string text) {
    if (column < 0 || row < 0) return;
    growTo(column, row).setText(static_cast<size_t>(row), std::move(text));
}

void RawDataTable::setNumber(int column, int row, double value) {
    if (column < 0 || row < 0) return;
    growTo(column, row).setNumber(static_cast<size_t>(row), value);
}

}  // namespace qv
