// The results' workbook read back from its zip parts, and the folder of CSV files.
#include <gtest/gtest.h>

#include <limits>

#include "core/export/ResultWorkbook.h"
#include "tests/core/support/TempFolder.h"
#include "tests/support/WorkbookCells.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

std::vector<ResultTable> twoTables() {
    ResultTable paths{"paths", "Path coefficients", {"From", "To", "Coefficient"}, {}, {}};
    paths.rows.push_back({TableCell::ofText("IMAG"), TableCell::ofText("EXPE"), TableCell::ofNumber(0.50491398572921753)});
    paths.rows.push_back({TableCell::ofText("SAT"), TableCell::ofText("LOY"),
                          TableCell::ofNumber(std::numeric_limits<double>::quiet_NaN())});
    ResultTable cases{"scores", "Construct scores", {"Case", "IMAG"}, {{TableCell::ofNumber(17, {}, 0), TableCell::ofNumber(-1.25)}},
                      {"a note below"}};
    return {paths, cases};
}

TEST(ResultWorkbookTest, EachTableIsASheetWithABoldHeaderAndItsNumbersStoredAsNumbers) {
    testing::TempFolder folder;
    const fs::path file = folder / "results.xlsx";
    ASSERT_FALSE(WriteResultWorkbook(twoTables(), file, 3));
    const test::WorkbookCells book(file.string());
    ASSERT_TRUE(book.opened());
    EXPECT_EQ(book.sheets(), (std::vector<std::string>{"paths", "scores"}));
    const test::SheetCells paths = book.sheet(0);
    EXPECT_EQ(paths.at({0, 0}).text, "Path coefficients");
    EXPECT_EQ(paths.at({1, 2}).text, "Coefficient");
    EXPECT_TRUE(book.bold(paths.at({1, 2})));
    EXPECT_FALSE(paths.at({1, 2}).number);
    const test::WorkbookCell& figure = paths.at({2, 2});
    EXPECT_TRUE(figure.number);
    EXPECT_FALSE(book.bold(figure));
    EXPECT_DOUBLE_EQ(std::stod(figure.text), 0.50491398572921753);
    EXPECT_EQ(paths.at({2, 0}).text, "IMAG");
    EXPECT_FALSE(paths.at({3, 2}).number);
    EXPECT_EQ(paths.at({3, 2}).text, "n/a");
    const test::SheetCells scores = book.sheet(1);
    EXPECT_EQ(scores.at({2, 0}).text, "17");
    EXPECT_TRUE(scores.at({2, 1}).number);
    EXPECT_EQ(scores.at({4, 0}).text, "a note below");
    // Only the finished workbook stands in the folder.
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), fs::directory_iterator()), 1);
}

TEST(ResultWorkbookTest, AWorkbookThatCannotBeWrittenNamesTheFileAndKeepsThePreviousOne) {
    testing::TempFolder folder;
    const fs::path missing = folder / "no such folder" / "results.xlsx";
    const auto failure = WriteResultWorkbook(twoTables(), missing, 3);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->rfind("cannot write " + missing.string() + ": ", 0), 0u) << *failure;

    const fs::path kept = folder.write("kept.xlsx", "previous");
    // A folder in the temporary file's place makes the workbook fail at its end.
    fs::create_directory(folder / ("kept.xlsx.partial-" + std::to_string(::getpid()) + "~"));
    EXPECT_TRUE(WriteResultWorkbook(twoTables(), kept, 3));
    EXPECT_EQ(testing::readBytes(kept), "previous");
}

TEST(ResultWorkbookTest, TheCsvFolderHoldsOneFilePerTableWithTheFilesDecimals) {
    testing::TempFolder folder;
    ASSERT_FALSE(WriteResultCsvFolder(twoTables(), folder / "tables"));
    EXPECT_EQ(testing::readBytes(folder / "tables" / "paths.csv"),
              "Path coefficients\nFrom,To,Coefficient\nIMAG,EXPE,0.504914\nSAT,LOY,n/a\n");
    EXPECT_EQ(testing::readBytes(folder / "tables" / "scores.csv"), "Construct scores\nCase,IMAG\n17,-1.250000\n");
    folder.write("file", "");
    const auto failure = WriteResultCsvFolder(twoTables(), folder / "file" / "tables");
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find(folder.path().string() + "/file/tables"), std::string::npos) << *failure;
}

}  // namespace
}  // namespace qv
