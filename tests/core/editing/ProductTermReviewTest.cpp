#include <gtest/gtest.h>

#include "core/editing/IndicatorProductTerms.h"
#include "core/editing/ProductColumns.h"
#include "core/editing/ProductTermDeletion.h"
#include "core/editing/ProductTermReview.h"
#include "tests/core/editing/DialogSession.h"

namespace qv {
namespace {

// A (x1, x2), B (z1) and C (w1) with u unassigned; product terms behind them:
// 5 x1*z1 (A, B), 6 x2*w1 (A, C), 7 z1*w1 (B, C), 8 u*x1 (A through its moderator).
struct Review : ::testing::Test {
    test::DialogSession session;
    ProjectModel& model = *session.model;

    void SetUp() override {
        model.rebuildIndicators({"x1", "x2", "z1", "w1", "u"});
        session.addConstruct("A", {0, 1});
        session.addConstruct("B", {2});
        session.addConstruct("C", {3});
        session.addConstruct("AxB", {});
        addTerm("x1z1", 0, 2);
        addTerm("x2w1", 1, 3);
        addTerm("z1w1", 2, 3);
        addTerm("ux1", 4, 0);
        model.modified = false;
    }
    void addTerm(const std::string& caption, int predictor, int moderator) {
        Indicator term{.caption = caption};
        term.interaction = true;
        term.predictor = static_cast<short>(predictor);
        term.moderator = static_cast<short>(moderator);
        ASSERT_TRUE(model.addProductIndicator(term));
    }
    std::vector<std::string> captions() const {
        std::vector<std::string> names;
        for (int i = model.nIndicator - model.nProduct; i < model.nIndicator; ++i)
            names.push_back(model.indicators[i].caption);
        return names;
    }
};

TEST_F(Review, ListsEveryTermAndFiltersByEitherFactorsConstruct) {
    ProductTermReview dialog(session.context());
    EXPECT_EQ(dialog.lines(), (std::vector<std::string>{"x1z1   [ x1 x z1 ]", "x2w1   [ x2 x w1 ]",
                                                        "z1w1   [ z1 x w1 ]", "ux1   [ u x x1 ]"}));
    EXPECT_EQ(dialog.filterChoices(), (std::vector<std::string>{"All Product Terms", "A", "B", "C"}));
    EXPECT_EQ(dialog.countStatus(), "Product terms: 4");
    dialog.chooseFilter(2);  // B
    EXPECT_EQ(dialog.lines(), (std::vector<std::string>{"x1z1   [ x1 x z1 ]", "z1w1   [ z1 x w1 ]"}));
    EXPECT_EQ(dialog.countStatus(), " Product terms: 2");
    EXPECT_EQ(dialog.indicatorOfLine(1), 7);
    dialog.chooseFilter(1);  // A: x1z1 through its predictor, ux1 through its moderator
    EXPECT_EQ(dialog.lines().size(), 3u);
    EXPECT_EQ(dialog.indicatorOfLine(2), 8);
    dialog.chooseFilter(0);
    EXPECT_EQ(dialog.lines().size(), 4u);
}

TEST_F(Review, FlagsFollowTheFocusedLineAndChangeEverySelectedTerm) {
    model.indicators[6].standardized = true;
    ProductTermReview dialog(session.context());
    dialog.clickLine({1}, 1);
    EXPECT_TRUE(dialog.standardized());
    EXPECT_FALSE(dialog.meanCentered());
    EXPECT_FALSE(model.modified) << "showing the flags changes nothing";
    dialog.clickLine({0, 2, 3}, 3);
    EXPECT_EQ(dialog.selectionStatus(), "3 item(s) selected");
    dialog.setMeanCentered(true);
    dialog.setStandardized(true);
    for (const int i : {5, 7, 8}) EXPECT_TRUE(model.indicators[i].meanCentered && model.indicators[i].standardized);
    EXPECT_FALSE(model.indicators[6].meanCentered);
    EXPECT_TRUE(model.modified);
    dialog.selectAll();
    EXPECT_EQ(dialog.selectionStatus(), "4 item(s) deleted");
    dialog.setStandardized(false);
    for (int i = 5; i < 9; ++i) EXPECT_FALSE(model.indicators[i].standardized);
}

TEST_F(Review, DeletingMovesLaterTermsDownWithTheirFactors) {
    model.assignIndicator(5, 3);
    model.assignIndicator(7, 3);
    addTerm("pw1", 7, 3);  // 9: a product of the product term z1w1
    ProductTermReview dialog(session.context());
    dialog.chooseFilter(3);  // C: x2w1, z1w1, pw1
    dialog.clickLine({0}, 0);
    session.user.answer(true);
    dialog.deleteSelected();
    const ScriptedPorts::Event& question = session.user.events().back();
    EXPECT_EQ(question.kind, ScriptedPorts::Kind::AskOkCancel);
    EXPECT_EQ(question.message.text, "1 product terms will be deleted. Go on?");
    EXPECT_EQ(question.message.caption, "Confirm Deletion");
    EXPECT_EQ(captions(), (std::vector<std::string>{"x1z1", "z1w1", "ux1", "pw1"}));
    EXPECT_EQ(model.nIndicator, 9);
    EXPECT_EQ(model.nProduct, 4);
    EXPECT_EQ(model.indicators[8].predictor, 6) << "pw1 still multiplies z1w1";
    EXPECT_EQ(model.indicators[6].moderator, 3);
    EXPECT_EQ(model.indicators[6].construct, 3);
    EXPECT_EQ(model.constructs[3].nInd, 2);
    // The filtered list is rebuilt, so each remaining line still shows its own term.
    EXPECT_EQ(dialog.lines(), (std::vector<std::string>{"z1w1   [ z1 x w1 ]", "pw1   [ z1w1 x w1 ]"}));
    EXPECT_EQ(dialog.indicatorOfLine(1), 8);
    EXPECT_EQ(dialog.countStatus(), "Product terms 2");
    EXPECT_TRUE(model.modified);
    ProductTermReview reopened(session.context());
    EXPECT_EQ(reopened.lines()[3], "pw1   [ z1w1 x w1 ]");
}

TEST_F(Review, ATermAnotherTermMultipliesIsKeptUnlessBothGo) {
    addTerm("pu", 6, 4);  // 9 multiplies x2w1
    ProductTermReview dialog(session.context());
    dialog.clickLine({0, 1}, 1);
    session.user.answer(true);
    dialog.deleteSelected();
    EXPECT_EQ(session.lastMessage(), "Another product term multiplies these product terms, so they were kept: x2w1");
    EXPECT_EQ(captions(), (std::vector<std::string>{"x2w1", "z1w1", "ux1", "pu"}));
    EXPECT_EQ(model.indicators[8].predictor, 5);
    dialog.clickLine({0, 3}, 0);
    session.user.answer(true);
    dialog.deleteSelected();
    EXPECT_EQ(captions(), (std::vector<std::string>{"z1w1", "ux1"}));
    EXPECT_EQ(DeleteProductIndicator(model, 2).messageKey, "") << "a raw indicator is no product term";
    EXPECT_FALSE(DeleteProductIndicator(model, 2));
}

TEST_F(Review, NothingIsDeletedWithoutSelectionOrAfterCancel) {
    ProductTermReview dialog(session.context());
    dialog.deleteSelected();
    EXPECT_TRUE(session.user.events().empty()) << "no question without a selection";
    EXPECT_EQ(dialog.countStatus(), "Product terms 4");
    EXPECT_TRUE(model.modified);
    dialog.selectAll();
    session.user.answer(false);
    dialog.deleteSelected();
    EXPECT_EQ(model.nProduct, 4);
    session.user.answer(true);
    dialog.selectAll();
    dialog.deleteSelected();
    EXPECT_EQ(model.nProduct, 0);
    EXPECT_EQ(model.nIndicator, 5);
    EXPECT_TRUE(dialog.lines().empty());
    EXPECT_EQ(dialog.countStatus(), "Product terms 0");
}

// Renumbered factors keep every product column on the data it multiplied before.
TEST_F(Review, DeletionLeavesLaterProductColumnsUnchanged) {
    addTerm("pp", 7, 5);  // 9: z1w1 * x1z1
    for (int i = 5; i < 10; ++i) model.assignIndicator(i, 3);
    RawDataTable table;
    table.setFieldCount(5);
    const char* rows[3][5] = {{"1", "2", "3", "4", "5"}, {"2", "0", "1", "7", "3"}, {"5", "5", "2", "1", "1"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 5; ++c) table.setCell(c + 1, r + 1, rows[r][c]);
    ASSERT_EQ(ComputeProductColumns(model, table), "");
    const std::vector<std::string> before{table.cell(10, 1), table.cell(10, 2), table.cell(10, 3)};
    EXPECT_EQ(before[0], "36");  // z1w1 = 3 * 4 times x1z1 = 1 * 3
    ASSERT_TRUE(DeleteProductIndicator(model, 6));
    ASSERT_EQ(ComputeProductColumns(model, table), "");
    EXPECT_EQ(model.indicators[8].caption, "pp");
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(table.cell(9, r), before[r - 1]);
}

// The indicator dialog stays open beside the review: a factor moved meanwhile is not used.
TEST_F(Review, PendingTermsWhoseFactorMovedAreGeneratedAgain) {
    IndicatorProductTerms pairs(session.context());
    pairs.predictor = 7;  // z1w1
    pairs.moderator = 0;
    pairs.predictorAlias = pairs.moderatorAlias = "abc";
    ASSERT_TRUE(pairs.generate());
    ASSERT_TRUE(DeleteProductIndicator(model, 5));
    EXPECT_FALSE(pairs.ok());
    EXPECT_EQ(session.user.messageKeys().back(), "MSG_ProductTermChanged");
    EXPECT_TRUE(pairs.pending().empty());
    EXPECT_EQ(model.nProduct, 3);
}

}  // namespace
}  // namespace qv
