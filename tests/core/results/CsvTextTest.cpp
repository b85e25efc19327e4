#include "core/results/CsvText.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(CsvText, QuotesWhatWouldSplitAFieldAndNeutralisesFormulas) {
    EXPECT_EQ(CsvText("IMAG"), "IMAG");
    EXPECT_EQ(CsvText("Price, fair"), "\"Price, fair\"");
    EXPECT_EQ(CsvText("say \"hi\""), "\"say \"\"hi\"\"\"");
    EXPECT_EQ(CsvText("two\nlines"), "\"two\nlines\"");
    EXPECT_EQ(CsvText("=1+1"), "'=1+1");
    EXPECT_EQ(CsvText("  +cmd"), "'  +cmd");
    EXPECT_EQ(CsvText("@SUM(A1)"), "'@SUM(A1)");
    EXPECT_EQ(CsvText("-x"), "'-x");
    EXPECT_EQ(CsvText("\tx"), "'\tx");
    EXPECT_EQ(CsvText("=A1,B1"), "\"'=A1,B1\"");
    EXPECT_EQ(SeparatedText("a,b", '\t'), "a,b");
    EXPECT_EQ(SeparatedText("a,b", ','), "\"a,b\"");
}

TEST(CsvText, NumbersStayNumbers) {
    for (const char* number : {"-1.5", "+2", "-0.000000", "  -3.25", "1e-5", "-7 "})
        EXPECT_EQ(CsvText(number), number);
}

}  // namespace
}  // namespace qv
