#include "core/results/TableCommands.h"

#include <gtest/gtest.h>

#include "core/editing/ProductColumns.h"
#include "core/rawdata/RawDataReader.h"
#include "core/results/ConstructScores.h"
#include "tests/core/results/ResultFixture.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

class TableCommandsTest : public ResultFixture {};

TEST_F(TableCommandsTest, LoadingsTableRestsOnTheRawValuesWithoutTheMissingCode) {
    // The factor scores leave the grid standardized; the table must not see that.
    ASSERT_EQ(ComputeConstructScores(model_, table_, 1), "");
    ASSERT_TRUE(commands().loadingsTable());
    EXPECT_EQ(written("study_cfa.csv"), golden("small_cfa.csv"));
    EXPECT_EQ(opened(), (folder_ / "study_cfa.csv").string());
    EXPECT_EQ(user_.lastStatus(), "Written to " + (folder_ / "study_cfa.csv").string());
    EXPECT_EQ(table_.cell(1, 1), "1");
    EXPECT_EQ(model_.nIndicator, 7);
}

TEST_F(TableCommandsTest, CorrelationTableTurnsEachValueByBothConstructsSigns) {
    model_.constructs[1].sign = -1;
    ASSERT_TRUE(commands().correlationTable());
    EXPECT_EQ(written("study_cor.csv"), golden("small_cor.csv"));
    EXPECT_EQ(opened(), (folder_ / "study_cor.csv").string());
}

TEST_F(TableCommandsTest, ReliabilityTableFillsCronbachAlphaFromTheRawValues) {
    ASSERT_EQ(ComputeConstructScores(model_, table_, 1), "");
    ASSERT_TRUE(commands().reliabilityTable());
    EXPECT_EQ(written("study_ave.csv"), golden("small_ave.csv"));
    EXPECT_NEAR(*model_.constructs[0].cronbachAlpha, 42.3 / 43.4, 1e-12);
    // z's missing cells in cases 2 and 5 take the mean of its others, 7, as in the engine.
    EXPECT_NEAR(*model_.constructs[1].cronbachAlpha, 53.0 / 60.0, 1e-12);
    EXPECT_FALSE(model_.constructs[2].cronbachAlpha);  // w alone
}

TEST_F(TableCommandsTest, FactorScoresHoldTheRawValuesAndTheScoreOfEveryConstruct) {
    ASSERT_TRUE(commands().factorScores());
    EXPECT_EQ(written("study_fs.csv"), golden("small_fs.csv"));
    EXPECT_EQ(table_.cell(1, 1), "1");
    EXPECT_EQ(table_.cell(10, 0), "C");
}

TEST_F(TableCommandsTest, FactorStructureFileAndReportSection) {
    ASSERT_TRUE(commands().factorStructure());
    EXPECT_EQ(written("study_efa.csv"), golden("small_efa.csv"));
    EXPECT_EQ(opened(), (folder_ / "study_efa.csv").string());
    user_.clear();
    ASSERT_TRUE(commands().factorStructureReport());
    EXPECT_EQ(written("efa.html"), golden("small_efa.html"));
    EXPECT_EQ(opened(), "");
    EXPECT_EQ(table_.cell(2, 1), "2");  // the grid holds the raw values again
}

TEST_F(TableCommandsTest, ProductTermsComeBeforeTheScoresAndKeepTheirProducts) {
    Indicator product{.caption = "x1y1", .interaction = true, .predictor = 0, .moderator = 3};
    ASSERT_TRUE(model_.addProductIndicator(product));
    ASSERT_TRUE(model_.assignIndicator(7, 1));
    model_.indicators[7].loading = 0.25f;
    ASSERT_EQ(ComputeProductColumns(model_, table_), "");
    ASSERT_TRUE(commands().factorScores());
    EXPECT_EQ(written("study_fs.csv").substr(0, 30), ",x1,x2,x3,y1,y2,z,w,x1y1,A,B,C");
    ASSERT_TRUE(commands().loadingsTable());
    // x1 * y1 over the cases: 2, 6, 9, 20, 30.
    EXPECT_NE(written("study_cfa.csv").find("\n,x1y1,13.400000,11.436783,0.250000,"),
              std::string::npos);
}

TEST_F(TableCommandsTest, WithoutAnEstimateTheUserDecides) {
    model_.estimated = false;
    user_.answer(false);
    EXPECT_FALSE(commands().reliabilityTable());
    ASSERT_EQ(user_.events().size(), 1u);
    EXPECT_EQ(user_.events()[0].kind, ScriptedPorts::Kind::AskOkCancel);
    EXPECT_EQ(user_.events()[0].message.text, "Estimate anyway?");
    EXPECT_EQ(user_.events()[0].message.caption, "Invalid Model");
    EXPECT_FALSE(fs::exists(folder_ / "study_ave.csv"));
    user_.answer(true);
    EXPECT_TRUE(commands().reliabilityTable());
    EXPECT_TRUE(fs::exists(folder_ / "study_ave.csv"));
}

TEST_F(TableCommandsTest, AFileThatCannotBeCreatedIsToldAndTheCommandEnds) {
    files_.project = (folder_ / "gone" / "study.qvt").string();
    for (bool (TableCommands::*command)() :
         {&TableCommands::loadingsTable, &TableCommands::correlationTable,
          &TableCommands::reliabilityTable, &TableCommands::factorScores,
          &TableCommands::factorStructure}) {
        user_.clear();
        EXPECT_FALSE((commands().*command)());
        ASSERT_EQ(user_.messages().size(), 1u);
        EXPECT_EQ(user_.messages()[0].key, "MSG_OpenError");
        EXPECT_TRUE(user_.messages()[0].text.starts_with("cannot write " + (folder_ / "gone" / "study_").string()))
            << user_.messages()[0].text;
        EXPECT_NE(user_.messages()[0].text.find(": No such file or directory"), std::string::npos);
        EXPECT_EQ(opened(), "");
    }
    EXPECT_TRUE(model_.estimated);
    EXPECT_FLOAT_EQ(model_.indicators[0].loading, 0.9f);
}

TEST_F(TableCommandsTest, AListingThatCannotBeReadIsToldAndNothingIsWritten) {
    for (const fs::path& listing : {folder_ / "absent.out", folder_.path()}) {
        files_.result = listing.string();
        user_.clear();
        EXPECT_FALSE(commands().correlationTable());
        ASSERT_EQ(user_.messages().size(), 1u);
        EXPECT_EQ(user_.messages()[0].text.substr(0, 7), "ERROR!:");
        EXPECT_FALSE(fs::exists(folder_ / "study_cor.csv"));
    }
}

TEST_F(TableCommandsTest, ADataFileThatIsGoneLeavesTheGridAsItWas) {
    const std::string raw = table_.raw;
    table_.raw = (folder_ / "moved.txt").string();
    user_.answer(false);  // do not locate it
    EXPECT_FALSE(commands().loadingsTable());
    EXPECT_EQ(table_.caseCount(), 5);
    EXPECT_EQ(table_.cell(7, 5), "5");
    EXPECT_FALSE(fs::exists(folder_ / "study_cfa.csv"));
}

TEST_F(TableCommandsTest, ACellThatIsNotANumberIsToldAndNothingIsWritten) {
    fs::path data = folder_.write("bad.txt", "x1 x2 x3 y1 y2 z w\n1 2 3 2 1 5 3\n2 2 4 3 2 x 1\n");
    table_.raw = data.string();
    EXPECT_FALSE(commands().loadingsTable());
    ASSERT_FALSE(user_.messages().empty());
    EXPECT_NE(user_.messages().back().text.find("'x'"), std::string::npos);
    EXPECT_FALSE(fs::exists(folder_ / "study_cfa.csv"));
}

// Captions reach a spreadsheet as text: a comma stays inside its field and a formula is
// never run; the numbers beside them stay numbers.
TEST_F(TableCommandsTest, CaptionsStayOneFieldAndNeverRunAsFormulas) {
    model_.constructs[0].caption = "=HYPERLINK(\"http://x\")";
    model_.constructs[1].caption = "Price, fair";
    model_.indicators[0].caption = "@x1";
    const std::string a = "\"'=HYPERLINK(\"\"http://x\"\")\"";
    ASSERT_TRUE(commands().loadingsTable());
    EXPECT_NE(written("study_cfa.csv").find("\n" + a + "\n,'@x1,3.000000,1.581139,"), std::string::npos)
        << written("study_cfa.csv");
    EXPECT_NE(written("study_cfa.csv").find("\n\"Price, fair\"\n"), std::string::npos);
    ASSERT_TRUE(commands().reliabilityTable());
    EXPECT_NE(written("study_ave.csv").find("\n" + a + ","), std::string::npos);
    ASSERT_TRUE(commands().factorStructure());
    EXPECT_NE(written("study_efa.csv").find("," + a + ",\"Price, fair\",C\n'@x1,"), std::string::npos)
        << written("study_efa.csv");
    ASSERT_TRUE(commands().factorScores());
    EXPECT_NE(written("study_fs.csv").find(",w," + a + ",\"Price, fair\",C\n"), std::string::npos)
        << written("study_fs.csv");
    EXPECT_NE(written("study_fs.csv").find("\n1,1,2,3,2,1,5,3,-1.1571310778874,"), std::string::npos);
}

}  // namespace
}  // namespace qv
