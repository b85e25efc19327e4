#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/tables/ResultTable.h"

namespace qv {

// Every table as one sheet of an .xlsx workbook, named by the table's key: the title, the
// header in bold, the cells (numbers stored as numbers at full precision and shown with the
// given decimals, an undefined one as the text "n/a"), then the notes. The workbook is made
// under a temporary name beside the file and renamed over it, so a failed write keeps the
// previous file. Returns "cannot write FILE: reason" or nothing.
std::optional<std::string> WriteResultWorkbook(const std::vector<ResultTable>& tables,
                                               const std::filesystem::path& file, int decimals);

// The alternative: one "<key>.csv" per table in the folder (made when missing), each as the
// CSV tables are written (title line, header, figures with the files' decimals).
std::optional<std::string> WriteResultCsvFolder(const std::vector<ResultTable>& tables,
                                                const std::filesystem::path& folder);

}  // namespace qv
