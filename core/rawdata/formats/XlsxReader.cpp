#include "core/rawdata/formats/XlsxReader.h"

#include <cstdlib>

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

class SheetHandler : public XmlHandler {
public:
    SheetHandler(const std::vector<std::string>& shared, SheetRows& rows)
        : shared_(shared), rows_(rows) {}

    void start(std::string_view name, const char** attributes) override {
        if (name == "row") {
            const char* number = xmlAttribute(attributes, "r");
            row_ = number ? std::atoi(number) : row_ + 1;
            column_ = -1;
        } else if (name == "c") {
            const char* reference = xmlAttribute(attributes, "r");
            const int column = reference ? columnOfReference(reference) : -1;
            column_ = column >= 0 ? column : column_ + 1;
            const char* type = xmlAttribute(attributes, "t");
            type_ = type ? type : "n";
            value_.clear();
        } else if (name == "v" || name == "t") {
            inValue_ = true;
        }
    }
    void end(std::string_view name) override {
        if (name == "v" || name == "t") inValue_ = false;
        if (name == "c") storeCell();
        if (name == "row" && !rows_.endRow()) stopped_ = true;
    }
    void text(std::string_view text) override {
        if (inValue_) value_ += text;
    }
    bool done() const override { return stopped_; }

private:
    void storeCell() {
        if (type_ == "s") {
            const long index = std::strtol(value_.c_str(), nullptr, 10);
            const bool known = !value_.empty() && index >= 0 && static_cast<size_t>(index) < shared_.size();
            rows_.cell(row_, column_, known ? shared_[static_cast<size_t>(index)] : value_, true);
        } else {
            rows_.cell(row_, column_, value_, type_ == "str" || type_ == "inlineStr" || type_ == "e");
        }
    }

    const std::vector<std::string>& shared_;
    SheetRows& rows_;
    int row_ = 0;
    int column_ = -1;
    std::string type_;
    std::string value_;
    bool inValue_ = false;
    bool stopped_ = false;
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
    SheetHandler sheet(shared.strings, rows);
    if (auto error = StreamZipPart(zip, sheetPart, sheet); !error.empty()) return error;
    if (!rows.error().empty()) return rows.error();
    notice_ = rows.textCellReport(path);
    return {};
}

}  // namespace qv
