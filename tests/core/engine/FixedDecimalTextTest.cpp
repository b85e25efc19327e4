#include "core/engine/FixedDecimalText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace qv {
namespace {

std::string library(double value, int decimals) {
    char text[kFixedTextRoom];
    const auto end = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return std::string(text, end.ptr);
}

std::string written(double value, int decimals) {
    char text[kFixedTextRoom];
    return std::string(text, WriteFixedDecimal(value, decimals, text));
}

// Card values must be the library's text to the byte, whichever way they are formed.
TEST(FixedDecimalText, WritesWhatTheLibraryWrites) {
    std::mt19937_64 generator(11);
    std::uniform_real_distribution<double> magnitude(-8.0, 16.0);
    for (int i = 0; i < 100000; ++i) {
        const int decimals = i % 7;
        double value = std::pow(10.0, magnitude(generator)) * (i % 2 ? -1 : 1);
        // Most data are whole units of their last decimal; the rest take the general path.
        if (i % 3 != 0) value = std::round(value * std::pow(10.0, decimals)) / std::pow(10.0, decimals);
        ASSERT_EQ(written(value, decimals), library(value, decimals)) << value << " " << decimals;
    }
    for (const double value : {0.0, -0.0, 0.5, -0.5, 1e15, 999999999999999.0, 0.125, 2.675, -1e-7,
                               std::numeric_limits<double>::max(), std::numeric_limits<double>::denorm_min()})
        for (int decimals : {0, 2, 6, 15}) EXPECT_EQ(written(value, decimals), library(value, decimals)) << value;
}

TEST(FixedDecimalText, ReadsBackOnlyWithEnoughDecimals) {
    EXPECT_TRUE(ReadsBackWithDecimals(4.5, 1));
    EXPECT_FALSE(ReadsBackWithDecimals(4.5, 0));
    EXPECT_TRUE(ReadsBackWithDecimals(0.126, 3));
    EXPECT_FALSE(ReadsBackWithDecimals(0.126, 2));
    EXPECT_FALSE(ReadsBackWithDecimals(1.0 / 3.0, 6));
    EXPECT_TRUE(ReadsBackWithDecimals(-1234567.25, 2));
    EXPECT_TRUE(ReadsBackWithDecimals(1e300, 0));
}

}  // namespace
}  // namespace qv
