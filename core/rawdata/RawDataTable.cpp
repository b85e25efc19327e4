#include "core/rawdata/RawDataTable.h"

#include <algorithm>

namespace qv {

void RawDataTable::resize(int columns, int rows) {
    columns_.resize(static_cast<size_t>(columns));
    for (auto& column : columns_) column.resize(static_cast<size_t>(rows));
    rowCount_ = rows;
}

const std::string& RawDataTable::cell(int column, int row) const {
    static const std::string empty;
    if (column < 0 || row < 0 || column >= columnCount() || row >= rowCount_) return empty;
    return columns_[static_cast<size_t>(column)][static_cast<size_t>(row)];
}

// Writing outside the grid grows it, as a reader storing surplus fields expects.
void RawDataTable::setCell(int column, int row, std::string text) {
    if (column < 0 || row < 0) return;
    if (column >= columnCount() || row >= rowCount_)
        resize(std::max(column + 1, columnCount()), std::max(row + 1, rowCount_));
    columns_[static_cast<size_t>(column)][static_cast<size_t>(row)] = std::move(text);
}

}  // namespace qv
