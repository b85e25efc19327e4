#include "core/rawdata/formats/XlsxReader.h"

#include <cstdlib>

#include "core/rawdata/formats/SheetPieceCells.h"
#include "core/rawdata/formats/SheetRowChunks.h"
#include "core/rawdata/formats/SheetRows.h"
#include "core/rawdata/formats/XmlStream.h"
#include "core/rawdata/formats/ZipArchive.h"

namespace qv {
namespace {

// The chosen sheet's name and relation id from the workbook part; the first sheet when
// none was chosen.
struct ChosenSheet {
    std::string wanted;
    std::string name = "Sheet1";
    std::string relation;
    bool found = false;
    void start(std::string_view element, const char** attributes) {
        if (found || element != "sheet") return;
        const char* named = xmlAttribute(attributes, "name");
        if (!wanted.empty() && (!named || wanted != named)) return;
        found = true;
        if (named) name = named;
        if (const char* value = xmlAttribute(attributes, "id")) relation = value;
    }
};

struct WorkbookHandler : XmlHandler {
    ChosenSheet sheet;
    void start(std::string_view name, const char** attributes) override { sheet.start(name, attributes); }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
    bool done() const override { return sheet.found; }
};

// The part a relation id points to, as a path inside the archive.
struct RelationsHandler : XmlHandler {
    std::string id;
    std::string target;
    void start(std::string_view name, const char** attributes) override {
        if (name != "Relationship" || !target.empty()) return;
        const char* relation = xmlAttribute(attributes, "Id");
        const char* value = xmlAttribute(attributes, "Target");
        if (relation && value && id == relation)
            target = value[0] == '/' ? std::string(value + 1) : "xl/" + std::string(value);
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}
    bool done() const override { return !target.empty(); }
};

// Each <si> item is one string, made of the text of its <t> elements (phonetic runs left out).
struct SharedStringsHandler : XmlHandler {
    std::vector<std::string> strings;
    bool inText = false;
    bool inPhonetic = false;
    void start(std::string_view name, const char**) override {
        if (name == "si") strings.emplace_back();
        if (name == "rPh") inPhonetic = true;
        if (name == "t") inText = !inPhonetic && !strings.empty();
    }
    void end(std::string_view name) override {
        if (name == "t") inText = false;
        if (name == "rPh") inPhonetic = false;
    }
    void text(std::string_view text) override {
        if (inText) strings.back() += text;
    }
};

// The cells the workers read go to the sheet's rows in order, by their references where
// they have them (empty cells are often left out), by their order where not.
class SheetRowReader {
public:
    SheetRowReader(const ZipArchive& zip, const std::string& part, SheetRows& rows)
        : zip_(zip), part_(part), rows_(rows) {}

    bool take(SheetPieceCells& piece) {
        if (!piece.error.empty()) {
            error_ = zip_.path() + " is damaged in its part " + part_ + ", " + piece.error + ".";
            return false;
        }
        for (size_t at = 0; at < piece.rows.size(); ++at) {
            const size_t end = at + 1 < piece.rows.size() ? piece.rows[at + 1].firstCell : piece.cells.size();
            row_ = piece.rows[at].number > 0 ? piece.rows[at].number : row_ + 1;
            storeCells(piece, piece.rows[at].firstCell, end);
            if (!rows_.endRow()) return false;
        }
        return true;
    }
    const std::string& error() const { return error_; }

private:
    void storeCells(SheetPieceCells& piece, size_t first, size_t end) {
        int column = -1;
        for (size_t at = first; at < end; ++at) {
            const SheetCell& cell = piece.cells[at];
            column = cell.column >= 0 ? cell.column : column + 1;
            if (cell.text == SheetCell::kNoText)
                rows_.number(row_, column, cell.number);
            else
                rows_.cell(row_, column, std::move(piece.texts[cell.text]), cell.isText);
        }
    }

    const ZipArchive& zip_;
    const std::string& part_;
    SheetRows& rows_;
    int row_ = 0;
    std::string error_;
};

}  // namespace

std::string XlsxReader::read(const std::string& path, CaseRows& cases) {
    const ZipArchive zip(path);
    if (!zip.openError().empty()) return zip.openError();
    WorkbookHandler workbook;
    workbook.sheet.wanted = sheet_;
    if (auto error = StreamZipPart(zip, "xl/workbook.xml", workbook); !error.empty()) return error;
    if (!sheet_.empty() && !workbook.sheet.found) return MissingSheetError(path, sheet_);
    RelationsHandler relations;
    relations.id = workbook.sheet.relation;
    if (zip.hasPart("xl/_rels/workbook.xml.rels"))
        if (auto error = StreamZipPart(zip, "xl/_rels/workbook.xml.rels", relations); !error.empty())
            return error;
    const std::string sheetPart = relations.done() ? relations.target : "xl/worksheets/sheet1.xml";
    SharedStringsHandler shared;
    if (zip.hasPart("xl/sharedStrings.xml"))
        if (auto error = StreamZipPart(zip, "xl/sharedStrings.xml", shared); !error.empty())
            return error;
    SheetRows rows(workbook.sheet.name, cases);
    SheetRowReader sheet(zip, sheetPart, rows);
    const auto parse = [&](TextPiece& piece, SheetPieceCells& cells) {
        ReadSheetPieceCells(piece, shared.strings, cells);
    };
    const auto take = [&](SheetPieceCells& cells) { return sheet.take(cells); };
    if (auto error = StreamSheetRows<SheetPieceCells>(zip, sheetPart, parse, take); !error.empty()) return error;
    if (!sheet.error().empty()) return sheet.error();
    if (!rows.error().empty()) return rows.error();
    notice_ = rows.textCellReport(path);
    return {};
}

}  // namespace qv
