#include "core/rawdata/ColumnStatistics.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qv {
namespace {

// Column 1 titled "x" with the given case texts; column 0 holds the case numbers.
RawDataTable columnOf(const std::vector<std::string>& cells) {
    RawDataTable table;
    table.setFieldCount(1);
    table.setCell(1, 0, "x");
    for (size_t i = 0; i < cells.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        table.setCell(0, row, std::to_string(row));
        table.setCell(1, row, cells[i]);
    }
    return table;
}

TEST(ColumnStatistics, MeanAndSampleDeviationOverTheCases) {
    const ColumnNumbers numbers =
        columnNumbers(columnOf({"2", "4", "4", "4", "5", "5", "7", "9"}), 1);
    ASSERT_EQ(numbers.error, "");
    ASSERT_EQ(numbers.values.size(), 8u);  // the header "x" is not a case
    const ColumnStatistics statistics = statisticsOf(numbers.values);
    EXPECT_DOUBLE_EQ(statistics.mean, 5.0);
    EXPECT_DOUBLE_EQ(statistics.standardDeviation, std::sqrt(32.0 / 7.0));  // divisor n - 1
}

TEST(ColumnStatistics, LargeOffsetKeepsTheDeviationExact) {
    const ColumnNumbers numbers =
        columnNumbers(columnOf({"1000000001", "1000000002", "1000000003"}), 1);
    EXPECT_DOUBLE_EQ(statisticsOf(numbers.values).standardDeviation, 1.0);
}

TEST(ColumnStatistics, FewerThanTwoValuesHaveNoDeviation) {
    EXPECT_DOUBLE_EQ(statisticsOf(std::vector<double>{}).mean, 0.0);
    const ColumnStatistics one = statisticsOf(std::vector<double>{4.5});
    EXPECT_DOUBLE_EQ(one.mean, 4.5);
    EXPECT_DOUBLE_EQ(one.standardDeviation, 0.0);
}

TEST(ColumnStatistics, CellThatIsNotANumberStopsWithItsText) {
    const RawDataTable table = columnOf({"1.5", "-2e1", "", "4"});
    EXPECT_DOUBLE_EQ(*cellNumber(table, 1, 2), -20.0);
    EXPECT_FALSE(cellNumber(table, 1, 3));
    EXPECT_FALSE(cellNumber(table, 1, 0));
    const ColumnNumbers numbers = columnNumbers(table, 1);
    EXPECT_EQ(numbers.error, "'' is not a valid floating point value");
    EXPECT_EQ(numbers.values, (std::vector<double>{1.5, -20.0}));
}

}  // namespace
}  // namespace qv
