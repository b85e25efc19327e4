#pragma once

#include <string>

#include "core/app/LanguageTexts.h"
#include "core/ports/FileChooser.h"
#include "core/ports/Prompts.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// The open dialog's filter for data files: every readable kind at once, then each format.
inline constexpr const char* kDataFileFilter =
    "All data files|*.dat;*.txt;*.raw;*.csv;*.tsv;*.xlsx;*.ods;*.sav;*.zsav;*.dta;*.sas7bdat|"
    "Text (blank, tab, comma or semicolon separated)|*.dat;*.txt;*.raw;*.csv;*.tsv|"
    "Office Open XML workbook|*.xlsx|OpenDocument spreadsheet|*.ods|SPSS data|*.sav;*.zsav|"
    "Stata data|*.dta|SAS data|*.sas7bdat|All File|*.*";

struct RawDataLoad {
    bool ok = false;
    bool relocated = false;  // the user located another file through the question; it is now raw
};

// Reads the file named by table.raw through the case filter into the table: a spreadsheet
// or statistics-package file by its extension, any other file as text. A missing file
// asks whether to locate it; declining leaves the table as it was. A file that cannot be
// read empties the grid (a refused condition keeps the names so the selection can be mended);
// a file without a kept case loads with the names alone. The locate dialog starts in startDir.
RawDataLoad LoadRawData(RawDataTable& table, const CaseFilter& filter, const LanguageTexts& texts,
                        Prompts& prompts, FileChooser& files, const std::string& startDir = "");

// Lists the empty cells of the variables (rows 1..N, columns 1..R) in one message;
// true when there are any.
bool FindEmptyCells(const RawDataTable& table, Prompts& prompts);
// The load-time report of a file read for a model without a missing-value code: lists the
// empty cells of the variables (NA and "." are read as empty) in one message naming the file;
// true when there are any.
bool ReportMissingWithoutCode(const RawDataTable& table, Prompts& prompts);
// Writes the code into every empty cell of the variables.
void FillEmptyCells(RawDataTable& table, int code);

}  // namespace qv
