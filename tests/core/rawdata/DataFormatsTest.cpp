#include <fstream>
#include <sstream>

#include "core/model/NumberText.h"
#include "core/rawdata/RawDataReader.h"
#include "core/rawdata/formats/SheetRows.h"
#include "core/rawdata/formats/WorkbookSheets.h"
#include "tests/core/rawdata/DataFileFixture.h"
#include "tests/core/rawdata/ZipParts.h"

namespace qv {
namespace {

using DataFormats = DataFileFixture;
using MalformedFormats = DataFileFixture;

const char* const kFormats[] = {"xlsx", "ods", "sav", "zsav", "dta", "sas7bdat"};

std::string generated(const std::string& extension) {
    return std::string(QV_FORMATS_DIR) + "/ecsi." + extension;
}

std::string bytesOf(const std::string& path) {
    std::stringstream bytes;
    bytes << std::ifstream(path, std::ios::binary).rdbuf();
    return bytes.str();
}

TEST_F(DataFormats, EveryFormatHoldsTheCellsOfTheTextFile) {
    ASSERT_TRUE(loadFrom(QV_TEST_DATA_DIR "/rawdata/mobi.txt").ok);
    const RawDataTable text = table;
    for (const char* format : kFormats) {
        SCOPED_TRACE(format);
        ports.clear();
        table = RawDataTable();
        ASSERT_TRUE(loadFrom(generated(format)).ok);
        EXPECT_TRUE(ports.messages().empty());
        ASSERT_EQ(table.nFields(), 24);
        ASSERT_EQ(table.caseCount(), 250);
        EXPECT_EQ(table.statusText, "Variables: 24   Cases: 250");
        for (int column = 1; column <= 24; ++column) {
            EXPECT_EQ(table.cell(column, 0), text.cell(column, 0));
            for (int row = 1; row <= 250; ++row)
                ASSERT_EQ(parseNumber(table.cell(column, row)), parseNumber(text.cell(column, row)))
                    << "row " << row << " column " << column;
        }
    }
}

TEST_F(DataFormats, StatisticsFilesBringTheirVariableLabels) {
    ASSERT_TRUE(loadFrom(generated("sav")).ok);
    ASSERT_EQ(table.labels.size(), 24u);
    EXPECT_EQ(table.labels[0], "Label of CUEX1");
    ASSERT_TRUE(loadFrom(generated("xlsx")).ok);
    EXPECT_TRUE(table.labels.empty());
}

TEST_F(DataFormats, CaseSelectionAppliesToEveryFormat) {
    filter.allCases = 0;
    filter.add({6, CaseOperator::Equal, "10", CaseDataType::Integer});  // CUSCO = 10
    ASSERT_TRUE(loadFrom(QV_TEST_DATA_DIR "/rawdata/mobi.txt").ok);
    const int kept = table.caseCount();
    ASSERT_GT(kept, 0);
    for (const char* format : kFormats) {
        ASSERT_TRUE(loadFrom(generated(format)).ok) << format;
        EXPECT_EQ(table.caseCount(), kept) << format;
    }
}

const std::string kSheetNamespace = "http://schemas.openxmlformats.org/spreadsheetml/2006/main";

// A workbook whose one sheet has the given rows (inside sheetData) and shared strings.
std::vector<std::pair<std::string, std::string>> workbookParts(const std::string& rows,
                                                               const std::string& shared) {
    return {{"xl/workbook.xml", "<workbook xmlns=\"" + kSheetNamespace +
                                    "\"><sheets><sheet name=\"Umfrage\" sheetId=\"1\"/></sheets></workbook>"},
            {"xl/sharedStrings.xml", "<sst xmlns=\"" + kSheetNamespace + "\">" + shared + "</sst>"},
            {"xl/worksheets/sheet1.xml",
             "<worksheet xmlns=\"" + kSheetNamespace + "\"><sheetData>" + rows + "</sheetData></worksheet>"}};
}

std::string odsContent(const std::string& rows) {
    return "<office:document-content xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:table=\"urn:oasis:names:tc:opendocument:xmlns:table:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\"><office:body><office:spreadsheet>"
           "<table:table table:name=\"Umfrage\">" + rows + "</table:table></office:spreadsheet></office:body>"
           "</office:document-content>";
}

std::string odsCell(const std::string& attributes, const std::string& text) {
    return "<table:table-cell " + attributes + "><text:p>" + text + "</text:p></table:table-cell>";
}

// Spreadsheet cells as researchers leave them: names as shared and inline strings, a
// formula with its cached value, a skipped (empty) cell, NA, an empty row, a number in
// exponent form (shown in plain digits), and text among the numbers, which stays in the
// grid and is reported with sheet, row and column.
TEST_F(DataFormats, WorkbookCellsOfEveryKind) {
    const std::string shared = "<si><t>Qualität</t></si><si><r><t>Loy</t></r><r><t>alty</t></r></si>"
                               "<si><t>NA</t></si><si><t>seven</t></si>";
    const std::string rows =
        "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c><c r=\"B1\" t=\"s\"><v>1</v></c>"
        "<c r=\"C1\" t=\"inlineStr\"><is><t>Image</t></is></c></row>"
        "<row r=\"2\"><c r=\"A2\"><f>3+4</f><v>7</v></c><c r=\"C2\"><v>2.5</v></c></row>"
        "<row r=\"4\"><c r=\"A4\" t=\"s\"><v>2</v></c><c r=\"B4\" t=\"s\"><v>3</v></c><c r=\"C4\"><v>1E-3</v></c></row>";
    const std::string path = write("cells.xlsx", "");
    ASSERT_TRUE(writeZipParts(path, workbookParts(rows, shared)));
    ASSERT_TRUE(loadFrom(path).ok);
    EXPECT_EQ(row(0), (Row{"", "Qualität", "Loyalty", "Image"}));
    EXPECT_EQ(row(1), (Row{"1", "7", "", "2.5"}));
    EXPECT_EQ(row(2), (Row{"2", "", "seven", "0.001"}));
    EXPECT_EQ(table.caseCount(), 2);
    EXPECT_EQ(toldTexts(), (Texts{"The data file " + path + " has text where numbers are expected:\n\n"
                                  "sheet Umfrage, row 4, column B: 'seven'\n\n"
                                  "These cells cannot be used as indicator values."}));
}

// The same in an OpenDocument table: stored values rather than shown text, repeated cells
// and rows spelled out, the long runs of empty cells at the end of a table ignored.
TEST_F(DataFormats, OpenDocumentCellsOfEveryKind) {
    const std::string rows =
        "<table:table-row>" + odsCell("office:value-type=\"string\"", "Qualität") +
        odsCell("office:value-type=\"string\"", "Loyalty") + odsCell("office:value-type=\"string\"", "Image") +
        "<table:table-cell table:number-columns-repeated=\"16000\"/></table:table-row>"
        "<table:table-row table:number-rows-repeated=\"2\">" +
        odsCell("office:value-type=\"float\" office:value=\"0.333333333333333\"", "0.33") +
        "<table:table-cell/>" + odsCell("office:value-type=\"percentage\" office:value=\"0.5\"", "50%") +
        "</table:table-row><table:table-row table:number-rows-repeated=\"3\"><table:table-cell/></table:table-row>"
        "<table:table-row>" + odsCell("office:value-type=\"string\"", "NA") +
        odsCell("office:value-type=\"string\"", "seven") +
        odsCell("table:number-columns-repeated=\"2\" office:value-type=\"float\" office:value=\"4\"", "4") +
        "</table:table-row><table:table-row table:number-rows-repeated=\"1048000\">"
        "<table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>";
    const std::string path = write("cells.ods", "");
    ASSERT_TRUE(writeZipParts(path, {{"content.xml", odsContent(rows)}}));
    ASSERT_TRUE(loadFrom(path).ok);
    EXPECT_EQ(row(0), (Row{"", "Qualität", "Loyalty", "Image"}));
    EXPECT_EQ(row(1), (Row{"1", "0.333333333333333", "", "0.5"}));
    EXPECT_EQ(row(2), (Row{"2", "0.333333333333333", "", "0.5"}));
    EXPECT_EQ(row(3), (Row{"3", "", "seven", "4"}));
    EXPECT_EQ(table.caseCount(), 3);
    EXPECT_EQ(toldTexts(), (Texts{"The data file " + path + " has text where numbers are expected:\n\n"
                                  "sheet Umfrage, row 7, column B: 'seven'\n\n"
                                  "These cells cannot be used as indicator values."}));
}

// A workbook of two sheets: the first is read unless the user chose the other by its name;
// a name the workbook lacks is told.
TEST_F(DataFormats, TheChosenSheetIsRead) {
    const std::string workbook = "<workbook xmlns=\"" + kSheetNamespace + "\" xmlns:r=\"http://schemas.openxmlformats."
                                 "org/officeDocument/2006/relationships\"><sheets><sheet name=\"Erste\" r:id=\"rId1\"/>"
                                 "<sheet name=\"Zweite\" r:id=\"rId2\"/></sheets></workbook>";
    const std::string relations = "<Relationships><Relationship Id=\"rId1\" Target=\"worksheets/a.xml\"/>"
                                  "<Relationship Id=\"rId2\" Target=\"/xl/worksheets/b.xml\"/></Relationships>";
    const auto sheet = [](const std::string& name, const std::string& value) {
        return "<worksheet xmlns=\"" + kSheetNamespace + "\"><sheetData><row r=\"1\"><c t=\"inlineStr\"><is><t>" +
               name + "</t></is></c></row><row r=\"2\"><c><v>" + value + "</v></c></row></sheetData></worksheet>";
    };
    const std::string xlsx = write("two.xlsx", "");
    ASSERT_TRUE(writeZipParts(xlsx, {{"xl/workbook.xml", workbook}, {"xl/_rels/workbook.xml.rels", relations},
                                     {"xl/worksheets/a.xml", sheet("first", "1")},
                                     {"xl/worksheets/b.xml", sheet("second", "2")}}));
    const std::string ods = write("two.ods", "");
    const auto odsTable = [](const std::string& name, const std::string& variable) {
        return "<table:table table:name=\"" + name + "\"><table:table-row>" +
               odsCell("office:value-type=\"string\"", variable) + "</table:table-row><table:table-row>" +
               odsCell("office:value-type=\"float\" office:value=\"3\"", "3") + "</table:table-row></table:table>";
    };
    std::string content = odsContent("");
    content.replace(content.find("<table:table "), content.find("</table:table>") + 14 - content.find("<table:table "),
                    odsTable("Erste", "first") + odsTable("Zweite", "second"));
    ASSERT_TRUE(writeZipParts(ods, {{"content.xml", content}}));
    for (const std::string& path : {xlsx, ods}) {
        SCOPED_TRACE(path);
        std::string error;
        EXPECT_EQ(WorkbookSheets(path, error), (std::vector<std::string>{"Erste", "Zweite"}));
        EXPECT_EQ(error, "");
        table.sheet.clear();
        ASSERT_TRUE(loadFrom(path).ok);
        EXPECT_EQ(table.cell(1, 0), "first");
        table.sheet = "Zweite";
        ASSERT_TRUE(loadFrom(path).ok);
        EXPECT_EQ(table.cell(1, 0), "second");
        EXPECT_EQ(table.sheet, "Zweite");
        ports.clear();
        table.sheet = "Dritte";
        EXPECT_FALSE(loadFrom(path).ok);
        EXPECT_EQ(toldTexts(), (Texts{"The data file " + path + " has no sheet named 'Dritte'."}));
        EXPECT_EQ(table.nFields(), 0);
    }
    std::string error;
    EXPECT_TRUE(WorkbookSheets(QV_TEST_DATA_DIR "/rawdata/mobi.txt", error).empty());
    EXPECT_EQ(error, "");
}

// A workbook of a thousand variables loads; one of 1,500 is refused with its count.
TEST_F(DataFormats, AThousandSheetColumnsLoadAndMoreAreRefusedWithTheirCount) {
    const auto sheetOf = [](int columns) {
        std::string header = "<row r=\"1\">", values = "<row r=\"2\">";
        for (int c = 0; c < columns; ++c) {
            header += "<c t=\"inlineStr\"><is><t>v" + std::to_string(c + 1) + "</t></is></c>";
            values += "<c><v>" + std::to_string(c % 7) + "</v></c>";
        }
        return workbookParts(header + "</row>" + values + "</row>", "");
    };
    const std::string path = write("wide.xlsx", "");
    ASSERT_TRUE(writeZipParts(path, sheetOf(1000)));
    ASSERT_TRUE(loadFrom(path).ok);
    EXPECT_EQ(table.nFields(), 1000);
    EXPECT_EQ(table.cell(1000, 0), "v1000");
    EXPECT_EQ(table.cell(1000, 1), "5");
    ports.clear();
    ASSERT_TRUE(writeZipParts(path, sheetOf(1500)));
    EXPECT_FALSE(loadFrom(path).ok);
    EXPECT_EQ(toldTexts(), (Texts{"Error: max no. of variables greater than 1000 (the file has 1500)"}));
    EXPECT_EQ(table.nFields(), 0);
}

// A sheet of some megabytes is cut into many pieces that are parsed at once on several
// threads: every cell still lands in its row and column. Names written as numbers stay as
// written; rows may leave cells out; a case the selection drops leaves nothing behind in
// the next case (its cells are emptied where the next case has none).
TEST_F(DataFormats, ALargeSheetReadsEveryCellInPlace) {
    constexpr int kColumns = 40;
    constexpr int kRows = 4000;
    const auto value = [](int row, int column) { return std::to_string(row) + "." + std::to_string(column % 10) + "5"; };
    const auto skipped = [](int row, int column) { return column > 0 && row % 7 == 0 && column % 3 == 0; };
    std::string rows = "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>case</t></is></c>";
    for (int column = 1; column < kColumns; ++column) rows += "<c><v>" + std::to_string(column) + ".50</v></c>";
    rows += "</row>";
    for (int row = 2; row <= kRows + 1; ++row) {
        rows += "<row r=\"" + std::to_string(row) + "\">";
        for (int column = 0; column < kColumns; ++column)
            if (!skipped(row, column))
                rows += "<c r=\"" + columnLetters(column) + std::to_string(row) + "\"><v>" +
                        (column == 0 ? std::to_string(row % 2) : value(row, column)) + "</v></c>";
        rows += "</row>";
    }
    ASSERT_GT(rows.size(), 4'000'000u);
    const std::string path = write("large.xlsx", "");
    ASSERT_TRUE(writeZipParts(path, workbookParts(rows, "")));
    filter.allCases = 0;
    filter.add({0, CaseOperator::Equal, "1", CaseDataType::Integer});  // odd sheet rows only
    ASSERT_TRUE(loadFrom(path).ok) << testing::PrintToString(toldTexts());
    EXPECT_EQ(table.cell(2, 0), "1.50");
    EXPECT_EQ(table.cell(kColumns, 0), std::to_string(kColumns - 1) + ".50");
    ASSERT_EQ(table.caseCount(), kRows / 2);
    for (int sheetRow = 3, tableRow = 1; sheetRow <= kRows + 1; sheetRow += 2, ++tableRow)
        for (int column = 1; column < kColumns; ++column)
            ASSERT_EQ(table.cell(column + 1, tableRow), skipped(sheetRow, column) ? "" : value(sheetRow, column))
                << "sheet row " << sheetRow << ", column " << column;
}

// Damaged files never crash and never give a partial table. A zip archive is found from
// its end, so a damaged first byte leaves a spreadsheet readable: then it must be whole.
TEST_F(MalformedFormats, DamagedFilesAreToldByNameAndLeaveNoData) {
    for (const std::string format : kFormats) {
        const std::string whole = bytesOf(generated(format));
        const bool zipped = format == "xlsx" || format == "ods";
        const std::vector<std::pair<std::string, std::string>> damaged = {
            {"truncated", whole.substr(0, whole.size() / 2)},
            {"cut", whole.substr(0, 100)},
            {"empty", ""},
            {"text", "CUEX1 CUEX2\n1 2\n"},
            {"magic", "\x7f" + whole.substr(1)},
        };
        for (const auto& [kind, bytes] : damaged) {
            SCOPED_TRACE(format + " " + kind);
            ports.clear();
            table = RawDataTable();
            const std::string name = kind + "." + format;
            const RawDataLoad result = load(name, bytes);
            if (zipped && kind == "magic") {
                ASSERT_TRUE(result.ok);
                EXPECT_EQ(table.nFields(), 24);
                EXPECT_EQ(table.caseCount(), 250);
                continue;
            }
            ASSERT_FALSE(result.ok);
            ASSERT_EQ(toldTexts().size(), 1u);
            EXPECT_NE(toldTexts()[0].find(name), std::string::npos) << toldTexts()[0];
            EXPECT_EQ(table.nFields(), 0);
            EXPECT_EQ(table.columnCount(), 0);
        }
    }
}

// A workbook without the parts a sheet needs, or with a sheet that is no XML, names the
// file and the part.
TEST_F(MalformedFormats, BrokenWorkbookPartsAreNamed) {
    const std::string path = write("parts.xlsx", "");
    ASSERT_TRUE(writeZipParts(path, {{"xl/workbook.xml", "<workbook><sheets><sheet name=\"A\"/></sheets></workbook>"}}));
    EXPECT_FALSE(loadFrom(path).ok);
    ASSERT_EQ(toldTexts().size(), 1u);
    EXPECT_NE(toldTexts()[0].find(path + " lacks its part xl/worksheets/sheet1.xml"), std::string::npos)
        << toldTexts()[0];
    ports.clear();
    auto parts = workbookParts("<row r=\"1\"><c><v>1</v></c>", "");
    ASSERT_TRUE(writeZipParts(path, parts));
    EXPECT_FALSE(loadFrom(path).ok);
    ASSERT_EQ(toldTexts().size(), 1u);
    EXPECT_NE(toldTexts()[0].find(path + " is damaged in its part xl/worksheets/sheet1.xml, byte "),
              std::string::npos)
        << toldTexts()[0];
}

}  // namespace
}  // namespace qv
