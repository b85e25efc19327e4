// Writes a blank-separated data file again as .xlsx, .ods, .sav, .zsav, .dta and .sas7bdat,
// so the readers' tests get the same data in every format, made by libzip and libreadstat's
// writers rather than by the readers under test.
//   WriteDataFormats DATAFILE OUTPUT_STEM           (OUTPUT_STEM.xlsx, .ods, ...)
//   WriteDataFormats --wide VARIABLES CASES OUT.xlsx (a large sheet for the benchmark)

#include <readstat.h>
#include <zip.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Data {
    std::vector<std::string> names;
    std::vector<std::vector<double>> rows;
};

Data readData(const char* path) {
    Data data;
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    std::istringstream header(line);
    for (std::string name; header >> name;) data.names.push_back(name);
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::vector<double> row;
        for (double value; fields >> value;) row.push_back(value);
        if (!row.empty()) data.rows.push_back(row);
    }
    return data;
}

std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '<') out += "&lt;";
        else if (c == '&') out += "&amp;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.15g", value);
    return text;
}

std::string columnLetters(size_t column) {
    std::string letters;
    for (size_t rest = column + 1; rest > 0; rest = (rest - 1) / 26)
        letters.insert(letters.begin(), static_cast<char>('A' + (rest - 1) % 26));
    return letters;
}

// The archive frees its copy of the text once it is written.
bool addPart(zip_t* archive, const std::string& name, const std::string& text, bool stored = false) {
    void* copy = std::malloc(text.size() + 1);
    if (!copy) return false;
    std::copy_n(text.data(), text.size(), static_cast<char*>(copy));
    zip_source_t* source = zip_source_buffer(archive, copy, text.size(), 1);
    if (!source) {
        std::free(copy);
        return false;
    }
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
    if (index < 0) {
        zip_source_free(source);
        return false;
    }
    if (stored) zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
    return true;
}

zip_t* createArchive(const std::string& path) {
    int error = 0;
    return zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
}

// The parts of a workbook around its one sheet; shared strings only when given.
bool addXlsxFrame(zip_t* archive, const std::string& shared) {
    return
        addPart(archive, "[Content_Types].xml",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
                "<Default Extension=\"rels\" ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
                "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
                "<Override PartName=\"/xl/workbook.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sheet.main+xml\"/>"
                "<Override PartName=\"/xl/worksheets/data.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.worksheet+xml\"/>"
                "<Override PartName=\"/xl/sharedStrings.xml\" ContentType=\"application/vnd.openxmlformats-officedocument.spreadsheetml.sharedStrings+xml\"/>"
                "</Types>") &&
        addPart(archive, "_rels/.rels",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                "<Relationship Id=\"rId1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/officeDocument\" Target=\"xl/workbook.xml\"/></Relationships>") &&
        addPart(archive, "xl/workbook.xml",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
                "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\"><sheets>"
                "<sheet name=\"Daten\" sheetId=\"1\" r:id=\"rId7\"/></sheets></workbook>") &&
        addPart(archive, "xl/_rels/workbook.xml.rels",
                "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
                "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings\" Target=\"sharedStrings.xml\"/>"
                "<Relationship Id=\"rId7\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\" Target=\"worksheets/data.xml\"/>"
                "</Relationships>") &&
        (shared.empty() || addPart(archive, "xl/sharedStrings.xml", shared));
}

// Names as shared strings, numbers as values; one formula keeps its cached value.
bool writeXlsx(const Data& data, const std::string& path) {
    zip_t* archive = createArchive(path);
    if (!archive) return false;
    std::string shared = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<sst xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">";
    std::string sheet = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData><row r=\"1\">";
    for (size_t c = 0; c < data.names.size(); ++c) {
        shared += "<si><t>" + escaped(data.names[c]) + "</t></si>";
        sheet += "<c r=\"" + columnLetters(c) + "1\" t=\"s\"><v>" + std::to_string(c) + "</v></c>";
    }
    sheet += "</row>";
    for (size_t r = 0; r < data.rows.size(); ++r) {
        const std::string row = std::to_string(r + 2);
        sheet += "<row r=\"" + row + "\">";
        for (size_t c = 0; c < data.rows[r].size(); ++c) {
            sheet += "<c r=\"" + columnLetters(c) + row + "\">";
            if (r == 0 && c == 0) sheet += "<f>" + number(data.rows[r][c]) + "*1</f>";
            sheet += "<v>" + number(data.rows[r][c]) + "</v></c>";
        }
        sheet += "</row>";
    }
    sheet += "</sheetData></worksheet>";
    shared += "</sst>";
    const bool ok = addXlsxFrame(archive, shared) && addPart(archive, "xl/worksheets/data.xml", sheet);
    return ok && zip_close(archive) == 0;
}

// Each value as a float cell; a run of equal values in a row is one repeated cell, and
// the table ends with the usual long runs of empty cells and rows.
bool writeOds(const Data& data, const std::string& path) {
    zip_t* archive = createArchive(path);
    if (!archive) return false;
    std::string content =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document-content "
        "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
        "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
        "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" office:version=\"1.2\">"
        "<office:body><office:spreadsheet><table:table table:name=\"Daten\"><table:table-row>";
    for (const std::string& name : data.names)
        content += "<table:table-cell office:value-type=\"string\"><text:p>" + escaped(name) + "</text:p></table:table-cell>";
    content += "<table:table-cell table:number-columns-repeated=\"16000\"/></table:table-row>";
    for (const auto& row : data.rows) {
        content += "<table:table-row>";
        for (size_t c = 0; c < row.size();) {
            size_t run = 1;
            while (c + run < row.size() && row[c + run] == row[c]) ++run;
            const std::string value = number(row[c]);
            content += "<table:table-cell";
            if (run > 1) content += " table:number-columns-repeated=\"" + std::to_string(run) + "\"";
            content += " office:value-type=\"float\" office:value=\"" + value + "\"><text:p>" + value + "</text:p></table:table-cell>";
            c += run;
        }
        content += "</table:table-row>";
    }
    content += "<table:table-row table:number-rows-repeated=\"1048000\"><table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>"
               "</table:table><table:table table:name=\"Other\"><table:table-row><table:table-cell office:value-type=\"string\"><text:p>x</text:p></table:table-cell></table:table-row></table:table>"
               "</office:spreadsheet></office:body></office:document-content>";
    const bool ok = addPart(archive, "mimetype", "application/vnd.oasis.opendocument.spreadsheet", true) &&
                    addPart(archive, "META-INF/manifest.xml",
                            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<manifest:manifest xmlns:manifest=\"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0\" manifest:version=\"1.2\">"
                            "<manifest:file-entry manifest:full-path=\"/\" manifest:media-type=\"application/vnd.oasis.opendocument.spreadsheet\"/>"
                            "<manifest:file-entry manifest:full-path=\"content.xml\" manifest:media-type=\"text/xml\"/></manifest:manifest>") &&
                    addPart(archive, "content.xml", content);
    return ok && zip_close(archive) == 0;
}

// The large sheet is made while libzip compresses it, so it never stands in memory whole.
struct WideSheet {
    long variables = 0;
    long cases = 0;
    long row = 0;  // 0: the header row still to come
    std::string pending;
    size_t offset = 0;
    unsigned state = 12345;

    // Row 0 is the header, rows 1..cases the cases, then the closing tags.
    bool refill() {
        pending.clear();
        offset = 0;
        if (row > cases + 1) return false;
        if (row == 0)
            pending = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
        if (row > cases) {
            pending += "</sheetData></worksheet>";
        } else {
            const std::string number = std::to_string(row + 1);
            pending += "<row r=\"" + number + "\">";
            for (long c = 0; c < variables; ++c) {
                pending += "<c r=\"" + columnLetters(static_cast<size_t>(c)) + number + "\"";
                if (row == 0) {
                    pending += " t=\"inlineStr\"><is><t>v" + std::to_string(c + 1) + "</t></is></c>";
                } else {
                    state = state * 1103515245u + 12345u;
                    pending += "><v>" + std::to_string(1 + (state >> 16) % 7) + "</v></c>";
                }
            }
            pending += "</row>";
        }
        ++row;
        return true;
    }
};

zip_int64_t wideSource(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
    auto& sheet = *static_cast<WideSheet*>(state);
    switch (command) {
        case ZIP_SOURCE_OPEN: sheet.row = 0; sheet.pending.clear(); sheet.offset = 0; return 0;
        case ZIP_SOURCE_READ: {
            zip_uint64_t written = 0;
            auto* out = static_cast<char*>(data);
            while (written < length) {
                if (sheet.offset == sheet.pending.size() && !sheet.refill()) break;
                const size_t take = std::min<size_t>(length - written, sheet.pending.size() - sheet.offset);
                std::copy_n(sheet.pending.data() + sheet.offset, take, out + written);
                sheet.offset += take;
                written += take;
            }
            return static_cast<zip_int64_t>(written);
        }
        case ZIP_SOURCE_CLOSE: return 0;
        case ZIP_SOURCE_STAT: {
            auto* stat = static_cast<zip_stat_t*>(data);
            zip_stat_init(stat);
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR: return 0;
        case ZIP_SOURCE_FREE: return 0;
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default: return -1;
    }
}

bool writeWideXlsx(long variables, long cases, const std::string& path) {
    zip_t* archive = createArchive(path);
    if (!archive) return false;
    WideSheet sheet;
    sheet.variables = variables;
    sheet.cases = cases;
    bool ok = addXlsxFrame(archive, "");
    zip_source_t* source = zip_source_function(archive, wideSource, &sheet);
    ok = ok && zip_file_add(archive, "xl/worksheets/data.xml", source, ZIP_FL_OVERWRITE) >= 0;
    return zip_close(archive) == 0 && ok;
}

ssize_t writeBytes(const void* bytes, size_t length, void* file) {
    return static_cast<ssize_t>(std::fwrite(bytes, 1, length, static_cast<FILE*>(file)));
}

using BeginWriting = readstat_error_t (*)(readstat_writer_t*, void*, long);

// Every variable numeric with its name as label; the value 99 is declared missing where
// the format can declare it (it never occurs in the data).
bool writeStatistics(const Data& data, const std::string& path, BeginWriting begin,
                     readstat_compress_t compression = READSTAT_COMPRESS_NONE) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    readstat_writer_t* writer = readstat_writer_init();
    readstat_set_data_writer(writer, writeBytes);
    readstat_writer_set_compression(writer, compression);
    std::vector<readstat_variable_t*> variables;
    for (const std::string& name : data.names) {
        readstat_variable_t* variable = readstat_add_variable(writer, name.c_str(), READSTAT_TYPE_DOUBLE, 0);
        readstat_variable_set_label(variable, ("Label of " + name).c_str());
        variables.push_back(variable);
    }
    bool ok = begin(writer, file, static_cast<long>(data.rows.size())) == READSTAT_OK;
    for (const auto& row : data.rows) {
        ok = ok && readstat_begin_row(writer) == READSTAT_OK;
        for (size_t c = 0; c < row.size(); ++c)
            ok = ok && readstat_insert_double_value(writer, variables[c], row[c]) == READSTAT_OK;
        ok = ok && readstat_end_row(writer) == READSTAT_OK;
    }
    ok = ok && readstat_end_writing(writer) == READSTAT_OK;
    readstat_writer_free(writer);
    return std::fclose(file) == 0 && ok;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::string(argv[1]) == "--wide")
        return writeWideXlsx(std::atol(argv[2]), std::atol(argv[3]), argv[4]) ? 0 : 1;
    if (argc != 3) {
        std::cerr << "usage: WriteDataFormats DATAFILE OUTPUT_STEM\n";
        return 2;
    }
    const Data data = readData(argv[1]);
    const std::string stem = argv[2];
    const bool ok = writeXlsx(data, stem + ".xlsx") && writeOds(data, stem + ".ods") &&
                    writeStatistics(data, stem + ".sav", readstat_begin_writing_sav) &&
                    writeStatistics(data, stem + ".zsav", readstat_begin_writing_sav, READSTAT_COMPRESS_BINARY) &&
                    writeStatistics(data, stem + ".dta", readstat_begin_writing_dta) &&
                    writeStatistics(data, stem + ".sas7bdat", readstat_begin_writing_sas7bdat);
    if (!ok) std::cerr << "WriteDataFormats: cannot write " << stem << ".*\n";
    return ok ? 0 : 1;
}
