#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <random>
#include <tuple>

#include "core/rawdata/RawDataReader.h"
#include "tests/core/rawdata/DataFileFixture.h"

namespace qv {
namespace {

using LongFields = DataFileFixture;
using ByteValues = DataFileFixture;
using ReadingSpeed = DataFileFixture;

TEST_F(LongFields, HundredCharactersAreAcceptedAndMoreAreRefusedWithRowAndColumn) {
    const std::string hundred(100, 'x');
    ASSERT_TRUE(load("fits.txt", "a b\n1 " + hundred + "\n").ok);
    EXPECT_EQ(table.cell(2, 1), hundred);

    const RawDataLoad result = load("long.txt", "a b\n1 2\n3 " + hundred + "8\n5 6\n");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(toldTexts(),
              Texts{"Data field longer than 100 characters at row 2, column 2 of the data file."});
    EXPECT_EQ(table.columnCount(), 0);
    EXPECT_EQ(table.rowCount(), 0);
}

TEST_F(LongFields, RefusalCountsEveryLineEvenRejectedCasesAndSurplusFields) {
    filter.allCases = 0;
    filter.add({0, CaseOperator::Equal, "1", CaseDataType::Integer});
    EXPECT_FALSE(load("long.csv", "a\n2\n1\n2,3," + std::string(150, 'x') + "\n").ok);
    EXPECT_EQ(toldTexts(),
              Texts{"Data field longer than 100 characters at row 3, column 3 of the data file."});
}

TEST_F(LongFields, HugeLinesReadInBoundedTime) {
    std::string manyFields = "a b\n";
    for (int i = 0; i < 2'000'000; ++i) manyFields += "1 ";
    EXPECT_FALSE(load("wide.txt", manyFields + "\n").ok);
    ASSERT_EQ(toldTexts().size(), 1u);
    EXPECT_NE(toldTexts()[0].find(" has 2000000 values, but the header names 2 variables."), std::string::npos);

    EXPECT_FALSE(load("one.txt", "a\n" + std::string(4'000'000, 'z')).ok);
    EXPECT_FALSE(load("name.txt", std::string(4'000'000, 'n')).ok);
}

TEST_F(ByteValues, EveryByteOtherThanSeparatorsIsKept) {
    std::string field;
    for (int value = 0; value < 256; ++value)
        if (value != ' ' && value != '\t' && value != '\n' && value != '\r' && value != ',')
            field += static_cast<char>(value);
    ASSERT_EQ(field.size(), 251u);
    std::string line;
    for (size_t start = 0; start < field.size(); start += 100) line += field.substr(start, 100) + " ";
    ASSERT_TRUE(load("bytes.txt", "a b c\n" + line + "\n9 9 9\n").ok);
    EXPECT_EQ(table.cell(1, 1) + table.cell(2, 1) + table.cell(3, 1), field);
    EXPECT_EQ(table.caseCount(), 2);  // neither NUL nor 0xFF ends the file
}

TEST_F(ByteValues, BinaryGarbageGivesAMessageOrATableNeverACrash) {
    std::mt19937 random(20261207);
    std::uniform_int_distribution<int> byte(0, 255);
    for (int file = 0; file < 200; ++file) {
        std::string bytes(static_cast<size_t>(file) * 97, '\0');
        for (char& c : bytes) c = static_cast<char>(byte(random));
        if (file % 2 == 0) bytes.insert(0, "x y z\n");  // a sound header, garbage cases
        ports.clear();
        const RawDataLoad result = load(file % 3 == 0 ? "junk.csv" : "junk.dat", bytes);
        if (result.ok) {
            EXPECT_GE(table.nFields(), 1);
            EXPECT_EQ(table.columnCount(), table.nFields() + 1);
        } else {
            EXPECT_FALSE(ports.messages().empty()) << "file " << file;
            EXPECT_EQ(table.caseCount(), 0);
        }
    }
}

// A grid of values like "7.25", one case per line, blank-separated.
std::string numbersFile(int cases, int variables) {
    std::string text;
    for (int v = 1; v <= variables; ++v) text.append("v").append(std::to_string(v)).append(" ");
    text += "\n";
    for (int c = 0; c < cases; ++c) {
        for (int v = 0; v < variables; ++v)
            text.append(std::to_string((c * 7 + v) % 10)).append(".25 ");
        text += "\r\n";
    }
    return text;
}

// Processor time, best of three; printed for the record, never a pass mark, since a busy
// machine would fail a bound.
double bestMilliseconds(const std::function<void()>& work) {
    double best = 1e9;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::clock_t start = std::clock();
        work();
        best = std::min(best, 1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
    }
    return best;
}

TEST_F(ReadingSpeed, TypicalAndLargeFilesLoadWhole) {
    const std::string typical = write("typical.txt", numbersFile(344, 50));
    const std::string large = write("large.txt", numbersFile(100'000, 50));
    for (const auto& [path, cases] : {std::tuple{typical, 344}, std::tuple{large, 100'000}}) {
        const double spent = bestMilliseconds([&, &file = path] { ASSERT_TRUE(loadFrom(file).ok); });
        EXPECT_EQ(table.caseCount(), cases);
        std::printf("%d cases x %d variables: %.2f ms\n", cases, table.nFields(), spent);
    }
    EXPECT_EQ(table.cell(24, 100'000), "6.25");  // (99999 * 7 + 23) % 10
}

}  // namespace
}  // namespace qv
