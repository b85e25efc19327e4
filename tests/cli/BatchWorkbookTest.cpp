// quorvanta-batch tables --xlsx and --csv-folder on the ECSI example: the workbook holds a
// sheet for every table of the results, each with the figures the batch prints and the files
// beside the model hold.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/BatchOptions.h"
#include "tests/cli/BatchRun.h"
#include "tests/support/WorkbookCells.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

using testing::CommandResult;
using BatchWorkbook = testing::EcsiBatchFolder;

std::vector<std::string> fieldsOf(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, separator);)
        if (separator != ' ' || !field.empty()) fields.push_back(field);
    return fields;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// The number as six decimals, the way the batch prints it and the files keep it.
std::string sixDecimals(const std::string& stored) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", std::stod(stored));
    return std::string(text) == "-0.000000" ? "0.000000" : text;
}

TEST_F(BatchWorkbook, TablesWritesOneSheetPerTableWithThePrintedFigures) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const std::string model = "'" + (folder_ / "ecsi.qvt").string() + "'";
    const CommandResult estimate = batch("estimate " + model);
    ASSERT_EQ(estimate.status, 0) << estimate.output;
    const fs::path workbook = folder_ / "results.xlsx";
    const CommandResult tables = batch("tables " + model + " --bootstrap --samples 30 --seed 8 --xlsx '" +
                                       workbook.string() + "' --csv-folder '" + (folder_ / "csv").string() + "'");
    ASSERT_EQ(tables.status, 0) << tables.output;
    EXPECT_NE(tables.output.find(workbook.string() + "\n"), std::string::npos) << tables.output;

    const test::WorkbookCells book(workbook.string());
    ASSERT_TRUE(book.opened());
    const std::vector<std::string> expected{
        "paths", "path_matrix", "outer_model", "r_square", "reliability", "fornell_larcker", "htmt", "htmt2",
        "cross_loadings", "correlations", "outer_vif", "inner_vif", "f2", "effects", "srmr", "inference",
        "bootstrap", "scores", "run"};
    ASSERT_EQ(book.sheets(), expected);
    for (const std::string& sheet : expected) EXPECT_TRUE(fs::exists(folder_ / "csv" / (sheet + ".csv"))) << sheet;

    // Path coefficients: the lines between "Path coefficients" and the empty line.
    const std::vector<std::string> printed = linesOf(estimate.output);
    const test::SheetCells paths = book.sheet(0);
    size_t row = 2;
    for (size_t at = 2; at < printed.size() && !printed[at].empty(); ++at, ++row) {
        const auto fields = fieldsOf(printed[at], ' ');
        ASSERT_EQ(fields.size(), 3u) << printed[at];
        EXPECT_EQ(paths.at({int(row), 0}).text, fields[0]);
        EXPECT_EQ(paths.at({int(row), 1}).text, fields[1]);
        ASSERT_TRUE(paths.at({int(row), 2}).number);
        EXPECT_EQ(sixDecimals(paths.at({int(row), 2}).text), fields[2]);
    }
    EXPECT_EQ(row, 14u);

    const auto sheetOf = [&](const std::string& key) {
        return book.sheet(size_t(std::find(expected.begin(), expected.end(), key) - expected.begin()));
    };
    // R-square: the printed "Constructs" lines; an exogenous construct has none to show.
    const size_t constructs = size_t(std::find(printed.begin(), printed.end(), "Constructs") - printed.begin());
    const test::SheetCells rSquare = sheetOf("r_square");
    row = 2;
    for (size_t line = constructs + 2; line < printed.size() && !printed[line].empty(); ++line, ++row) {
        const auto fields = fieldsOf(printed[line], ' ');
        EXPECT_EQ(rSquare.at({int(row), 0}).text, fields[0]);
        const test::WorkbookCell& figure = rSquare.at({int(row), 1});
        EXPECT_EQ(figure.number ? sixDecimals(figure.text) : figure.text, fields[0] == "IMAG" ? "n/a" : fields[1]);
    }
    EXPECT_EQ(row, 9u);
    // The bootstrap summary: the loadings a seeded bootstrap of its own prints.
    const CommandResult bootstrap = batch("bootstrap " + model + " --samples 30 --seed 8");
    ASSERT_EQ(bootstrap.status, 0) << bootstrap.output;
    const std::vector<std::string> summary = linesOf(bootstrap.output);
    const size_t loadings = size_t(std::find(summary.begin(), summary.end(), "Loadings") - summary.begin());
    const test::SheetCells resampled = sheetOf("bootstrap");
    row = 2;
    for (size_t line = loadings + 2; line < summary.size() && !summary[line].empty(); ++line, ++row) {
        const auto fields = fieldsOf(summary[line], ' ');
        ASSERT_EQ(fields.size(), 5u) << summary[line];
        EXPECT_EQ(resampled.at({int(row), 0}).text, "Loading");
        EXPECT_EQ(resampled.at({int(row), 2}).text, fields[0]);
        for (int column = 3; column < 7; ++column)
            EXPECT_EQ(sixDecimals(resampled.at({int(row), column}).text), fields[size_t(column - 2)]) << fields[0];
    }
    EXPECT_EQ(row, 26u);

    // The inference file beside the model, cell by cell: texts as texts, figures as numbers.
    const std::vector<std::string> inference = linesOf(readFile(folder_ / "ecsi_inference.csv"));
    const test::SheetCells sheet = sheetOf("inference");
    ASSERT_GT(inference.size(), 100u);
    for (size_t line = 2; line < inference.size(); ++line) {
        const auto fields = fieldsOf(inference[line], ',');
        for (size_t column = 0; column < fields.size(); ++column) {
            const test::WorkbookCell& cell = sheet.at({int(line), int(column)});
            EXPECT_EQ(cell.number, column >= 2 && fields[column] != "n/a") << line << "," << column;
            if (column == 5 && cell.number)
                EXPECT_NEAR(std::stod(cell.text), std::stod(fields[column]), 5e-4);
            else
                EXPECT_EQ(cell.number ? sixDecimals(cell.text) : cell.text, fields[column]) << line << "," << column;
        }
    }
}

TEST_F(BatchWorkbook, AWorkbookThatCannotBeWrittenFailsWithItsName) {
    if (!fs::exists(fs::path(QV_START_DIR) / "pls")) GTEST_SKIP() << "the engine is not built";
    const fs::path workbook = folder_ / "missing" / "results.xlsx";
    const CommandResult tables = batch("tables '" + (folder_ / "ecsi.qvt").string() + "' --xlsx '" + workbook.string() + "'");
    EXPECT_EQ(tables.status, 1);
    EXPECT_NE(tables.output.find("quorvanta-batch: cannot write " + workbook.string() + ": "), std::string::npos)
        << tables.output;
}

TEST(BatchWorkbookOptions, TheWorkbookAndTheCsvFolderBelongToTables) {
    std::string error;
    const char* tables[] = {"batch", "tables", "m.qvt", "--xlsx", "out.xlsx", "--csv-folder", "out"};
    const auto options = ParseBatchOptions(7, tables, error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->xlsx, "out.xlsx");
    EXPECT_EQ(options->csvFolder, "out");
    const char* onEstimate[] = {"batch", "estimate", "m.qvt", "--xlsx", "out.xlsx"};
    EXPECT_FALSE(ParseBatchOptions(5, onEstimate, error));
    EXPECT_EQ(error, "--xlsx and --csv-folder belong to tables");
    const char* withoutFile[] = {"batch", "tables", "m.qvt", "--xlsx"};
    EXPECT_FALSE(ParseBatchOptions(4, withoutFile, error));
    EXPECT_EQ(error, "--xlsx needs a file name");
}

}  // namespace
}  // namespace qv
