#pragma once

#include <string>
#include <vector>

#include "core/tables/ResultTable.h"

namespace qv {

// A titled table of texts: the first row is the header. The assessment builds its tables
// once; the CSV files, the batch's printout and the web report only lay them out.
struct FigureTable {
    std::string title;
    std::vector<std::vector<std::string>> rows;
};

// The result table as the files write it: its title, the header row, every cell with the
// decimals the files use; the notes stay on the screen.
FigureTable FigureTableOf(const ResultTable& table);

// Tables under one heading, as a section of the web report: its anchor and caption.
struct FigureSection {
    std::string anchor;
    std::string caption;
    std::vector<FigureTable> tables;
};

// Tables as CSV: each headed by its title line, separated by an empty line.
std::string FormatCsvTables(const std::vector<FigureTable>& tables);

// Tables as aligned plain text: the title, then columns padded to their widest text, the
// first left-aligned and the others right-aligned.
std::string FormatTextTables(const std::vector<FigureTable>& tables);

}  // namespace qv
