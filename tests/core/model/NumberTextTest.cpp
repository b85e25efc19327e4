#include "core/model/NumberText.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

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

// Short decimals take a quicker way than longer numbers; both must give the very double the
// standard conversion gives, sign of zero included.
TEST(NumberText, PlainNumbersReadBitForBitAsTheStandardConversion) {
    std::mt19937_64 random(20261208);
    const auto sameAsStandard = [](const std::string& text) {
        double expected = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), expected);
        const bool valid = error == std::errc() && end == text.data() + text.size() && std::isfinite(expected);
        const auto read = parsePlainNumber(text);
        if (!valid) return !read.has_value();
        return read.has_value() && std::bit_cast<uint64_t>(*read) == std::bit_cast<uint64_t>(expected);
    };
    for (int round = 0; round < 200000; ++round) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const size_t length = 1 + random() % 18;
        const size_t point = random() % (length + 2);
        for (size_t at = 0; at < length; ++at) {
            if (at == point) text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        ASSERT_TRUE(sameAsStandard(text)) << text;
    }
    for (const char* text : {"0", "-0", "-0.0", "1.", ".5", "-.5", "0.1", "0.3", "9007199254740993", "999999999999999",
                             "0.000000000000001", "123456789012345.6", "-", ".", "-.", "1..2", "1.2.3", "", "+1"})
        EXPECT_TRUE(sameAsStandard(text)) << text;
}

}  // namespace
}  // namespace qv
