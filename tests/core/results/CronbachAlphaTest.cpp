#include "core/results/CronbachAlpha.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/LanguageTexts.h"
#include "core/ports/ScriptedPorts.h"
#include "core/rawdata/CaseFilter.h"
#include "core/rawdata/RawDataReader.h"

namespace qv {
namespace {

using Items = std::vector<std::vector<double>>;

TEST(CronbachAlpha, IdenticalItemsGiveOne) {
    const std::vector<double> item{1, 4, 2, 5, 3};
    EXPECT_NEAR(*CronbachAlphaOf(Items{item, item, item}), 1.0, 1e-15);
}

// Constant totals (equal variances, a perfect negative relation), a single item, no items
// or a single case leave alpha undefined.
TEST(CronbachAlpha, UndefinedAlphaIsNoNumber) {
    EXPECT_FALSE(CronbachAlphaOf(Items{{1, 2, 3, 4}, {4, 3, 2, 1}}));
    EXPECT_FALSE(CronbachAlphaOf(Items{}));
    EXPECT_FALSE(CronbachAlphaOf(Items{{1, 2, 3}}));
    EXPECT_FALSE(CronbachAlphaOf(Items{{1}, {2}}));
}

TEST(CronbachAlpha, TwoItemsByHand) {
    // Variances 2.5 and 0.5 (V = 3); the totals 3, 3, 6, 6, 7 have variance 3.5.
    EXPECT_NEAR(*CronbachAlphaOf(Items{{1, 2, 3, 4, 5}, {2, 1, 3, 2, 2}}), 2 * (3.5 - 3) / 3.5,
                1e-14);
}

// Columns a b c over five cases; a and b measure construct 0, c construct 1.
struct AlphaData {
    ProjectModel model;
    RawDataTable table;
    AlphaData() {
        const char* rows[6][4] = {{"", "a", "b", "c"}, {"1", "1", "1", "3"}, {"2", "2", "-9", "1"},
                                  {"3", "3", "2", "4"}, {"4", "4", "5", "1"}, {"5", "5", "3", "5"}};
        table.setFieldCount(3);
        for (int row = 0; row < 6; ++row)
            for (int column = 0; column < 4; ++column) table.setCell(column, row, rows[row][column]);
        model.nConstruct = 2;
        model.nIndicator = 3;
        model.indicators[0].construct = model.indicators[1].construct = 0;
        model.indicators[2].construct = 1;
    }
};

TEST(CronbachAlpha, AMissingCellTakesTheMeanOfItsIndicatorAsInTheEngine) {
    AlphaData data;
    const CronbachAlphas withCode = ComputeCronbachAlphas(data.model, data.table, 3, -9.0);
    ASSERT_EQ(withCode.error, "");
    ASSERT_EQ(withCode.alphas.size(), 2u);
    // Case 2 keeps its a; its b takes the mean of 1 2 5 3.
    EXPECT_NEAR(*withCode.alphas[0], *CronbachAlphaOf(Items{{1, 2, 3, 4, 5}, {1, 2.75, 2, 5, 3}}),
                1e-15);
    EXPECT_FALSE(withCode.alphas[1]);  // c alone
    const CronbachAlphas withoutCode = ComputeCronbachAlphas(data.model, data.table, 3, std::nullopt);
    EXPECT_NEAR(*withoutCode.alphas[0], *CronbachAlphaOf(Items{{1, 2, 3, 4, 5}, {1, -9, 2, 5, 3}}),
                1e-15);
}

// The corporate reputation data codes missing cells -99; loyalty's three indicators hold 10 of
// them. Case-wise deletion would give 0.8335319559 (336 cases).
TEST(CronbachAlpha, CorporateReputationLoyaltyWithMeanReplacement) {
    ScriptedPorts ports;
    LanguageTexts texts;
    CaseFilter filter;
    RawDataTable table;
    table.raw = std::string(QV_TEST_DATA_DIR) + "/lvpls/corprep.txt";
    ASSERT_TRUE(LoadRawData(table, filter, texts, ports, ports).ok);
    ProjectModel model;
    std::vector<std::string> names;
    for (int c = 1; c <= table.nFields(); ++c) names.push_back(table.cell(c, 0));
    model.rebuildIndicators(names);
    ASSERT_TRUE(model.addConstruct(0, 0));
    for (int i = 0; i < model.nIndicator; ++i) {
        if (model.indicators[i].caption.starts_with("cusl_")) {
            ASSERT_TRUE(model.assignIndicator(i, 0));
        }
    }
    ASSERT_EQ(model.constructs[0].nInd, 3);
    const CronbachAlphas alphas = ComputeCronbachAlphas(model, table, model.nIndicator, -99.0);
    ASSERT_EQ(alphas.error, "");
    EXPECT_NEAR(*alphas.alphas[0], 0.8315437117, 1e-9);
}

TEST(CronbachAlpha, ACellThatIsNotANumberIsReported) {
    AlphaData data;
    data.table.setCell(3, 4, "n/a");
    const CronbachAlphas alphas = ComputeCronbachAlphas(data.model, data.table, 3, std::nullopt);
    EXPECT_NE(alphas.error.find("n/a"), std::string::npos);
}

}  // namespace
}  // namespace qv
