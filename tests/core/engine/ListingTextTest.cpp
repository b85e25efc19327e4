#include "core/engine/ListingText.h"

#include <gtest/gtest.h>

#include "core/engine/EngineTestModels.h"
#include "core/engine/LatentCorrelations.h"
#include "core/engine/ListingRun.h"

namespace qv {
namespace {

TEST(ListingText, FindTextAndSkipLinesStayInsideTheText) {
    const std::string text = "ab\r\ncd\r\nab";
    EXPECT_EQ(FindText(text, 0, "ab"), 0);
    EXPECT_EQ(FindText(text, 1, "ab"), 8);
    EXPECT_EQ(FindText(text, kNotFound, "cd"), 4);  // a missing start searches from the beginning
    EXPECT_EQ(FindText(text, 9, "ab"), kNotFound);
    EXPECT_EQ(FindText(text, 99, "ab"), kNotFound);
    EXPECT_EQ(SkipLines(text, 1, 1), 4);  // the first skip finishes the current line
    EXPECT_EQ(SkipLines(text, 4, 2), 10);
    EXPECT_EQ(SkipLines(text, 0, 9), 10);
}

TEST(ListingText, FieldsReadLikePercentTenF) {
    const std::string row = "x1          0.512345 -1.25e+02     1234567890123\r\n  word";
    float value = 7;
    EXPECT_TRUE(ReadNumberField(row, 2, value));
    EXPECT_FLOAT_EQ(value, 0.512345f);
    EXPECT_TRUE(ReadNumberField(row, 20, value));
    EXPECT_FLOAT_EQ(value, -125.0f);
    EXPECT_TRUE(ReadNumberField(row, 30, value));  // at most 10 characters form the number
    EXPECT_FLOAT_EQ(value, 1234567890.0f);
    value = 7;
    EXPECT_FALSE(ReadNumberField(row, 0, value));    // no number
    EXPECT_FALSE(ReadNumberField(row, 48, value));   // blanks up to the line end
    EXPECT_FALSE(ReadNumberField(row, 999, value));  // past the end
    EXPECT_FALSE(ReadNumberField(row, kNotFound, value));
    EXPECT_EQ(value, 7);
    EXPECT_EQ(LineAt(row, 2, 8), "        ");
    EXPECT_EQ(LineAt(row, 30, 95), "     1234567890123");
}

TEST(ListingText, RunsEndAtTheNextProblemsTitle) {
    const std::string listing =
        "banner\r\nSubSample 0 \r\nA\r\nSubSample 1 \r\nB\r\nALLSample \r\nC\r\n";
    const RunText second = FindRunText(listing, "SubSample 1");
    EXPECT_EQ(second.title, 25);
    EXPECT_EQ(second.end, 42);
    const RunText last = FindRunText(listing, "ALLSample", second.end);
    EXPECT_EQ(last.end, static_cast<TextPos>(listing.size()));
    const RunText again = FindRunText(listing, "SubSample 0", last.end);  // found from the start
    EXPECT_EQ(again.title, 8);
    const RunText missing = FindRunText(listing, "SubSample 7");
    EXPECT_EQ(missing.title, kNotFound);
    EXPECT_EQ(missing.begin, 0);
    EXPECT_EQ(missing.end, 8);
}

TEST(LatentCorrelations, LowerTriangleIsReadAcrossPanels) {
    const std::string listing = testing::TestData("listing/thirteen_blocks.out");
    const auto matrix = ReadLatentCorrelations(listing, "ALLSample", 13);
    ASSERT_TRUE(matrix);
    for (int r = 0; r < 13; ++r) {
        EXPECT_DOUBLE_EQ(matrix->at(r, r), 1.0) << r;
        for (int c = 0; c < r; ++c) {
            const float printed = static_cast<float>(0.1 * (r + 1) / (c + 2));
            EXPECT_NEAR(matrix->at(r, c), printed, 1e-6) << r << "," << c;
            EXPECT_EQ(matrix->at(c, r), matrix->at(r, c));
        }
    }
    EXPECT_FALSE(ReadLatentCorrelations(testing::TestData("listing/first_stage_rejected.out"),
                                        "ALLSample", 3));
}

}  // namespace
}  // namespace qv
