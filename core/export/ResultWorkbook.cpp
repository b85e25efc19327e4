#include "core/export/ResultWorkbook.h"

#include <unistd.h>

#include <system_error>
#include <xlsxwriter.h>

#include "core/assessment/FigureTable.h"
#include "core/files/ReplacedFile.h"
#include "core/model/WholeFile.h"

namespace qv {
namespace fs = std::filesystem;

namespace {

struct SheetFormats {
    lxw_format* bold;
    lxw_format* figure;
    lxw_format* whole;
};

std::string numberFormat(int decimals) { return decimals > 0 ? "0." + std::string(decimals, '0') : "0"; }

void writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, const TableCell& cell,
               const SheetFormats& formats) {
    if (!cell.isNumber)
        worksheet_write_string(sheet, row, column, cell.text.c_str(), nullptr);
    else if (!cell.defined())
        worksheet_write_string(sheet, row, column, "n/a", nullptr);
    else
        worksheet_write_number(sheet, row, column, cell.number, cell.fileDecimals == 0 ? formats.whole : formats.figure);
}

void writeSheet(lxw_workbook* book, const ResultTable& table, const SheetFormats& formats) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, table.key.c_str());
    if (!sheet) return;
    worksheet_write_string(sheet, 0, 0, table.title.c_str(), formats.bold);
    for (size_t c = 0; c < table.columns.size(); ++c)
        worksheet_write_string(sheet, 1, static_cast<lxw_col_t>(c), table.columns[c].c_str(), formats.bold);
    lxw_row_t row = 2;
    for (const TableRow& cells : table.rows) {
        for (size_t c = 0; c < cells.size(); ++c) writeCell(sheet, row, static_cast<lxw_col_t>(c), cells[c], formats);
        ++row;
    }
    ++row;
    for (const std::string& note : table.notes) worksheet_write_string(sheet, row++, 0, note.c_str(), nullptr);
    worksheet_set_column(sheet, 0, 1, 16, nullptr);
    worksheet_freeze_panes(sheet, 2, 0);
}

}  // namespace

std::optional<std::string> WriteResultWorkbook(const std::vector<ResultTable>& tables, const fs::path& file,
                                               int decimals) {
    // The library writes its own file; it is renamed over the previous one only when whole.
    fs::path temporary = file;
    temporary += ".partial-" + std::to_string(getpid()) + "~";
    lxw_workbook* book = workbook_new(temporary.c_str());
    if (!book) return "cannot write " + file.string() + ": the workbook cannot be created";
    const std::string figures = numberFormat(decimals);
    SheetFormats formats{workbook_add_format(book), workbook_add_format(book), workbook_add_format(book)};
    format_set_bold(formats.bold);
    format_set_num_format(formats.figure, figures.c_str());
    format_set_num_format(formats.whole, "0");
    for (const ResultTable& table : tables) writeSheet(book, table, formats);
    const lxw_error closed = workbook_close(book);
    std::error_code ignored;
    if (closed != LXW_NO_ERROR) {
        fs::remove(temporary, ignored);
        return "cannot write " + file.string() + ": " + lxw_strerror(closed);
    }
    const auto moved = MoveFileOver(temporary, file);
    if (moved) fs::remove(temporary, ignored);
    return moved;
}

std::optional<std::string> WriteResultCsvFolder(const std::vector<ResultTable>& tables, const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    if (error) return "cannot write " + folder.string() + ": " + error.message();
    for (const ResultTable& table : tables)
        if (auto failed = WriteWholeFile(folder / (table.key + ".csv"), FormatCsvTables({FigureTableOf(table)})))
            return failed;
    return std::nullopt;
}

}  // namespace qv
