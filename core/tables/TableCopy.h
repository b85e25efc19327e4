#pragma once

#include <string>
#include <vector>

#include "core/tables/ResultTable.h"

namespace qv {

// Cells of a table as the clipboard takes them: tab-separated text for a spreadsheet and an
// HTML table for a word processor. Rows and columns are given in the order they are shown
// (a sorted view passes its order); with header the column captions lead. Numbers read with
// the decimals shown.
struct CopiedCells {
    std::string text;
    std::string html;
};
CopiedCells CopyCells(const ResultTable& table, const std::vector<int>& rows, const std::vector<int>& columns,
                      int decimals, bool header);

}  // namespace qv
