#include "core/rawdata/CaseFilter.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

// One case in row 1: column 1 holds the text under test.
RawDataTable caseWith(const std::string& text) {
    RawDataTable table;
    table.resize(3, 2);
    table.setFieldCount(2);
    table.setCell(1, 1, text);
    table.setCell(2, 1, "2.5");
    return table;
}

bool keeps(const std::string& cell, int op, const std::string& value, int type) {
    CaseFilter filter;
    filter.allCases = 0;
    EXPECT_TRUE(filter.add({0, op, value, type}));
    const CaseSelection verdict = filter.caseSelected(caseWith(cell), 1);
    EXPECT_EQ(verdict.error, "");
    return verdict.kept;
}

TEST(CaseFilter, IntegerAndFloatComparisonsUseEveryOperator) {
    using Op = CaseOperator;
    const int integer = CaseDataType::Integer;
    EXPECT_TRUE(keeps("10", Op::Equal, " 10", integer));
    EXPECT_TRUE(keeps("10", Op::Greater, "9", integer));  // numbers, not texts: "10" < "9"
    EXPECT_FALSE(keeps("10", Op::Less, "9", integer));
    EXPECT_TRUE(keeps("-3", Op::GreaterOrEqual, "-3", integer));
    EXPECT_FALSE(keeps("-3", Op::LessOrEqual, "-4", integer));
    EXPECT_TRUE(keeps("4", Op::NotEqual, "5", integer));
    const int real = CaseDataType::Float;
    EXPECT_TRUE(keeps("2.50", Op::Equal, "2.5", real));
    EXPECT_TRUE(keeps("1e3", Op::Greater, "999.9", real));
    EXPECT_FALSE(keeps("0.1", Op::NotEqual, ".1", real));
}

TEST(CaseFilter, StringsCompareByteValues) {
    using Op = CaseOperator;
    const int text = CaseDataType::String;
    EXPECT_FALSE(keeps("Bob", Op::Equal, "bob", text));
    EXPECT_TRUE(keeps("Bob", Op::Less, "bob", text));   // upper case sorts first
    EXPECT_TRUE(keeps("ab", Op::Less, "abc", text));    // a prefix is smaller
    EXPECT_TRUE(keeps("10", Op::Less, "9", text));
    EXPECT_TRUE(keeps("\xE9t\xE9", Op::Greater, "zoo", text));  // bytes above 127 are large
    EXPECT_TRUE(keeps("", Op::LessOrEqual, "", text));
}

TEST(CaseFilter, ConditionsCombineWithAndAndStopAtTheFirstFailure) {
    CaseFilter filter;
    filter.allCases = 0;
    EXPECT_TRUE(filter.caseSelected(caseWith("3"), 1).kept);  // no condition keeps every case
    filter.add({0, CaseOperator::Greater, "2", CaseDataType::Integer});
    filter.add({0, CaseOperator::Less, "5", CaseDataType::Integer});
    filter.add({1, CaseOperator::Less, "abc", CaseDataType::Integer});  // would not convert
    for (const char* out : {"2", "5"}) {
        const CaseSelection verdict = filter.caseSelected(caseWith(out), 1);
        EXPECT_FALSE(verdict.kept);
        EXPECT_EQ(verdict.error, "");
    }
    EXPECT_EQ(filter.caseSelected(caseWith("3"), 1).error, "'2.5' is not a valid integer value");
    filter.allCases = 1;
    EXPECT_TRUE(filter.caseSelected(caseWith("9"), 1).kept);
}

TEST(CaseFilter, ConversionErrorsQuoteTheCellOrTheValue) {
    CaseFilter filter;
    filter.allCases = 0;
    filter.add({0, CaseOperator::Equal, "x7", CaseDataType::Float});
    EXPECT_EQ(filter.caseSelected(caseWith("n/a"), 1).error,
              "'n/a' is not a valid floating point value");
    EXPECT_EQ(filter.caseSelected(caseWith("7"), 1).error,
              "'x7' is not a valid floating point value");
    EXPECT_FALSE(filter.caseSelected(caseWith("7"), 1).kept);
}

TEST(CaseFilter, AddRefusesTheFiftyFirstAndPositionsThatNameNothing) {
    CaseFilter filter;
    for (int i = 0; i < kMaxCaseConditions; ++i) EXPECT_TRUE(filter.add({i, 0, "1", 0}));
    EXPECT_FALSE(filter.add({0, 0, "1", 0}));
    EXPECT_EQ(filter.nCondition(), 50);
    filter.reset();
    EXPECT_EQ(filter.nCondition(), 0);
    EXPECT_EQ(filter.allCases, 1);
    EXPECT_FALSE(filter.add({-1, 0, "1", 0}));
    EXPECT_FALSE(filter.add({0, -1, "1", 0}));
    EXPECT_FALSE(filter.add({0, 6, "1", 0}));
    EXPECT_FALSE(filter.add({0, 0, "1", 3}));
    EXPECT_TRUE(filter.conditions().empty());
}

TEST(CaseFilter, RemovingMovesTheLaterConditionsUpWhole) {
    CaseFilter filter;
    filter.add({0, CaseOperator::Equal, "1", CaseDataType::Integer});
    filter.add({1, CaseOperator::Less, "2.5", CaseDataType::Float});
    filter.add({2, CaseOperator::NotEqual, "b", CaseDataType::String});
    filter.remove(3);
    filter.remove(-1);
    filter.remove(0);
    ASSERT_EQ(filter.nCondition(), 2);
    const auto& left = filter.conditions();
    EXPECT_EQ(left[0].variable, 1);
    EXPECT_EQ(left[0].op, CaseOperator::Less);
    EXPECT_EQ(left[0].value, "2.5");
    EXPECT_EQ(left[0].dataType, CaseDataType::Float);
    EXPECT_EQ(left[1].value, "b");
    EXPECT_EQ(left[1].dataType, CaseDataType::String);
}

}  // namespace
}  // namespace qv
