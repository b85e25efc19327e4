#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/tables/Thresholds.h"

namespace qv {

// One cell of a result table: a text, or a number kept at full precision (not finite when
// the figure is undefined, which reads "n/a"), marked when it misses a threshold.
struct TableCell {
    bool isNumber = false;
    double number = 0;
    std::string text;
    int fileDecimals = 6;  // the decimals the CSV files write the number with
    std::optional<Threshold> mark;

    static TableCell ofText(std::string text);
    // The worst of the thresholds given that the number misses, if any.
    static TableCell ofNumber(double number, std::initializer_list<Threshold> checks = {}, int fileDecimals = 6);
    bool defined() const;
};

using TableRow = std::vector<TableCell>;

// A table the results show, the files hold and the workbook's sheets carry: built once
// from the figures, laid out by each of them. A row may be shorter than the header (the
// lower triangle of a matrix).
struct ResultTable {
    std::string key;    // short and fixed: the workbook's sheet and the CSV file's name
    std::string title;  // the caption above the table
    std::vector<std::string> columns;
    std::vector<TableRow> rows;
    std::vector<std::string> notes;  // below the table: what an undefined figure means

    const TableCell* cell(size_t row, size_t column) const;
};

// Whether any number of the table is undefined, so that a note must say why.
bool HasUndefined(const ResultTable& table);

// A cell as it reads with the given decimals (a count always whole): "n/a" for an undefined
// number, "." whatever the locale.
std::string CellText(const TableCell& cell, int decimals);

}  // namespace qv
