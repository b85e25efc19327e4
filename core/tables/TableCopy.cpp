#include "core/tables/TableCopy.h"

#include "core/report/HtmlText.h"

namespace qv {
namespace {

// Tabs and line breaks inside a text would split its cell.
std::string tabSafe(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

}  // namespace

CopiedCells CopyCells(const ResultTable& table, const std::vector<int>& rows, const std::vector<int>& columns,
                      int decimals, bool header) {
    CopiedCells copied{"", "<table>\n"};
    const auto addLine = [&](const std::vector<std::string>& texts, const char* tag) {
        copied.html += "<tr>";
        for (size_t c = 0; c < texts.size(); ++c) {
            copied.text += (c > 0 ? "\t" : "") + tabSafe(texts[c]);
            copied.html += std::string("<") + tag + ">" + HtmlEscaped(texts[c]) + "</" + tag + ">";
        }
        copied.text += "\n";
        copied.html += "</tr>\n";
    };
    if (header) {
        std::vector<std::string> captions;
        for (const int column : columns)
            captions.push_back(column >= 0 && static_cast<size_t>(column) < table.columns.size() ? table.columns[column] : "");
        addLine(captions, "th");
    }
    for (const int row : rows) {
        std::vector<std::string> texts;
        for (const int column : columns) {
            const TableCell* cell = row >= 0 && column >= 0 ? table.cell(row, column) : nullptr;
            texts.push_back(cell ? CellText(*cell, decimals) : "");
        }
        addLine(texts, "td");
    }
    copied.html += "</table>\n";
    return copied;
}

}  // namespace qv
