#include "lvpls/CardParser.h"
#include "lvpls/CardScanner.h"
#include "lvpls/DataRecords.h"
#include "lvpls/ParameterCard.h"
#include "lvpls/ProblemError.h"
#include "tests/lvpls/support/ProblemFixture.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <sstream>

namespace lvpls::testing {
namespace {

Problem parseText(const std::string& text) {
    std::istringstream input(text);
    LineReader reader(input);
    ProblemSplitter splitter(reader);
    return parseProblem(*splitter.next());
}

std::string parseError(const std::string& text) {
    try {
        parseText(text);
    } catch (const ProblemError& error) {
        return error.what();
    }
    return "no error";
}

const std::string kWorkedExample =
    "COMMENT\nALLSample\nCEND\nPLSX\nQuorvanta Version 1.0\n"
    "   2   3   12255   1 100   5   1   0   0\n"
    "   2   3\n   0   1\n   1   1\n"
    "      a1      a2      b1      b2      b3\n"
    " 0 011  (2A4,2F2.0)\n"
    "       A . .\n"
    "       B 1 .\n"
    " 0 0 0 0(2A4,5F8.2)\n"
    "Case   1    1.00    2.00    3.00    4.00    5.00\n"
    "Case   2    2.00    1.00    3.50    4.00    1.00\n"
    "Case   3    3.00    3.00    1.00    2.00    2.50\n"
    "\nSTOP";

TEST(CardParser, ReadsEveryCardOfTheWorkbenchLayout) {
    const Problem problem = parseText(kWorkedExample);
    EXPECT_EQ(problem.title, "ALLSample");
    ASSERT_EQ(problem.model.blockCount(), 2);
    EXPECT_EQ(problem.model.block(0).name, "A");
    EXPECT_EQ(problem.model.block(1).name, "B");
    EXPECT_EQ(problem.model.block(1).firstIndicator, 2);
    EXPECT_EQ(problem.model.block(1).indicatorCount, 3);
    EXPECT_EQ(problem.model.block(0).mode, OuterMode::A);
    EXPECT_EQ(problem.model.block(1).mode, OuterMode::B);
    EXPECT_TRUE(problem.model.hasPath(0, 1));
    EXPECT_FALSE(problem.model.hasPath(1, 0));
    EXPECT_EQ(problem.model.indicatorName(4), "b3");
    EXPECT_EQ(problem.settings.scheme, InnerScheme::Path);
    EXPECT_EQ(problem.settings.maxIterations, 100);
    EXPECT_DOUBLE_EQ(problem.settings.tolerance, 1e-5);
    EXPECT_EQ(problem.metric, Metric::UnitVariance);
    EXPECT_EQ(problem.blindfold.distance, 0);
    EXPECT_TRUE(problem.missingCodes.empty());
    ASSERT_EQ(problem.data.rows(), 3);
    EXPECT_EQ(problem.data(1, 2), 3.5);
    EXPECT_EQ(problem.data(2, 4), 2.5);
}

TEST(ParameterCard, WidenedFieldsAreStillReadRight) {
    const ParameterCard missing = parseParameterCard("   2-1001   12255   31000   5   4 -10   7");
    EXPECT_TRUE(missing.missingCard);
    EXPECT_EQ(missing.records, 1001);
    EXPECT_EQ(missing.scheme, 3);
    EXPECT_EQ(missing.maxIterations, 1000);
    EXPECT_EQ(missing.metric, 4);
    EXPECT_EQ(missing.blindTarget, -10);
    EXPECT_EQ(missing.blindDistance, 7);
    const ParameterCard plain = parseParameterCard("  2412000   14365   2 100   5   2   5  20");
    EXPECT_EQ(plain.blocks, 24);
    EXPECT_EQ(plain.records, 12000);
    EXPECT_FALSE(plain.missingCard);
    EXPECT_EQ(plain.outputCodes[0], 4);
    EXPECT_EQ(plain.outputCodes[3], 5);
    EXPECT_EQ(plain.blindTarget, 5);
    EXPECT_EQ(plain.blindDistance, 20);
}

TEST(ParameterCard, RejectsLettersMissingFieldsAndImpossibleCodes) {
    EXPECT_THROW(parseParameterCard("   2   x   12255   1 100   5   1   0   0"), ProblemError);
    EXPECT_THROW(parseParameterCard("   2   3   12255   1 100"), ProblemError);
    EXPECT_THROW(parseParameterCard("   2   3   12255   4 100   5   1   0   0"), ProblemError);
    EXPECT_THROW(parseParameterCard("   2   3   12255   1 100   5   9   0   0"), ProblemError);
    EXPECT_THROW(parseParameterCard("   2   3   12255   1   0   5   1   0   0"), ProblemError);
    EXPECT_THROW(parseParameterCard("   2   3   12255   1 100   5   1   2   0"), ProblemError);
    EXPECT_THROW(parseParameterCard("   2   3   12255   1 100   5   1   0   0  extra"), ProblemError);
    EXPECT_THROW(parseParameterCard("   0   3   12255   1 100   5   1   0   0"), ProblemError);
}

TEST(DataRecords, ValuesTouchingEachOtherAndWideCaseNumbersAreSeparated) {
    std::vector<double> values;
    ASSERT_TRUE(readRecordValues("Case   1    1.00-1000.0010000.00100000.00   -0.50", values));
    EXPECT_EQ(values, (std::vector<double>{1.0, -1000.0, 10000.0, 100000.0, -0.5}));
    ASSERT_TRUE(readRecordValues("Case10000    1.00    2.00", values));
    EXPECT_EQ(values, (std::vector<double>{1.0, 2.0}));
    ASSERT_TRUE(readRecordValues("Case999910000.00    2.00", values));
    EXPECT_EQ(values, (std::vector<double>{10000.0, 2.0}));
    ASSERT_TRUE(readRecordValues("Case   1-1000.00    1.5 2e1", values));
    EXPECT_EQ(values, (std::vector<double>{-1000.0, 1.5, 20.0}));
    EXPECT_FALSE(readRecordValues("Case   1    1.0x    2.00", values));
    EXPECT_FALSE(readRecordValues("Case   1    nan    2.00", values));
}

// The fixed fields of the format card give the values the blank-separated reading gives; a
// record laid out otherwise is left to that reading.
TEST(DataRecords, FixedFieldsOfTheFormatCardReadTheSameValues) {
    EXPECT_EQ(recordFieldWidth(" 0 0 0 0(2A4,3F9.2)", 3), 9);
    EXPECT_FALSE(recordFieldWidth(" 0 0 0 0(2A4,4F9.2)", 3));
    EXPECT_FALSE(recordFieldWidth(" 0 0 0 0(3F9.2)", 3));
    EXPECT_FALSE(recordFieldWidth(" 0 0 0 0(2A4,3F9)", 3));
    double values[6] = {};
    for (const char* line : {"Case   1     1.00 -1000.00100000.00", "Case1000012345.67     2.00      -.5"}) {
        std::vector<double> expected;
        ASSERT_TRUE(readRecordValues(line, expected));
        ASSERT_TRUE(readFixedRecord(line, 9, 3, values, 2)) << line;
        EXPECT_EQ(std::vector<double>({values[0], values[2], values[4]}), expected);
    }
    EXPECT_FALSE(readFixedRecord("Case   1     1.00     2.00", 9, 3, values, 1));
    EXPECT_FALSE(readFixedRecord("Case   1     1.00     2.00     3.00 ", 9, 3, values, 1));
    EXPECT_FALSE(readFixedRecord("Case   1     1.00     2.00          ", 9, 3, values, 1));
    EXPECT_FALSE(readFixedRecord("Case   1     1.00    2 .0     3.00", 9, 3, values, 1));
}

TEST(DataRecords, DecimalsReadExactlyAsTheLibraryConversionReadsThem) {
    std::mt19937_64 generator(3);
    std::uniform_real_distribution<double> magnitude(-12.0, 12.0);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::pow(10.0, magnitude(generator)) * (i % 2 ? -1 : 1);
        char text[64];
        std::snprintf(text, sizeof text, i % 3 ? "%.2f" : "%.6g", value);
        ASSERT_EQ(parseValue(text), std::strtod(text, nullptr)) << text;
    }
    EXPECT_EQ(parseValue("+7"), 7.0);
    EXPECT_EQ(parseValue("1234567890123456.5"), 1234567890123456.5);
    EXPECT_FALSE(parseValue("1.2.3"));
    EXPECT_FALSE(parseValue("-"));
    EXPECT_FALSE(parseValue("."));
    EXPECT_FALSE(parseValue("inf"));
}

TEST(CardParser, MissingCardCountsAsARecordAndCarriesOneCodePerIndicator) {
    DataSet data = mobiData();
    ControlRun run = ecsiRun();
    run.missingCode = -1;
    data.values(4, data.column("CUSA2")) = -1;
    std::string text;
    appendControlRun(text, run, data);
    const Problem problem = parseText(text + "STOP");
    EXPECT_EQ(problem.data.rows(), 250);
    EXPECT_EQ(problem.missingCodes, std::vector<double>(24, -1.0));
    EXPECT_EQ(problem.data(4, 18), -1.0);
}

TEST(CardParser, NamesOfEightCharactersTouchingEachOtherAreCutAtTheirColumns) {
    const DataSet data = readDataSet(std::filesystem::path(QV_TEST_DATA_DIR) / "lvpls" / "corprep.txt");
    ControlRun run;
    run.blocks = {{"GLOBAL", {"csor_glb", "attr_glb", "perf_glb", "qual_glb"}}, {"TYPE", {"smpltype", "svctype"}}};
    run.paths = {{"GLOBAL", "TYPE"}};
    std::string text;
    appendControlRun(text, run, data);
    ASSERT_NE(text.find("csor_glbattr_glbperf_glbqual_glbsmpltype svctype\n"), std::string::npos);
    const Problem problem = parseText(text + "STOP");
    EXPECT_EQ(problem.model.indicatorName(1), "attr_glb");
    EXPECT_EQ(problem.model.indicatorName(4), "smpltype");
    EXPECT_EQ(problem.model.indicatorName(5), "svctype");
    const std::string wide =
        "COMMENT\nALLSample\nCEND\nPLSX\nprogram\n   1   3   12255   1 100   5   1   0   0\n   2\n   0\n   1\n"
        " longname9       b\n 0 011  (2A4,1F2.0)\n       A .\n 0 0 0 0(2A4,2F8.2)\n"
        "Case   1    1.00    2.00\nCase   2    2.00    1.00\nCase   3    3.00    3.00\n";
    EXPECT_EQ(parseText(wide + "STOP").model.indicatorName(0), "longname9");
}

TEST(CardParser, EighteenBlocksAndNineIndicatorsEndTheirRowsAsWritten) {
    DataSet data;
    ControlRun run;
    data.values = (Eigen::MatrixXd::Random(20, 18) * 100).array().round() / 100;
    for (int b = 0; b < 18; ++b) {
        data.names.push_back("x" + std::to_string(b));
        run.blocks.push_back({"L" + std::to_string(b), {"x" + std::to_string(b)}});
        if (b > 0) run.paths.emplace_back("L0", "L" + std::to_string(b));
    }
    std::string text;
    appendControlRun(text, run, data);
    EXPECT_NE(text.find("   1   1\n\n   0"), std::string::npos);  // the 18th value ends the line
    const Problem problem = parseText(text + "STOP");
    EXPECT_EQ(problem.model.blockCount(), 18);
    EXPECT_EQ(problem.model.indicatorName(17), "x17");
    EXPECT_TRUE(problem.model.hasPath(0, 17));
    EXPECT_EQ(problem.data(19, 17), data.values(19, 17));
}

TEST(CardParser, NamesTheFaultOfAMalformedProblem) {
    auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        return text.replace(text.find(from), from.size(), to);
    };
    EXPECT_NE(parseError(replaced(kWorkedExample, "   2   3\n", "   0   5\n")).find("block A has no indicators"),
              std::string::npos);
    EXPECT_NE(parseError(replaced(kWorkedExample, "   2   3\n", "   2   3   1\n")).find("3 values, 2 expected"),
              std::string::npos);
    EXPECT_NE(parseError(replaced(kWorkedExample, "       A . .", "       A . 1")).find("cycle"), std::string::npos);
    EXPECT_NE(parseError(replaced(kWorkedExample, "       B 1 .", "       B 1 1")).find("cycle"), std::string::npos);
    EXPECT_NE(parseError(replaced(kWorkedExample, "    5.00\n", "\n")).find("4 values, 5 expected"), std::string::npos);
    EXPECT_NE(parseError(replaced(kWorkedExample, "    2.50\n", "    2.5O\n")).find("letters"), std::string::npos);
    EXPECT_NE(parseError(replaced(kWorkedExample, "   3   12255", "   4   12255")).find("ends after 3 of 4"),
              std::string::npos);
    EXPECT_NE(parseError(replaced(kWorkedExample, "   3   12255", "   2   12255")).find("more data records"),
              std::string::npos);
    EXPECT_NE(parseError(replaced(kWorkedExample, "   0   1\n", "   0   2\n")).find("mode code 2"), std::string::npos);
    EXPECT_NE(parseError("COMMENT\nALLSample\nCEND\n").find("ends before the PLSX card"), std::string::npos);
    EXPECT_NE(parseError(replaced(kWorkedExample, "   1   0   0\n", "   1  -6   7\n")).find("names no block"),
              std::string::npos);
}

TEST(ProblemSplitter, SplitsAtCommentAndStopsAtStop) {
    std::istringstream input("noise\nCOMMENT\nSubSample 1\nCOMMENT\nALLSample\nSTOP\nCOMMENT\nafter the end\n");
    LineReader reader(input);
    ProblemSplitter splitter(reader);
    const auto first = splitter.next();
    const auto second = splitter.next();
    ASSERT_TRUE(first && second);
    EXPECT_EQ(problemTitle(*first), "SubSample 1");
    EXPECT_EQ(first->firstLine, 2);
    EXPECT_EQ(problemTitle(*second), "ALLSample");
    EXPECT_EQ(second->number, 2);
    EXPECT_FALSE(splitter.next());
}

TEST(LineReader, CutsOverlongLinesAndKeepsReading) {
    std::istringstream input(std::string(LineReader::kMaxLineLength + 10, 'x') + "\r\nnext");
    LineReader reader(input);
    std::string line;
    ASSERT_TRUE(reader.next(line));
    EXPECT_TRUE(reader.lastLineCut());
    EXPECT_EQ(line.size(), LineReader::kMaxLineLength);
    ASSERT_TRUE(reader.next(line));
    EXPECT_EQ(line, "next");
    EXPECT_FALSE(reader.lastLineCut());
    EXPECT_FALSE(reader.next(line));
}

}  // namespace
}  // namespace lvpls::testing
