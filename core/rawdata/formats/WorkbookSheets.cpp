#include "core/rawdata/formats/WorkbookSheets.h"

#include "core/rawdata/formats/DataFormatReader.h"
#include "core/rawdata/formats/XmlStream.h"
#include "core/rawdata/formats/ZipArchive.h"

namespace qv {
namespace {

// Every element of one kind with its name attribute: <sheet> in a workbook part, <table>
// in an OpenDocument content part.
struct NamedElements : XmlHandler {
    explicit NamedElements(std::string_view wanted) : element(wanted) {}
    void start(std::string_view name, const char** attributes) override {
        if (name != element) return;
        if (const char* value = xmlAttribute(attributes, "name")) names.emplace_back(value);
    }
    void end(std::string_view) override {}
    void text(std::string_view) override {}

    std::string_view element;
    std::vector<std::string> names;
};

}  // namespace

std::vector<std::string> WorkbookSheets(const std::string& path, std::string& error) {
    const WorkbookKind kind = WorkbookKindOf(path);
    if (kind == WorkbookKind::None) return {};
    const ZipArchive zip(path);
    error = zip.openError();
    if (!error.empty()) return {};
    const bool xlsx = kind == WorkbookKind::OfficeOpenXml;
    NamedElements sheets(xlsx ? "sheet" : "table");
    error = StreamZipPart(zip, xlsx ? "xl/workbook.xml" : "content.xml", sheets);
    return error.empty() ? sheets.names : std::vector<std::string>();
}

}  // namespace qv
