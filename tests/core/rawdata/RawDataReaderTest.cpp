#include "core/rawdata/RawDataReader.h"

#include <sys/stat.h>

#include <cstdint>

#include "tests/core/rawdata/DataFileFixture.h"

namespace qv {
namespace {

using HeaderLine = DataFileFixture;
using CaseLines = DataFileFixture;
using CaseSelectionWhileReading = DataFileFixture;
using MissingDataFile = DataFileFixture;

std::string ones(int count) {
    std::string line;
    for (int i = 1; i <= count; ++i) line += "1 ";
    return line + "\n";
}

std::string names(int count) {
    std::string line;
    for (int i = 1; i <= count; ++i) line.append("v").append(std::to_string(i)).append(" ");
    return line + "\n";
}

TEST_F(HeaderLine, NamesAndCasesFillTheGridAndStatus) {
    const RawDataLoad result = load("small.txt", "x1 x2 x3\n1 2 3\n4 5 6\n");
    EXPECT_TRUE(result.ok);
    EXPECT_FALSE(result.relocated);
    EXPECT_EQ(table.nFields(), 3);
    EXPECT_EQ(table.caseCount(), 2);
    EXPECT_EQ(row(0), (Row{"", "x1", "x2", "x3"}));
    EXPECT_EQ(row(1), (Row{"1", "1", "2", "3"}));
    EXPECT_EQ(row(2), (Row{"2", "4", "5", "6"}));
    EXPECT_EQ(table.statusText, "Variables: 3   Cases: 2");
    EXPECT_TRUE(ports.events().empty());
}

TEST_F(HeaderLine, BlanksTabsAndCommasSeparateNames) {
    ASSERT_TRUE(load("blanks.txt", " \t a\t\tb  c \t\n1 2 3\n").ok);  // tabs among blanks align
    EXPECT_EQ(row(0), (Row{"", "a", "b", "c"}));
    ASSERT_TRUE(load("commas.txt", "a ,b, c,,d\n1,2,3,4,5\n").ok);  // blanks around names are no names
    EXPECT_EQ(row(0), (Row{"", "a", "b", "c", "", "d"}));
    ASSERT_TRUE(load("trailing.txt", "a,b,\n1,2\n").ok);
    EXPECT_EQ(table.nFields(), 2);
}

TEST_F(HeaderLine, AThousandNamesLoadAndOneMoreIsRefused) {
    ASSERT_TRUE(load("1000.txt", names(1000) + ones(1000)).ok);
    EXPECT_EQ(table.nFields(), 1000);
    EXPECT_EQ(table.cell(1000, 0), "v1000");

    const RawDataLoad refused = load("1001.txt", names(1001) + "1\n");
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(toldTexts(), (Texts{"Error: max no. of variables greater than 1000 (the file has 1001)", kImproperFormat}));
    EXPECT_EQ(table.columnCount(), 0);
    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.nFields(), 0);
    EXPECT_EQ(table.raw.substr(table.raw.size() - 8), "1001.txt");
}

TEST_F(HeaderLine, NameOfFortyOneCharactersIsRefusedNamingItsStart) {
    EXPECT_TRUE(load("forty.txt", "abcdefghijklmnopqrstuvwxyzabcdefghijklmn\n1\n").ok);
    EXPECT_FALSE(load("fortyone.txt", "ok abcdefghijklmnopqrstuvwxyzabcdefghijklmno\n1\n").ok);
    EXPECT_EQ(toldTexts(),
              (Texts{"Error: length of variables name greater than 40 (abcdefghijklmnopqrstuvwxyzabcdefghijklmn...)", kImproperFormat}));
    EXPECT_EQ(table.columnCount(), 0);
}

TEST_F(HeaderLine, NoNamesIsImproperFormat) {
    for (const char* bytes : {"", "\n \n\t\r\n", " \t \r\n"}) {
        ports.clear();
        EXPECT_FALSE(load("empty.txt", bytes).ok) << bytes;
        EXPECT_EQ(toldTexts(), Texts{kImproperFormat});
    }
}

TEST_F(CaseLines, RunsOfBlanksAndTabsAreOneSeparatorAndCommasAreData) {
    ASSERT_TRUE(load("blank.dat", "a b c\n \t1\t \t2  3 \t\n4,5 6 7\n").ok);
    EXPECT_EQ(row(1), (Row{"1", "1", "2", "3"}));
    EXPECT_EQ(row(2), (Row{"2", "4,5", "6", "7"}));
}

TEST_F(CaseLines, CommaSeparatedKeepsEmptyFieldsAndInnerBlanks) {
    ASSERT_TRUE(load("data.csv", "a,b,c\n1,,3\n  x y ,2,\n").ok);
    EXPECT_EQ(row(1), (Row{"1", "1", "", "3"}));
    EXPECT_EQ(row(2), (Row{"2", "x y ", "2", ""}));
}

TEST_F(CaseLines, CommasInTheHeaderOrACsvExtensionMakeACommaSeparatedFile) {
    ASSERT_TRUE(load("DATA.CSV", "a\n1,\n").ok);  // a trailing separator adds no value
    EXPECT_EQ(row(1), (Row{"1", "1"}));
    EXPECT_FALSE(load("DATA.CSV", "a\n1,2,3\n").ok);  // three values for one variable
    ASSERT_TRUE(load("data.csv.txt", "a\n1,2,3\n").ok);
    EXPECT_EQ(row(1), (Row{"1", "1,2,3"}));
    ASSERT_TRUE(load("data.txt", "a,b,c\n1,2,3\n").ok);
    EXPECT_EQ(row(1), (Row{"1", "1", "2", "3"}));
}

TEST_F(CaseLines, CrLfAndLfEndLinesAndALastLineWithoutEndCounts) {
    ASSERT_TRUE(load("crlf.txt", "a b\r\n1 2\r\n3 4\n5 6").ok);
    EXPECT_EQ(table.caseCount(), 3);
    EXPECT_EQ(row(3), (Row{"3", "5", "6"}));
    EXPECT_EQ(row(1), (Row{"1", "1", "2"}));

    ASSERT_TRUE(load("cr.txt", "a b\n1 2\r").ok);  // a last CR is a line end that lost its LF
    EXPECT_EQ(row(1), (Row{"1", "1", "2"}));
    ASSERT_TRUE(load("lone.txt", "a b\n1\r2 3\n").ok);  // a lone CR inside a line is data
    EXPECT_EQ(row(1), (Row{"1", "1\r2", "3"}));
}

TEST_F(CaseLines, TrailingBlanksAfterTheLastLineEndAddNoCase) {
    ASSERT_TRUE(load("tail.txt", "a b\n1 2\n \t ").ok);
    EXPECT_EQ(table.caseCount(), 1);
}

// A line with more or fewer values than variables once lost its surplus or filled the rest
// with missing cells without a word; now it is refused, naming the file and the row.
TEST_F(CaseLines, LinesWithMoreOrFewerValuesThanVariablesAreRefused) {
    const std::string longer = write("longer.txt", "a b c\n1 2 3\n1 2 3 4 5\n");
    EXPECT_FALSE(loadFrom(longer).ok);
    EXPECT_EQ(toldTexts(), Texts{"Row 2 of the data file " + longer +
                                 " has 5 values, but the header names 3 variables."});
    EXPECT_EQ(table.rowCount(), 0);
    ports.clear();
    const std::string shorter = write("shorter.csv", "a,b,c\n1,2,3\n6\n");
    EXPECT_FALSE(loadFrom(shorter).ok);
    EXPECT_EQ(toldTexts(), Texts{"Row 2 of the data file " + shorter +
                                 " has 1 values, but the header names 3 variables."});
    ASSERT_TRUE(load("empty.csv", "a,b,c\n6,,\n").ok);  // empty fields are missing values
    EXPECT_EQ(row(1), (Row{"1", "6", "", ""}));
}

// Values the engine cannot hold are refused where they stand; other text stays for the
// case selection and is refused only when an estimate needs it as a number.
TEST_F(CaseLines, NumbersThatAreNotFiniteOrBeyondTheRangeAreRefused) {
    for (const auto& [value, why] : {std::pair{"inf", "is not a finite number"}, {"nan", "is not a finite number"},
                                     {"1e400", "is beyond the range of numbers"},
                                     {"-2e15", "lies beyond ±1e15"}}) {
        ports.clear();
        const std::string path = write("range.txt", std::string("a b\n1 2\n3 ") + value + "\n");
        EXPECT_FALSE(loadFrom(path).ok) << value;
        EXPECT_EQ(toldTexts(), Texts{"Row 2 of the data file " + path + ", column 2: '" + value + "' " + why + "."});
    }
    ASSERT_TRUE(load("edge.txt", "a b\n1e15 -1e15\nmale 2\n").ok);
    EXPECT_EQ(row(2), (Row{"2", "male", "2"}));
}

TEST_F(CaseLines, BlankLinesAreNoCases) {
    ASSERT_TRUE(load("gap.txt", "\n  \na b\n1 2\n\n \t \r\n3 4\n\n").ok);
    EXPECT_EQ(table.caseCount(), 2);
    EXPECT_EQ(row(2), (Row{"2", "3", "4"}));
}

TEST_F(CaseLines, HeaderWithoutCasesLoadsWithNoRowMessage) {
    const RawDataLoad result = load("header.txt", "a b c");
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(toldTexts(), Texts{"no Row in Data Set"});
    EXPECT_EQ(table.nFields(), 3);
    EXPECT_EQ(table.rowCount(), 1);
    EXPECT_EQ(table.statusText, "Variables: 3   Cases: 0");
}

TEST_F(CaseLines, BundledExampleLoads) {
    ASSERT_TRUE(loadFrom(QV_TEST_DATA_DIR "/rawdata/mobi.txt").ok);
    EXPECT_EQ(table.nFields(), 24);
    EXPECT_EQ(table.caseCount(), 250);
    EXPECT_EQ(table.cell(1, 0), "CUEX1");
    EXPECT_EQ(table.cell(24, 0), "PERV2");
    EXPECT_EQ(table.cell(0, 250), "250");
    EXPECT_EQ(row(1)[24], "3");
    EXPECT_TRUE(ports.events().empty());
}

const char kScores[] = "id x name\n1 1 Ann\n2 2 bob\n3 3 Cid\n4 4 ann\n5 5 Bob\n6 6 eve\n";

TEST_F(CaseSelectionWhileReading, ConditionsCombineAndKeptCasesAreNumberedAnew) {
    filter.allCases = 0;
    filter.add({1, CaseOperator::Greater, "2", CaseDataType::Integer});
    filter.add({1, CaseOperator::Less, "5", CaseDataType::Integer});
    ASSERT_TRUE(load("scores.txt", kScores).ok);
    EXPECT_EQ(table.caseCount(), 2);
    EXPECT_EQ(row(1), (Row{"1", "3", "3", "Cid"}));
    EXPECT_EQ(row(2), (Row{"2", "4", "4", "ann"}));
    EXPECT_EQ(table.statusText, "Variables: 3   Cases: 2");
}

TEST_F(CaseSelectionWhileReading, StringConditionsRespectLetterCase) {
    filter.allCases = 0;
    filter.add({2, CaseOperator::Equal, "bob", CaseDataType::String});
    ASSERT_TRUE(load("scores.txt", kScores).ok);
    EXPECT_EQ(table.caseCount(), 1);
    EXPECT_EQ(row(1), (Row{"1", "2", "2", "bob"}));

    filter.reset();
    filter.allCases = 0;
    filter.add({2, CaseOperator::Equal, "BOB", CaseDataType::String});
    ASSERT_TRUE(load("scores.txt", kScores).ok);
    EXPECT_EQ(table.caseCount(), 0);
    EXPECT_EQ(toldTexts(), Texts{"no Row in Data Set"});
}

TEST_F(CaseSelectionWhileReading, AllCasesIgnoresTheConditions) {
    filter.add({1, CaseOperator::Greater, "100", CaseDataType::Integer});
    filter.add({2, CaseOperator::Equal, "nobody", CaseDataType::String});
    filter.add({0, CaseOperator::Less, "0", CaseDataType::Float});
    ASSERT_TRUE(load("scores.txt", kScores).ok);
    EXPECT_EQ(table.caseCount(), 6);
}

TEST_F(CaseSelectionWhileReading, RejectedCaseLeavesNothingInTheNextRow) {
    filter.allCases = 0;
    filter.add({0, CaseOperator::NotEqual, "9", CaseDataType::Integer});
    ASSERT_TRUE(load("leak.csv", "a,b,c\n9,8,7\n1,,\n").ok);
    EXPECT_EQ(table.caseCount(), 1);
    EXPECT_EQ(row(1), (Row{"1", "1", "", ""}));
}

TEST_F(CaseSelectionWhileReading, ConversionErrorQuotesTheCellAndKeepsOnlyTheNames) {
    filter.allCases = 0;
    filter.add({1, CaseOperator::Greater, "1", CaseDataType::Integer});
    const RawDataLoad result = load("mixed.txt", "a b\n1 2\n3 2.5\n4 5\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(toldTexts(), Texts{"'2.5' is not a valid integer value"});
    EXPECT_EQ(row(0), (Row{"", "a", "b"}));
    EXPECT_EQ(table.caseCount(), 0);
    EXPECT_EQ(table.statusText, "");
}

TEST_F(MissingDataFile, AnsweredNoLeavesTheTableAsItWas) {
    ASSERT_TRUE(load("first.txt", "a\n1\n").ok);
    table.raw = "/no/such/folder/gone.txt";
    const RawDataLoad result = LoadRawData(table, filter, texts, ports, ports);
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.relocated);
    ASSERT_EQ(ports.events().size(), 1u);
    const auto& question = ports.events()[0];
    EXPECT_EQ(question.kind, ScriptedPorts::Kind::AskYesNo);
    EXPECT_EQ(question.message.key, "");
    EXPECT_EQ(question.message.caption, "");
    EXPECT_EQ(question.message.text,
              "Cannot Find Data File /no/such/folder/gone.txt\nDo you want to locate the file?");
    EXPECT_EQ(table.raw, "/no/such/folder/gone.txt");
    EXPECT_EQ(row(1), (Row{"1", "1"}));
}

// A pipe once made the reading wait for ever; none of these is asked for again.
TEST_F(MissingDataFile, FolderDevicePipeAndOversizedFileAreRefusedByName) {
    const std::string probe = write("probe.txt", "");
    const std::string folder = probe.substr(0, probe.size() - 10);
    const std::string pipe = folder + "/pipe.txt";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string huge = write("huge.txt", "a\n1\n");
    std::filesystem::resize_file(huge, (std::uintmax_t{2} << 30) + 1);  // sparse: no disk taken
    const std::pair<std::string, std::string> refused[] = {
        {folder, "The data file " + folder + " is not a regular file (a folder, a device or a pipe)."},
        {pipe, "The data file " + pipe + " is not a regular file (a folder, a device or a pipe)."},
        {"/dev/zero", "The data file /dev/zero is not a regular file (a folder, a device or a pipe)."},
        {huge, "The data file " + huge + " is larger than 2 GB (2048 MB); split it or select fewer variables."}};
    for (const auto& [path, message] : refused) {
        ports.clear();
        EXPECT_FALSE(loadFrom(path).ok) << path;
        EXPECT_EQ(toldTexts(), Texts{message});
        EXPECT_EQ(ports.events().size(), 1u);  // told, not asked to locate
    }
}

TEST_F(MissingDataFile, AnsweredYesLoadsTheLocatedFile) {
    const std::string located = write("located.csv", "a,b\n1,2\n");
    ports.answer(true);
    ports.chooseFile(located);
    table.raw = "gone.txt";
    const RawDataLoad result = LoadRawData(table, filter, texts, ports, ports);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.relocated);
    EXPECT_EQ(table.raw, located);
    EXPECT_EQ(row(1), (Row{"1", "1", "2"}));
    ASSERT_EQ(ports.events().size(), 2u);
    EXPECT_EQ(ports.events()[1].kind, ScriptedPorts::Kind::OpenDialog);
    EXPECT_EQ(ports.events()[1].message.caption, kDataFileFilter);
}

TEST_F(MissingDataFile, CancelledOrUnreadableChoiceFailsSilently) {
    table.raw = "gone.txt";
    ports.answer(true);
    ports.chooseFile(std::nullopt);
    EXPECT_FALSE(LoadRawData(table, filter, texts, ports, ports).ok);
    EXPECT_EQ(table.raw, "gone.txt");

    ports.answer(true);
    ports.chooseFile("also-gone.txt");
    const RawDataLoad result = LoadRawData(table, filter, texts, ports, ports);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.relocated);
    EXPECT_EQ(table.raw, "also-gone.txt");
    EXPECT_TRUE(ports.messages().empty());
    EXPECT_EQ(ports.unansweredQuestions(), 0);
}

}  // namespace
}  // namespace qv
