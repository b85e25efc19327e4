#include "core/editing/ProductColumns.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace qv {
namespace {

// Two raw variables x and z over three cases, and product terms behind them.
struct ProductFixture {
    ProjectModel model;
    RawDataTable table;

    ProductFixture() {
        table.setFieldCount(2);
        const char* cells[4][3] = {{"", "x", "z"}, {"1", "1", "4"}, {"2", "2", "5"}, {"3", "3", "9"}};
        for (int row = 0; row < 4; ++row)
            for (int column = 0; column < 3; ++column) table.setCell(column, row, cells[row][column]);
        model.nIndicator = 2;
        model.indicators[0] = Indicator{.caption = "x", .construct = 0};
        model.indicators[1] = Indicator{.caption = "z", .construct = 0};
    }

    void addProduct(bool centred, bool standardized, int construct = 1) {
        Indicator product{.caption = std::string("xz").append(std::to_string(model.nProduct)),
                          .construct = construct};
        product.interaction = true;
        product.predictor = 0;
        product.moderator = 1;
        product.meanCentered = centred;
        product.standardized = standardized;
        model.indicators[model.nIndicator++] = product;
        ++model.nProduct;
    }
    double value(int column, int row) const { return std::stod(table.cell(column, row)); }
};

TEST(ProductColumns, MultipliesCentresAndStandardizes) {
    ProductFixture data;
    data.addProduct(false, false);
    data.addProduct(true, false);
    data.addProduct(true, true);
    ASSERT_EQ(ComputeProductColumns(data.model, data.table), "");
    EXPECT_EQ(data.table.columnCount(), 6);
    EXPECT_EQ(data.table.cell(3, 0), "xz0");
    EXPECT_EQ(data.table.cell(3, 3), "27");
    // Centred: x - 2 and z - 6 give 3, 0, 3.
    EXPECT_EQ(data.table.cell(4, 1), "2");
    EXPECT_EQ(data.table.cell(4, 2), "0");
    EXPECT_EQ(data.table.cell(4, 3), "3");
    // Standardized from 2, 0, 3: mean 5/3, deviation sqrt(7/3).
    const double deviation = std::sqrt(7.0 / 3.0);
    EXPECT_NEAR(data.value(5, 1), (2 - 5.0 / 3) / deviation, 1e-14);
    EXPECT_NEAR(data.value(5, 2), (0 - 5.0 / 3) / deviation, 1e-14);
}

TEST(ProductColumns, ConstantProductStandardizesToZeroAndUnassignedStaysEmpty) {
    ProductFixture data;
    for (int row = 1; row <= 3; ++row) data.table.setCell(2, row, "0");
    data.addProduct(false, true);
    data.addProduct(false, false, -1);
    ASSERT_EQ(ComputeProductColumns(data.model, data.table), "");
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(data.table.cell(3, row), "0");
    EXPECT_EQ(data.table.cell(4, 0), "");
    EXPECT_EQ(data.table.cell(4, 1), "");
}

// 0.1 three times has a mean a rounding step away from 0.1: the column must still give 0.
TEST(ProductColumns, ConstantColumnWhoseMeanIsInexactStandardizesToZero) {
    ProductFixture data;
    for (int row = 1; row <= 3; ++row) {
        data.table.setCell(1, row, "0.1");
        data.table.setCell(2, row, "1");
    }
    data.addProduct(false, true);
    ASSERT_EQ(ComputeProductColumns(data.model, data.table), "");
    for (int row = 1; row <= 3; ++row) EXPECT_EQ(data.table.cell(3, row), "0");
}

TEST(ProductColumns, TrimsLeftOverWorkColumnsAndReportsTextCells) {
    ProductFixture data;
    data.table.setCell(7, 1, "old score");
    data.addProduct(false, false);
    ASSERT_EQ(ComputeProductColumns(data.model, data.table), "");
    EXPECT_EQ(data.table.columnCount(), 4);
    data.table.setCell(1, 2, "n/a");
    EXPECT_EQ(ComputeProductColumns(data.model, data.table), "'n/a' is not a valid floating point value");
}

}  // namespace
}  // namespace qv
