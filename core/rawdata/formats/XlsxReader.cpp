#include "core/rawdata/formats/XlsxReader.h"

#include <cstdlib>

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

// The text of an inline string: its <t> elements, those of rich-text runs included,
// phonetic runs left out.
void appendInlineText(const pugi::xml_node& node, std::string& text) {
    for (const pugi::xml_node& child : node.children()) {
        if (hasLocalName(child.name(), "t")) text += child.child_value();
        if (hasLocalName(child.name(), "r")) appendInlineText(child, text);
    }
}

// The cells of each <row> element go to the sheet's rows, by their references where they
// have them (empty cells are often left out), by their order where not.
class SheetRowReader {
public:
    SheetRowReader(const std::vector<std::string>& shared, SheetRows& rows)
        : shared_(shared), rows_(rows) {}

    bool read(const pugi::xml_node& row) {
        const char* number = attributeValue(row, "r");
        row_ = number ? std::atoi(number) : row_ + 1;
        int column = -1;
        for (const pugi::xml_node& cell : row.children()) {
            if (!hasLocalName(cell.name(), "c")) continue;
            const char* reference = attributeValue(cell, "r");
            const int referenced = reference ? columnOfReference(reference) : -1;
            column = referenced >= 0 ? referenced : column + 1;
            storeCell(cell, column);
        }
        return rows_.endRow();
    }

private:
    void storeCell(const pugi::xml_node& cell, int column) {
        const char* typed = attributeValue(cell, "t");
        const std::string_view type = typed ? std::string_view(typed) : std::string_view();
        std::string value;
        for (const pugi::xml_node& child : cell.children()) {
            if (hasLocalName(child.name(), "v")) value += child.child_value();
            if (hasLocalName(child.name(), "is")) appendInlineText(child, value);
        }
        if (type == "s") {
            const long index = std::strtol(value.c_str(), nullptr, 10);
            const bool known = !value.empty() && index >= 0 && static_cast<size_t>(index) < shared_.size();
            rows_.cell(row_, column, known ? shared_[static_cast<size_t>(index)] : value, true);
        } else {
            rows_.cell(row_, column, std::move(value), type == "str" || type == "inlineStr" || type == "e");
        }
    }

    const std::vector<std::string>& shared_;
    SheetRows& rows_;
    int row_ = 0;
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
    SheetRowReader sheet(shared.strings, rows);
    const auto readRow = [&](const pugi::xml_node& row) { return sheet.read(row); };
    if (auto error = StreamSheetRows(zip, sheetPart, readRow); !error.empty()) return error;
    if (!rows.error().empty()) return rows.error();
    notice_ = rows.textCellReport(path);
    return {};
}

}  // namespace qv
