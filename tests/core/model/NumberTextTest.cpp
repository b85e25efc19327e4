#include "core/model/NumberText.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(NumberText, IntegersAcceptBlanksAndSignOnly) {
    EXPECT_EQ(parseInteger("-1"), -1);
    EXPECT_EQ(parseInteger(" 100 "), 100);
    EXPECT_EQ(parseInteger("+7"), 7);
    EXPECT_FALSE(parseInteger(""));
    EXPECT_FALSE(parseInteger("1.5"));
    EXPECT_FALSE(parseInteger("12a"));
    EXPECT_FALSE(parseInteger("99999999999"));
    EXPECT_EQ(integerConversionError("x1"), "'x1' is not a valid integer value");
}

TEST(NumberText, NumbersRejectTrailingText) {
    EXPECT_DOUBLE_EQ(*parseNumber("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(*parseNumber(" -1e3"), -1000.0);
    EXPECT_FALSE(parseNumber("2.5x"));
    EXPECT_FALSE(parseNumber("  "));
    EXPECT_FALSE(parseNumber("nan"));
    EXPECT_FALSE(parseNumber("inf"));
    EXPECT_FALSE(parseNumber("1e999"));
    EXPECT_FALSE(parseNumber("2,5"));
    EXPECT_DOUBLE_EQ(*parseNumber("+.5"), 0.5);
}

}  // namespace
}  // namespace qv
