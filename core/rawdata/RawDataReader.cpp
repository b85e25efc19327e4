#include "core/rawdata/RawDataReader.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <new>
#include <vector>

#include "core/rawdata/CaseRows.h"
#include "core/rawdata/DataFileParser.h"
#include "core/rawdata/formats/DataFormatReader.h"

namespace qv {
namespace {

constexpr size_t kReadChunk = 1 << 16;
constexpr size_t kEmptyCellListLimit = 1000;
// Larger files are refused before reading: their grid would not fit the memory of a desktop.
constexpr std::uintmax_t kLargestDataFile = std::uintmax_t{2} << 30;
const char* const kImproperFormat = "Improper Format of Data File!\nPlease Check the Data.";

void tellFixed(Prompts& prompts, std::string text) { prompts.tell(Message{"", std::move(text), ""}); }

// A path that exists but cannot be data: a folder, a device or a pipe (whose reading would
// wait for ever), or a file beyond the size limit. Told, and true; false for a readable or
// absent file.
bool refusedDataFile(const std::string& name, Prompts& prompts) {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::file_status status = fs::status(name, error);
    if (name.empty() || error || !fs::exists(status)) return false;
    if (!fs::is_regular_file(status)) {
        tellFixed(prompts, "The data file " + name + " is not a regular file (a folder, a device or a pipe).");
        return true;
    }
    const std::uintmax_t size = fs::file_size(name, error);
    if (error || size <= kLargestDataFile) return false;
    tellFixed(prompts, "The data file " + name + " is larger than 2 GB (" + std::to_string(size >> 20) +
                           " MB); split it or select fewer variables.");
    return true;
}

bool openDataFile(const std::string& name, std::ifstream& in) {
    if (name.empty()) return false;
    in.open(std::filesystem::path(name), std::ios::binary);
    return in.is_open();
}

// The missing-file question; on Yes the chosen file becomes the table's file.
bool locateDataFile(RawDataTable& table, Prompts& prompts, FileChooser& files,
                    const std::string& startDir, std::ifstream& in, RawDataLoad& load) {
    const Message question{"", "Cannot Find Data File " + table.raw +
                                   "\nDo you want to locate the file?", ""};
    if (!prompts.askYesNo(question)) return false;
    const auto chosen = files.chooseFileToOpen(kDataFileFilter, startDir);
    if (!chosen) return false;
    table.raw = *chosen;
    load.relocated = true;
    return !refusedDataFile(table.raw, prompts) && openDataFile(table.raw, in);
}

// False when the disk failed; a parse stopped by an error ends the reading early.
bool parseFile(std::ifstream& in, DataFileParser& parser) {
    std::vector<char> buffer(kReadChunk);
    while (in.read(buffer.data(), static_cast<std::streamsize>(buffer.size())) || in.gcount() > 0)
        if (!parser.feed({buffer.data(), static_cast<size_t>(in.gcount())})) return true;
    return !in.bad();
}

// "Row:%d Col:%d" lines of the empty cells, shortened to about kEmptyCellListLimit characters.
std::string emptyCellList(const RawDataTable& table) {
    std::string list;
    int unlisted = 0;
    for (int row = 1; row <= table.caseCount(); ++row)
        for (int column = 1; column <= table.nFields(); ++column) {
            if (!table.isEmpty(column, row)) continue;
            if (list.size() < kEmptyCellListLimit)
                list += "Row:" + std::to_string(row) + " Col:" + std::to_string(column) + "\n";
            else
                ++unlisted;
        }
    if (unlisted > 0) list += "... and " + std::to_string(unlisted) + " more\n";
    return list;
}

std::string statusText(const RawDataTable& table, const LanguageTexts& texts) {
    return texts.lookup("MSG_nFields") + ": " + std::to_string(table.nFields()) + "   " +
           texts.lookup("MSG_nRow") + ": " + std::to_string(table.caseCount());
}

// The table just read takes the place of the old one and keeps its file and sheet.
bool takeTable(RawDataTable& read, RawDataTable& table, const LanguageTexts& texts,
               Prompts& prompts) {
    read.raw = std::move(table.raw);
    read.sheet = std::move(table.sheet);
    table = std::move(read);
    if (table.caseCount() == 0) tellFixed(prompts, "no Row in Data Set");
    table.statusText = statusText(table, texts);
    return true;
}

// A failed read empties the table; a refused case selection keeps the names so the
// selection can be mended.
void clearAfterFailure(RawDataTable& read, RawDataTable& table, bool keepNames) {
    const std::string raw = table.raw, sheet = table.sheet;
    table = RawDataTable();
    if (keepNames) {
        table = std::move(read);
        table.resize(table.nFields() + 1, 1);
    }
    table.raw = raw;
    table.sheet = sheet;
}

bool readTextFile(std::ifstream& in, RawDataTable& table, const CaseFilter& filter,
                  const LanguageTexts& texts, Prompts& prompts) {
    DataFileParser parser(filter, table.raw);
    if (!parseFile(in, parser)) {
        tellFixed(prompts, "Cannot read the data file " + table.raw + ".");
        return false;
    }
    parser.finish();
    if (parser.failure() == DataFileParser::Failure::None)
        return takeTable(parser.table(), table, texts, prompts);
    if (!parser.error().empty()) tellFixed(prompts, parser.error());
    if (parser.failure() == DataFileParser::Failure::Header) tellFixed(prompts, kImproperFormat);
    clearAfterFailure(parser.table(), table, parser.failure() == DataFileParser::Failure::Conversion);
    return false;
}

bool readFormatFile(DataFormatReader& reader, RawDataTable& table, const CaseFilter& filter,
                    const LanguageTexts& texts, Prompts& prompts) {
    RawDataTable read;
    CaseRows rows(read, filter);
    reader.setSheet(table.sheet);
    const std::string error = reader.read(table.raw, rows);
    if (!error.empty() || !rows.hasNames()) {
        tellFixed(prompts, error.empty() ? "The data file " + table.raw + " holds no variables." : error);
        clearAfterFailure(read, table, rows.selectionFailed());
        return false;
    }
    rows.finish();
    read.labels = reader.labels();
    if (!reader.notice().empty()) tellFixed(prompts, reader.notice());
    return takeTable(read, table, texts, prompts);
}

}  // namespace

RawDataLoad LoadRawData(RawDataTable& table, const CaseFilter& filter, const LanguageTexts& texts,
                        Prompts& prompts, FileChooser& files, const std::string& startDir) {
    RawDataLoad load;
    std::ifstream in;
    if (refusedDataFile(table.raw, prompts)) return load;
    if (!openDataFile(table.raw, in) && !locateDataFile(table, prompts, files, startDir, in, load))
        return load;
    try {
        const auto reader = DataFormatReaderFor(table.raw);
        load.ok = reader ? readFormatFile(*reader, table, filter, texts, prompts)
                         : readTextFile(in, table, filter, texts, prompts);
    } catch (const std::bad_alloc&) {
        tellFixed(prompts, "Not enough memory to read the data file " + table.raw + ".");
    }
    return load;
}

bool FindEmptyCells(const RawDataTable& table, Prompts& prompts) {
    const std::string list = emptyCellList(table);
    if (list.empty()) return false;
    tellFixed(prompts, "null value appeared in:\n\n" + list +
                           "\nPLEASE fix the null field{s) before running the model.");
    return true;
}

bool ReportMissingWithoutCode(const RawDataTable& table, Prompts& prompts) {
    const std::string list = emptyCellList(table);
    if (list.empty()) return false;
    tellFixed(prompts, "The data file " + table.raw +
                           " has missing values (empty cells, NA or .), but the model parameters "
                           "set no missing-value code:\n\n" +
                           list + "\nSet a missing-value code or fix these cells before estimating.");
    return true;
}

void FillEmptyCells(RawDataTable& table, int code) {
    table.emptyCellCode = code;
    const std::string text = std::to_string(code);
    for (int row = 1; row <= table.caseCount(); ++row)
        for (int column = 1; column <= table.nFields(); ++column)
            if (table.isEmpty(column, row)) table.setCell(column, row, text);
}

}  // namespace qv
