#include "core/engine/AppendFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "core/model/NumberText.h"
#include "core/rawdata/CellText.h"

namespace qv {
namespace {

std::string printfText(const char* format, double value) {
    char text[512];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

bool negativeZeroText(const std::string& text) {
    return text.find('-') != std::string::npos &&
           text.substr(0, text.find_first_of("eE")).find_first_of("123456789") == std::string::npos;
}

// The layouts of the control file, the listing, the tables and the reports.
TEST(AppendFormat, NumbersMatchPrintfInTheCLocale) {
    const double inf = std::numeric_limits<double>::infinity();
    for (const char* format : {"%f", "%5.3f", "%8.2f", "%12.6f", "%-6.4f|", "%10.3f", "%.0f", "%8.4f",
                               "%.15g", "%.6g", "%g", "%e", "%.1e", "%E", "%+f", "% f", "%08.3f",
                               "%-9.2f|", "%F"})
        for (double value : {0.0, 1.0, 0.5, -2.25, 5.795, 0.125, 2.5, 1234567.891, 1e-7, -3.5e-5,
                             1e20, 1e300, -1e-300, 123.456e10, std::nan(""), inf, -inf}) {
            const std::string expected = printfText(format, value);
            if (negativeZeroText(expected)) continue;  // told apart below
            EXPECT_EQ(Formatted(format, value), expected) << format << " " << value;
        }
}

TEST(AppendFormat, IntegersTextsAndPercentMatchPrintf) {
    char text[128];
    std::snprintf(text, sizeof text, "%d|%4d|%-7d|%02d|%+d|%x|%X|%5.3d|%ld|%zu|%lld", -42, 7, 12, 3,
                  5, 255, 255, 9, -70000L, size_t{12345}, -1234567890123LL);
    EXPECT_EQ(Formatted("%d|%4d|%-7d|%02d|%+d|%x|%X|%5.3d|%ld|%zu|%lld", -42, 7, 12, 3, 5, 255, 255,
                        9, -70000L, size_t{12345}, -1234567890123LL),
              text);
    std::snprintf(text, sizeof text, "%s|%-12s|%8s|%.3s|%c|%%|%*d|%-*s|%.*f", "ab", "left", "right",
                  "cutting", 'Q', 6, 1, 5, "x", 2, 3.14159);
    EXPECT_EQ(Formatted("%s|%-12s|%8s|%.3s|%c|%%|%*d|%-*s|%.*f", "ab", "left", "right", "cutting",
                        'Q', 6, 1, 5, "x", 2, 3.14159),
              text);
    std::string out = "kept ";
    AppendFormat(out, "%s=%d", "n", 3);
    EXPECT_EQ(out, "kept n=3");
    EXPECT_EQ(Formatted("%s", std::string(300, 'x').c_str()).size(), 300u);
}

// printf would write "-0.000000": a figure that shows only zeros is zero.
TEST(AppendFormat, AFigureThatRoundsToZeroHasNoMinusSign) {
    EXPECT_EQ(Formatted("%f", -0.0), "0.000000");
    EXPECT_EQ(Formatted("%f", -1e-7), "0.000000");
    EXPECT_EQ(Formatted("%5.3f|%.2f", -0.0004, -0.004), "0.000|0.00");
    EXPECT_EQ(Formatted("%8.4f", -0.00004), "  0.0000");
    EXPECT_EQ(Formatted("%e", -0.0), "0.000000e+00");
    EXPECT_EQ(Formatted("%f", -0.0000006), "-0.000001");
    EXPECT_EQ(Formatted("%.1e", -1e-300), "-1.0e-300");
}

// The GUI's toolkit sets the user's locale for the whole process; a comma-decimal locale must
// change none of the number texts written to files, nor the reading of them.
TEST(AppendFormat, ACommaDecimalLocaleChangesNoNumberText) {
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) GTEST_SKIP() << "the locale de_DE.UTF-8 is not installed";
    char probe[16];
    std::snprintf(probe, sizeof probe, "%.1f", 0.5);
    const std::string localeText = probe;
    const std::string formatted = Formatted("%f|%8.2f|%.6g|%e", 0.5, 7.0, 1.25, 1500.0);
    const std::string cell = numberCellText(-2.75);
    const auto parsed = parseNumber("5.795");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(localeText, "0,5");  // the locale is in force
    EXPECT_EQ(formatted, "0.500000|    7.00|1.25|1.500000e+03");
    EXPECT_EQ(cell, "-2.75");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(*parsed, 5.795);
}

}  // namespace
}  // namespace qv
