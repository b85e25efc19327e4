#include "core/rawdata/formats/SheetRows.h"

#include <algorithm>
#include <charconv>

#include "core/model/NumberText.h"
#include "core/rawdata/DataCellText.h"
#include "core/rawdata/RawDataTable.h"
#include "core/rawdata/VariableNames.h"

namespace qv {
namespace {

constexpr size_t kListedTextCells = 20;

// A name that is a number, written back in its shortest plain digits.
std::string plainDigits(double value) {
    char buffer[400];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr;
    return std::string(buffer, end);
}

}  // namespace

int SheetRows::widestColumn() const {
    return cases_.hasNames() ? cases_.variableCount() - 1 : kMaxRawVariables;
}

void SheetRows::cell(int row, int column, std::string text, bool isText) {
    if (!cases_.hasNames() && !text.empty()) headerColumns_ = std::max(headerColumns_, column + 1);
    if (column < 0 || column > widestColumn()) return;
    // Most cells of a large sheet are plain numbers: they go straight to the table.
    if (cases_.hasNames() && !isText)
        if (const auto value = parsePlainNumber(text)) return store(column, {value, {}});
    std::string cellText = cases_.hasNames() ? dataCellText(std::move(text), Separator::Blanks)
                                             : std::move(text);
    if (cellText.empty()) return;
    if (isText && cases_.hasNames()) listTextCell(row, column, cellText);
    const auto value = isText || !cases_.hasNames() ? std::nullopt : parseNumber(cellText);
    store(column, {value, value ? std::string() : std::move(cellText)});
}

void SheetRows::number(int row, int column, double value) {
    if (!cases_.hasNames()) return cell(row, column, plainDigits(value), false);
    if (column < 0 || column > widestColumn()) return;
    rowHasContent_ = true;
    cases_.setNumber(column, value);
}

// The names' row is gathered; a case's cells go straight to the table.
void SheetRows::store(int column, CaseField field) {
    rowHasContent_ = true;
    if (cases_.hasNames()) {
        if (field.number) return cases_.setNumber(column, *field.number);
        return cases_.setText(column, std::move(field.text));
    }
    if (cells_.size() <= static_cast<size_t>(column)) cells_.resize(static_cast<size_t>(column) + 1);
    cells_[static_cast<size_t>(column)] = std::move(field);
}

void SheetRows::listTextCell(int row, int column, const std::string& text) {
    if (textCells_.size() < kListedTextCells)
        textCells_.push_back("sheet " + sheet_ + ", row " + std::to_string(row) + ", column " +
                             columnLetters(column) + ": '" + text + "'");
    else
        ++unlistedTextCells_;
}

bool SheetRows::endRow() {
    if (!rowHasContent_) return true;
    rowHasContent_ = false;
    // The names beyond the widest column were not kept, but they were counted.
    if (!cases_.hasNames()) error_ = VariableCountError(static_cast<size_t>(headerColumns_));
    if (!error_.empty()) return false;
    const bool ok = cases_.hasNames() ? cases_.endCase() : cases_.setNames(names());
    if (!ok) error_ = cases_.error();
    return ok;
}

std::vector<std::string> SheetRows::names() {
    std::vector<std::string> names;
    names.reserve(cells_.size());
    for (CaseField& field : cells_) names.push_back(std::move(field.text));
    return names;
}

std::string SheetRows::textCellReport(const std::string& fileName) const {
    if (textCells_.empty()) return {};
    std::string text = "The data file " + fileName + " has text where numbers are expected:\n\n";
    for (const std::string& listed : textCells_) text += listed + "\n";
    if (unlistedTextCells_ > 0) text += "... and " + std::to_string(unlistedTextCells_) + " more\n";
    return text + "\nThese cells cannot be used as indicator values.";
}

std::string columnLetters(int column) {
    std::string letters;
    for (int rest = column + 1; rest > 0; rest = (rest - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    return letters;
}

int columnOfReference(std::string_view reference) {
    int column = 0;
    size_t at = 0;
    for (; at < reference.size() && reference[at] >= 'A' && reference[at] <= 'Z'; ++at)
        column = column * 26 + (reference[at] - 'A' + 1);
    return at == 0 ? -1 : column - 1;
}

}  // namespace qv
