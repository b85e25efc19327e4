#include <gtest/gtest.h>

#include "core/editing/ConstructProductTerms.h"
#include "core/editing/IndicatorProductTerms.h"
#include "tests/core/editing/DialogSession.h"

namespace qv {
namespace {

// x1..x3 measure X, z1 and z2 measure Z, u is unassigned, S is second-order.
struct Generation : ::testing::Test {
    test::DialogSession session;
    int x = 0, z = 0, s = 0;

    void SetUp() override {
        session.model->rebuildIndicators({"x1", "x2", "u", "x3", "z1", "z2"});
        x = session.addConstruct("X", {0, 1, 3});
        z = session.addConstruct("Z", {4, 5});
        s = session.addConstruct("S", {}, 2);
        session.model->modified = false;
    }
    const Indicator& indicator(int i) const { return session.model->indicators[i]; }
};

TEST_F(Generation, ConstructLevelPairsEveryIndicatorWithThePredictorSlowest) {
    ConstructProductTerms dialog(session.context());
    EXPECT_EQ(dialog.constructChoices(), (std::vector<std::string>{"X", "Z", "S"}));
    EXPECT_EQ(dialog.generateCaption(), "Generate");
    dialog.predictor = x;
    dialog.moderator = z;
    dialog.predictorAlias = "XX";
    dialog.moderatorAlias = "ZZ";
    ASSERT_TRUE(dialog.generate());
    EXPECT_EQ(dialog.previewLines(),
              (std::vector<std::string>{"XX1ZZ1 - x1*z1", "XX1ZZ2 - x1*z2", "XX2ZZ1 - x2*z1",
                                        "XX2ZZ2 - x2*z2", "XX3ZZ1 - x3*z1", "XX3ZZ2 - x3*z2"}));
    EXPECT_EQ(dialog.status(), "6 product term(s) generated");
    EXPECT_EQ(dialog.generateCaption(), "Generate Again");
    EXPECT_TRUE(dialog.flags.standardized && dialog.flags.meanCentered);
    EXPECT_EQ(session.model->nIndicator, 6) << "nothing joins the model before OK";

    dialog.flags.standardized = false;  // unchecked after Generate: honoured at OK
    ASSERT_TRUE(dialog.ok());
    ASSERT_EQ(session.model->nIndicator, 12);
    EXPECT_EQ(session.model->nProduct, 6);
    EXPECT_TRUE(session.model->modified);
    const int factors[6][2] = {{0, 4}, {0, 5}, {1, 4}, {1, 5}, {3, 4}, {3, 5}};
    for (int k = 0; k < 6; ++k) {
        const Indicator& term = indicator(6 + k);
        EXPECT_EQ(term.caption, dialog.previewLines()[k].substr(0, 6));
        EXPECT_EQ(term.predictor, factors[k][0]);
        EXPECT_EQ(term.moderator, factors[k][1]);
        EXPECT_TRUE(term.interaction);
        EXPECT_EQ(term.construct, -1);
        EXPECT_FALSE(term.standardized);
        EXPECT_TRUE(term.meanCentered);
    }
}

TEST_F(Generation, ConstructLevelRefusesInItsOrderAndCreatesNothing) {
    ConstructProductTerms dialog(session.context());
    const auto refusal = [&dialog, this]() {
        const GenerateResult result = dialog.generate();
        EXPECT_FALSE(result);
        EXPECT_TRUE(dialog.previewLines().empty());
        return std::make_pair(session.user.messages().back().key, result.focus);
    };
    using Refusal = std::pair<std::string, AliasField>;
    EXPECT_EQ(refusal(), Refusal("MSG_PredictorNotSelected", AliasField::None));
    dialog.predictor = x;
    EXPECT_EQ(refusal(), Refusal("MSG_ModeratorNotSelected", AliasField::None));
    dialog.moderator = x;
    EXPECT_EQ(refusal(), Refusal("MSG_SameVariable", AliasField::None));
    dialog.moderator = s;
    EXPECT_EQ(refusal(), Refusal("", AliasField::None));
    EXPECT_EQ(session.lastMessage(), "2nd order construct is not supported in the current version.");
    dialog.moderator = z;
    dialog.predictorAlias = "XXX";
    dialog.moderatorAlias = "Z";
    EXPECT_EQ(refusal(), Refusal("MSG_AliasSize2", AliasField::Predictor));
    EXPECT_EQ(session.lastMessage(), "The alias must have exactly 2 characters.");
    dialog.predictorAlias = "XX";
    EXPECT_EQ(refusal(), Refusal("MSG_AliasSize2", AliasField::Moderator));
    dialog.moderator = 7;  // a construct deleted while the dialog stayed open
    EXPECT_EQ(refusal(), Refusal("MSG_ModeratorNotSelected", AliasField::None));
    EXPECT_EQ(session.model->nIndicator, 6);
    EXPECT_FALSE(session.model->modified);
}

TEST_F(Generation, ConstructLevelOkWithoutPreviewOrAfterRemoveAllOnlyCloses) {
    ConstructProductTerms dialog(session.context());
    EXPECT_TRUE(dialog.ok());
    dialog.predictor = x;
    dialog.moderator = z;
    dialog.predictorAlias = dialog.moderatorAlias = "AB";
    ASSERT_TRUE(dialog.generate());
    dialog.removeAll();
    EXPECT_EQ(dialog.status(), "Remove All Product Indicators");
    EXPECT_TRUE(dialog.ok());
    EXPECT_EQ(session.model->nProduct, 0);
    ASSERT_TRUE(dialog.generate());
    dialog.show();
    EXPECT_EQ(dialog.predictor, -1);
    EXPECT_TRUE(dialog.previewLines().empty() && dialog.status().empty());
    EXPECT_FALSE(dialog.flags.standardized || dialog.flags.meanCentered);
    EXPECT_EQ(dialog.generateCaption(), "Generate");
}

TEST_F(Generation, IndicatorLevelCollectsPendingTermsAndCreatesThemInOrder) {
    IndicatorProductTerms dialog(session.context());
    EXPECT_EQ(dialog.indicatorChoices().size(), 6u);
    dialog.predictorAlias = "aaa";
    dialog.moderatorAlias = "bbb";
    const int pairs[3][2] = {{2, 4}, {0, 5}, {1, 3}};
    for (const auto& pair : pairs) {
        dialog.predictor = pair[0];
        dialog.moderator = pair[1];
        ASSERT_TRUE(dialog.generate());
    }
    EXPECT_EQ(dialog.previewLines(),
              (std::vector<std::string>{"aaabbb - u*z1", "aaabbb - x1*z2", "aaabbb - x2*x3"}));
    EXPECT_EQ(dialog.status(), "3 product term(s) generated");
    dialog.removePending(-1);
    dialog.removePending(1);
    EXPECT_EQ(dialog.status(), "Product term removed");
    ASSERT_EQ(dialog.pending().size(), 2u);
    EXPECT_EQ(dialog.pending()[1].predictor, 1);
    ASSERT_TRUE(dialog.ok());
    ASSERT_EQ(session.model->nProduct, 2);
    EXPECT_EQ(indicator(6).caption, "aaabbb");
    EXPECT_EQ(indicator(6).predictor, 2);
    EXPECT_EQ(indicator(7).moderator, 3);
    EXPECT_TRUE(indicator(7).standardized && indicator(7).meanCentered);
    // Equal names are allowed, and a product indicator can be a factor itself.
    dialog.show();
    EXPECT_EQ(dialog.indicatorChoices().back(), "aaabbb");
    dialog.predictor = 7;
    dialog.moderator = 0;
    dialog.predictorAlias = "äöü";  // three characters, six bytes
    dialog.moderatorAlias = "x1_";
    ASSERT_TRUE(dialog.generate());
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(indicator(8).predictor, 7);
}

TEST_F(Generation, IndicatorLevelRefusesInItsOrder) {
    IndicatorProductTerms dialog(session.context());
    EXPECT_FALSE(dialog.generate());
    dialog.predictor = 0;
    EXPECT_FALSE(dialog.generate());
    dialog.moderator = 0;
    EXPECT_FALSE(dialog.generate());
    dialog.moderator = 1;
    dialog.predictorAlias = "abc";
    dialog.moderatorAlias = "ab";
    EXPECT_EQ(dialog.generate().focus, AliasField::Moderator);
    EXPECT_EQ(session.user.messageKeys(),
              (std::vector<std::string>{"MSG_PredictorNotSelected", "MSG_ModeratorNotSelected",
                                        "MSG_SameVariable", "MSG_AliasSize3"}));
    EXPECT_TRUE(dialog.pending().empty());
    EXPECT_TRUE(dialog.ok());
    EXPECT_EQ(session.model->nProduct, 0);
}

TEST_F(Generation, IndicatorLevelHoldsAHundredPendingTerms) {
    IndicatorProductTerms dialog(session.context());
    dialog.predictor = 0;
    dialog.moderator = 4;
    dialog.predictorAlias = dialog.moderatorAlias = "abc";
    for (int k = 0; k < IndicatorProductTerms::kMaxPending; ++k) ASSERT_TRUE(dialog.generate());
    EXPECT_FALSE(dialog.generate());
    EXPECT_EQ(session.lastMessage(), "The number of product terms generated at once is limited to 100");
    EXPECT_EQ(dialog.pending().size(), 100u);
    ASSERT_TRUE(dialog.ok());
    EXPECT_EQ(session.model->nIndicator, 106);
}

// A model of 1,200 indicators leaves room for 88 product indicators.
TEST(GenerationLimits, NoGenerationGoesBeyondTheIndicatorTable) {
    test::DialogSession session;
    std::vector<std::string> names;
    for (int i = 0; i < 1200; ++i) names.push_back("v" + std::to_string(i));
    session.model->rebuildIndicators(names);
    std::vector<int> first(10), second(9);
    for (int i = 0; i < 10; ++i) first[i] = i;
    for (int i = 0; i < 9; ++i) second[i] = 10 + i;
    const int a = session.addConstruct("A", first);
    const int b = session.addConstruct("B", second);
    ConstructProductTerms constructs(session.context());
    constructs.predictor = a;
    constructs.moderator = b;
    constructs.predictorAlias = constructs.moderatorAlias = "ab";
    EXPECT_FALSE(constructs.generate()) << "10 x 9 = 90 do not fit";
    EXPECT_EQ(session.lastMessage(), "The number of indicators is limited to 1288");
    session.model->assignIndicator(9, -1);
    session.model->assignIndicator(18, a);  // 10 x 8 = 80
    ASSERT_TRUE(constructs.generate());
    ASSERT_TRUE(constructs.ok());
    EXPECT_EQ(session.model->nIndicator, 1280);

    IndicatorProductTerms pairs(session.context());
    pairs.predictor = 0;
    pairs.moderator = 1;
    pairs.predictorAlias = pairs.moderatorAlias = "abc";
    for (int k = 0; k < 8; ++k) ASSERT_TRUE(pairs.generate());
    EXPECT_FALSE(pairs.generate());
    EXPECT_EQ(session.user.messageKeys().back(), "MSG_ExceedMAXIndicator");
    ASSERT_TRUE(pairs.ok());
    EXPECT_EQ(session.model->nIndicator, 1288);
    // A preview that no longer fits at OK is refused as a whole.
    EXPECT_FALSE(constructs.ok());
    EXPECT_EQ(session.model->nIndicator, 1288);
}

}  // namespace
}  // namespace qv
