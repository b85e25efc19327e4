#include "core/assessment/FigureTable.h"

#include <algorithm>

#include "core/results/CsvText.h"

namespace qv {
namespace {

std::vector<size_t> columnWidths(const FigureTable& table) {
    std::vector<size_t> widths;
    for (const auto& row : table.rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], row[c].size());
    }
    return widths;
}

}  // namespace

FigureTable FigureTableOf(const ResultTable& table) {
    FigureTable figures{table.title, {table.columns}};
    for (const TableRow& row : table.rows) {
        std::vector<std::string> texts;
        for (const TableCell& cell : row) texts.push_back(CellText(cell, cell.fileDecimals));
        figures.rows.push_back(std::move(texts));
    }
    return figures;
}

std::string FormatCsvTables(const std::vector<FigureTable>& tables) {
    std::string text;
    for (const FigureTable& table : tables) {
        if (!text.empty()) text += "\n";
        text += table.title + "\n";
        for (const auto& row : table.rows) {
            for (size_t c = 0; c < row.size(); ++c) text += (c > 0 ? "," : "") + CsvText(row[c]);
            text += "\n";
        }
    }
    return text;
}

std::string FormatTextTables(const std::vector<FigureTable>& tables) {
    std::string text;
    for (const FigureTable& table : tables) {
        if (!text.empty()) text += "\n";
        text += table.title + "\n";
        const std::vector<size_t> widths = columnWidths(table);
        for (const auto& row : table.rows) {
            std::string line;
            for (size_t c = 0; c < row.size(); ++c) {
                const std::string padding(widths[c] - row[c].size(), ' ');
                line += c == 0 ? row[c] + padding : "  " + padding + row[c];
            }
            text += line.substr(0, line.find_last_not_of(' ') + 1) + "\n";
        }
    }
    return text;
}

}  // namespace qv
