#include "core/rawdata/RawDataTable.h"

#include <algorithm>

namespace qv {

void RawDataTable::resize(int columns, int rows) {
    if (columns != columnCount_)
        for (auto& row : rows_) row.resize(static_cast<size_t>(columns));
    rows_.resize(static_cast<size_t>(rows), std::vector<std::string>(static_cast<size_t>(columns)));
    columnCount_ = columns;
}

const std::string& RawDataTable::cell(int column, int row) const {
    static const std::string empty;
    if (column < 0 || row < 0 || column >= columnCount_ || row >= rowCount()) return empty;
    return rows_[static_cast<size_t>(row)][static_cast<size_t>(column)];
}

// Writing outside the grid grows it, so work columns can be appended cell by cell.
void RawDataTable::setCell(int column, int row, std::string text) {
    if (column < 0 || row < 0) return;
    if (column >= columnCount_ || row >= rowCount())
        resize(std::max(column + 1, columnCount_), std::max(row + 1, rowCount()));
    rows_[static_cast<size_t>(row)][static_cast<size_t>(column)] = std::move(text);
}

}  // namespace qv
