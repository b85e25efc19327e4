#include "core/engine/ControlFileWriter.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/engine/EngineTestModels.h"
#include "core/ports/ScriptedPorts.h"

namespace qv {
namespace {

using testing::ModelBuilder;
using testing::TestData;
using testing::WorkedExample;

ControlRun Resampling(SampleKind kind, int subsample, std::vector<int> drawn = {}) {
    ControlRun run;
    run.sampleKind = kind;
    run.subsample = subsample;
    run.drawnCases = std::move(drawn);
    return run;
}

std::string Numbered(char letter, int number) {
    std::string text(1, letter);
    return text += std::to_string(number);
}

// Writes the runs as a caller does and closes the file with "STOP".
std::string controlFile(ModelBuilder& b, ScriptedPorts& ports, std::vector<ControlRun> runs) {
    ControlFileWriter writer(b.model, b.parameters, b.table, ports);
    std::string out;
    for (const ControlRun& run : runs) EXPECT_TRUE(writer.WriteControlRun(out, run));
    return out + "STOP";
}

TEST(ControlFileWriter, WorkedExampleComesOutExactly) {
    ScriptedPorts ports;
    ModelBuilder b = WorkedExample();
    EXPECT_EQ(controlFile(b, ports, {ControlRun{}}), TestData("controlfile/worked_example.pls"));
    b.parameters.missingValue = "-1";
    EXPECT_EQ(controlFile(b, ports, {ControlRun{}}),
              TestData("controlfile/worked_example_missing.pls"));
    EXPECT_TRUE(ports.events().empty());
}

TEST(ControlFileWriter, EighteenBlocksEndEachBlockRowWithAnEmptyLine) {
    ScriptedPorts ports;
    ModelBuilder b;
    for (int i = 0; i < 18; ++i) {
        b.construct(Numbered('K', i + 1), i % 3 == 2 ? 1 : 0);
        b.indicator(Numbered('v', i + 1), i);
        if (i > 0) b.path(i - 1, i);
    }
    std::vector<std::string> first, second;
    for (int j = 1; j <= 18; ++j) {
        first.push_back(std::to_string(100 + j));
        second.push_back(std::to_string(200 + j));
    }
    b.cases({first, second});
    b.parameters = ModelParameters{"", 3, 3, 0, 0, 2, "300", "0", 4, 0, 0};
    EXPECT_EQ(controlFile(b, ports, {ControlRun{}}), TestData("controlfile/eighteen_blocks.pls"));
}

// Blocks in construct order, each block's indicators in table order, although the two
// blocks' indicators alternate in the table; nine names fill one line exactly.
TEST(ControlFileWriter, NineNamesEndTheirLineWithoutAnEmptyOne) {
    ScriptedPorts ports;
    ModelBuilder b;
    const int p = b.construct("P");
    const int q = b.construct("Q");
    for (const char* name : {"q1", "p1", "q2", "p2", "q3", "p3", "q4", "p4", "q5"})
        b.indicator(name, name[0] == 'p' ? p : q);
    b.path(p, q);
    b.cases({{"1.5", "2", "-3.25", "4", "5", "6", "7", "8", "123456.789"}});
    b.parameters.missingValue = "-9";
    ControlRun blindfolding;
    blindfolding.blindTarget = -2;
    blindfolding.blindDistance = 7;
    EXPECT_EQ(controlFile(b, ports, {blindfolding}), TestData("controlfile/nine_names.pls"));
}

// F1 (a1 a2) and F2 (b1 b2) form the second-order construct S, which predicts Y (y1 y2).
// The score indicators come behind the raw ones, as a two-stage estimate appends them.
ModelBuilder SecondOrderModel() {
    ModelBuilder b;
    const int f1 = b.construct("F1");
    const int f2 = b.construct("F2", 1);
    const int s = b.construct("S", 0, 2);
    const int y = b.construct("Y");
    for (const char* name : {"a1", "a2"}) b.indicator(name, f1);
    for (const char* name : {"b1", "b2"}) b.indicator(name, f2);
    for (const char* name : {"y1", "y2"}) b.indicator(name, y);
    b.link(f1, s);
    b.link(f2, s);
    b.path(s, y);
    b.path(f1, f2);  // not part of either stage's design
    b.cases({{"1", "2", "3", "4", "5", "6"},
             {"2", "3", "4", "5", "6", "7"},
             {"3", "5", "4", "6", "7", "9"}});
    return b;
}

TEST(ControlFileWriter, SecondOrderStagesTakeTheirOwnBlocks) {
    ScriptedPorts ports;
    ModelBuilder b = SecondOrderModel();
    b.parameters.missingValue = "";
    ControlRun firstStage;
    firstStage.stage = kFirstStage;
    EXPECT_EQ(controlFile(b, ports, {firstStage}), TestData("controlfile/second_order_stage0.pls"));

    b.indicator("F1", 2);
    b.indicator("F2", 2);
    b.indicator("S", -1);
    b.indicator("Y", -1);
    b.model.constructs[2].nInd = 2;  // the member count, not the appended indicators
    for (int k = 0; k < 4; ++k) b.model.constructs[k].scoreIndicator = 6 + k;
    const std::vector<std::vector<std::string>> scores = {
        {"0.5", "-0.25", "9", "9"}, {"-1.5", "0.75", "9", "9"}, {"1", "-0.5", "9", "9"}};
    for (int row = 1; row <= 3; ++row)
        for (int k = 0; k < 4; ++k)
            b.table.setCell(7 + k, row,
                            scores[static_cast<size_t>(row - 1)][static_cast<size_t>(k)]);
    EXPECT_EQ(controlFile(b, ports, {ControlRun{}}),
              TestData("controlfile/second_order_stage1.pls"));
    EXPECT_TRUE(ports.messages().empty());
}

TEST(ControlFileWriter, ResamplingRunsWriteTheirCases) {
    ScriptedPorts ports;
    ModelBuilder b = WorkedExample();
    EXPECT_EQ(controlFile(b, ports, {Resampling(SampleKind::Bootstrap, 4, {3, 1, 3})}),
              TestData("controlfile/bootstrap.pls"));
    b.parameters.missingValue = "-1";
    EXPECT_EQ(controlFile(b, ports, {Resampling(SampleKind::Jackknife, 0)}),
              TestData("controlfile/jackknife.pls"));
}

// The compact form: the first run's cards with every case, its SAMPLE line, then a line a run.
TEST(ControlFileWriter, SampleLinesFollowTheRecordsOfEveryCase) {
    ScriptedPorts ports;
    ModelBuilder b = WorkedExample();
    b.parameters.missingValue = "-1";
    ControlFileWriter writer(b.model, b.parameters, b.table, ports);
    std::string out;
    EXPECT_TRUE(writer.WriteSampleSource(out, Resampling(SampleKind::Bootstrap, 0, {3, 1, 3})));
    EXPECT_TRUE(writer.WriteSampleLine(out, Resampling(SampleKind::Bootstrap, 1, {2, 2, 2})));
    EXPECT_TRUE(writer.WriteSampleLine(out, Resampling(SampleKind::Jackknife, 2)));
    EXPECT_TRUE(writer.WriteSampleLine(out, ControlRun{}));
    EXPECT_EQ(out + "STOP", TestData("controlfile/sample_lines.pls"));
    EXPECT_TRUE(ports.events().empty());
    // A case drawn ten times or more is written "(k)"; a case outside the data is refused.
    ModelBuilder many = WorkedExample();
    many.table.resize(many.table.columnCount(), 13);
    for (int row = 4; row <= 12; ++row)
        for (int column = 0; column < many.table.columnCount(); ++column)
            many.table.setCell(column, row, many.table.cell(column, 1));
    ControlFileWriter wide(many.model, many.parameters, many.table, ports);
    std::string line;
    EXPECT_TRUE(wide.WriteSampleLine(line, Resampling(SampleKind::Bootstrap, 7, {1, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 12})));
    EXPECT_EQ(line, "SAMPLE 1000(10)0000001 SubSample 7\n");
    EXPECT_FALSE(wide.WriteSampleLine(line, Resampling(SampleKind::Bootstrap, 8, {13})));
    EXPECT_EQ(line, "SAMPLE 1000(10)0000001 SubSample 7\n");
}

TEST(ControlFileWriter, WideFieldsWidenTheLine) {
    ScriptedPorts ports;
    ModelBuilder b = WorkedExample();
    b.parameters.missingValue = "-1";
    std::vector<std::vector<std::string>> rows(1000, {"1", "2", "3", "4", "5"});
    rows[999] = {"100000", "-10000", "99999.996", "0", "0"};
    b.cases(rows);
    const std::string file = controlFile(b, ports, {ControlRun{}});
    EXPECT_NE(file.find("\n   2-1001   12255   1 100"), std::string::npos);
    // 99999.996 needs three decimals; the widest value and a blank before it set the field.
    EXPECT_NE(file.find(" 0 0 0 0(2A4,5F11.3)\nMISSING "), std::string::npos);
    EXPECT_NE(file.find("\nCase   1      1.000      2.000      3.000      4.000      5.000\n"),
              std::string::npos);
    EXPECT_NE(file.find("\nCase1000 100000.000 -10000.000  99999.996      0.000      0.000\nSTOP"),
              std::string::npos);
}

// The Decimal setting is the least; the data widen it up to six decimals, and the format card
// names the decimals and the field width the records use.
TEST(ControlFileWriter, ValuesKeepTheDecimalsTheDataHold) {
    struct Case {
        const char* decimal;
        std::string cell;  // replaces a1 of the first case; the other cells are integers
        std::string card;
        std::string firstRecord;
    };
    const std::vector<Case> cases = {
        {"0", "7", "(2A4,5F8.0)", "Case   1       7       2       3       4       5"},
        {"2", "5.795", "(2A4,5F9.3)", "Case   1    5.795    2.000    3.000    4.000    5.000"},
        {"4", "7", "(2A4,5F10.4)", "Case   1    7.0000    2.0000    3.0000    4.0000    5.0000"},
        {"2", "0.123456789", "(2A4,5F12.6)",
         "Case   1    0.123457    2.000000    3.000000    4.000000    5.000000"},
        {"9", "1e-3", "(2A4,5F12.6)",
         "Case   1    0.001000    2.000000    3.000000    4.000000    5.000000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.cell);
        ScriptedPorts ports;
        ModelBuilder b = WorkedExample();
        b.cases({{c.cell, "2", "3", "4", "5"}, {"2", "3", "1", "4", "6"}, {"5", "4", "3", "2", "1"}});
        b.parameters.decimal = c.decimal;
        const std::string file = controlFile(b, ports, {ControlRun{}});
        EXPECT_NE(file.find(" 0 0 0 0" + c.card + "\n" + c.firstRecord + "\n"),
                  std::string::npos)
            << file;
    }
}

TEST(ControlFileWriter, BlockSizeMismatchIsToldPerCaseForTheFullSampleOnly) {
    ScriptedPorts ports;
    ModelBuilder b = WorkedExample();
    b.model.constructs[1].nInd = 4;
    const std::string full = controlFile(b, ports, {ControlRun{}});
    ASSERT_EQ(ports.messages().size(), 3u);
    EXPECT_EQ(ports.messages()[0].text, "Error in List RawData : Construct[1]");
    EXPECT_NE(full.find("Case   3"), std::string::npos);  // writing goes on

    ports.clear();
    controlFile(b, ports, {Resampling(SampleKind::Jackknife, 1)});
    EXPECT_TRUE(ports.messages().empty());
}

TEST(ControlFileWriter, UnusableInputIsRefusedWithoutWriting) {
    struct Case {
        const char* what;
        std::function<void(ModelBuilder&)> spoil;
        ControlRun run;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"text in a data cell", [](ModelBuilder& b) { b.table.setCell(3, 2, "n/a"); }, ControlRun{},
         "'n/a' is not a valid floating point value"},
        {"infinite value", [](ModelBuilder& b) { b.table.setCell(1, 1, "inf"); }, ControlRun{},
         "'inf' is not a valid floating point value"},
        {"maximum iterations", [](ModelBuilder& b) { b.parameters.maxIteration = "many"; },
         ControlRun{}, "'many' is not a valid integer value"},
        {"missing-value code", [](ModelBuilder& b) { b.parameters.missingValue = "-1.5"; },
         ControlRun{}, "'-1.5' is not a valid integer value"},
        {"iterations out of range", [](ModelBuilder& b) { b.parameters.maxIteration = "2147483647"; },
         ControlRun{}, "MaxIteration 2147483647 is outside 1..100000."},
        {"code wider than its field", [](ModelBuilder& b) { b.parameters.missingValue = "-2147483647"; },
         ControlRun{}, "MissingValue -2147483647 is outside -9999999..99999999."},
        {"decimals", [](ModelBuilder& b) { b.parameters.decimal = "-1"; }, ControlRun{},
         "Decimal -1 is outside 0..15."},
        {"drawn case", [](ModelBuilder&) {}, Resampling(SampleKind::Bootstrap, 0, {1, 4, 2}),
         "Drawn case 4 is not a case of the data"},
        {"omitted case", [](ModelBuilder&) {}, Resampling(SampleKind::Jackknife, 3),
         "Jackknife subsample 3 omits no case of the data"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedPorts ports;
        ModelBuilder b = WorkedExample();
        c.spoil(b);
        ControlFileWriter writer(b.model, b.parameters, b.table, ports);
        std::string out = "kept";
        EXPECT_FALSE(writer.WriteControlRun(out, c.run));
        EXPECT_EQ(out, "kept");
        ASSERT_EQ(ports.messages().size(), 1u);
        EXPECT_EQ(ports.messages()[0].text, c.message);
    }
}

// Captions the engine's 8 ASCII columns cannot hold reach it as positional aliases, so
// every following column stays where the engine reads it; captions that fit stay.
TEST(ControlFileWriter, CaptionsThatDoNotFitTheirFieldBecomePositionalAliases) {
    ScriptedPorts ports;
    ModelBuilder b = WorkedExample();
    b.model.constructs[0].caption = "Corporate Image";
    b.model.constructs[1].caption = "Qualität";  // 8 characters, 9 bytes
    b.model.indicators[1].caption = "CorporateImage2";
    b.model.indicators[3].caption = "b 2";
    b.model.indicators[4].caption = "";
    std::string expected = TestData("controlfile/worked_example.pls");
    for (const auto& [from, to] : {std::pair{"      a2      b1      b2      b3", "   V0002      b1   V0004   V0005"},
                                   std::pair{"       A . .\n       B 1 .", "   LV001 . .\n   LV002 1 ."}})
        expected.replace(expected.find(from), std::string(from).size(), to);
    EXPECT_EQ(controlFile(b, ports, {ControlRun{}}), expected);
    EXPECT_TRUE(ports.events().empty());
}

}  // namespace
}  // namespace qv
