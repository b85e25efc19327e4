#include "core/groups/GroupConditions.h"

#include <gtest/gtest.h>

#include "core/groups/ConditionText.h"

namespace qv {
namespace {

CaseCondition condition(int variable, int op, std::string value, int type = CaseDataType::Integer) {
    return CaseCondition{variable, op, std::move(value), type};
}

TEST(GroupConditions, AnEmptyValueANinthConditionAndUnknownPositionsAreRefused) {
    GroupConditions group;
    EXPECT_FALSE(group.add(condition(0, CaseOperator::Equal, "")));
    EXPECT_FALSE(group.add(condition(-1, CaseOperator::Equal, "1")));
    EXPECT_FALSE(group.add(condition(0, 6, "1")));
    EXPECT_FALSE(group.add(condition(0, CaseOperator::Equal, "1", 3)));
    for (int k = 0; k < kMaxGroupConditions; ++k)
        EXPECT_TRUE(group.add(condition(k, CaseOperator::Greater, std::to_string(k))));
    EXPECT_FALSE(group.add(condition(0, CaseOperator::Equal, "1")));
    EXPECT_EQ(group.count(), 8);
}

TEST(GroupConditions, RemovingMovesTheLaterConditionsUpWithAllTheirFields) {
    GroupConditions group;
    group.add(condition(0, CaseOperator::Equal, "1", CaseDataType::Integer));
    group.add(condition(1, CaseOperator::Less, "2.5", CaseDataType::Float));
    group.add(condition(2, CaseOperator::NotEqual, "x", CaseDataType::String));
    group.remove(0);
    group.remove(7);
    ASSERT_EQ(group.count(), 2);
    EXPECT_EQ(group.conditions()[0].dataType, CaseDataType::Float);
    EXPECT_EQ(group.conditions()[0].value, "2.5");
    EXPECT_EQ(group.conditions()[1].op, CaseOperator::NotEqual);
    EXPECT_EQ(group.conditions()[1].dataType, CaseDataType::String);
}

TEST(GroupConditions, InstalledConditionsReplaceTheSelectionAndKeepOnlyTheirCases) {
    RawDataTable table;
    table.resize(2, 7);
    table.setCell(1, 0, "x");
    for (int row = 1; row <= 6; ++row) table.setCell(1, row, std::to_string(row));
    CaseFilter filter;
    filter.add(condition(0, CaseOperator::Equal, "6"));  // the user's own selection
    GroupConditions group;
    group.add(condition(0, CaseOperator::Greater, "2"));
    group.add(condition(0, CaseOperator::Less, "5"));
    group.installIn(filter);
    EXPECT_EQ(filter.allCases, 0);
    EXPECT_EQ(filter.nCondition(), 2);
    std::vector<int> kept;
    for (int row = 1; row <= 6; ++row)
        if (filter.caseSelected(table, row).kept) kept.push_back(row);
    EXPECT_EQ(kept, (std::vector<int>{3, 4}));
}

TEST(ConditionText, NameOperatorAndValueGiveTheConditionAndTheValueItsType) {
    const std::vector<std::string> names{"age", "gender", "city"};
    std::string error;
    const auto equal = ParseConditionText("gender=1", names, error);
    ASSERT_TRUE(equal) << error;
    EXPECT_EQ(equal->variable, 1);
    EXPECT_EQ(equal->op, CaseOperator::Equal);
    EXPECT_EQ(equal->value, "1");
    EXPECT_EQ(equal->dataType, CaseDataType::Integer);
    const auto atLeast = ParseConditionText("age>=30.5", names, error);
    ASSERT_TRUE(atLeast);
    EXPECT_EQ(atLeast->op, CaseOperator::GreaterOrEqual);
    EXPECT_EQ(atLeast->value, "30.5");
    EXPECT_EQ(atLeast->dataType, CaseDataType::Float);
    const auto other = ParseConditionText("city<>\"Rome\"", names, error);
    ASSERT_TRUE(other);
    EXPECT_EQ(other->op, CaseOperator::NotEqual);
    EXPECT_EQ(other->value, "Rome");
    EXPECT_EQ(other->dataType, CaseDataType::String);
    EXPECT_EQ(ParseConditionText("age<=4", names, error)->op, CaseOperator::LessOrEqual);
    EXPECT_EQ(ParseConditionText("age<4", names, error)->op, CaseOperator::Less);
    EXPECT_EQ(ParseConditionText("age>4", names, error)->op, CaseOperator::Greater);
}

TEST(ConditionText, AConditionWithoutOperatorKnownVariableOrValueIsRefusedWithAReason) {
    const std::vector<std::string> names{"age"};
    std::string error;
    EXPECT_FALSE(ParseConditionText("age", names, error));
    EXPECT_NE(error.find("no operator"), std::string::npos);
    EXPECT_FALSE(ParseConditionText("weight=3", names, error));
    EXPECT_EQ(error, "no variable \"weight\" in the raw data");
    EXPECT_FALSE(ParseConditionText("age>=", names, error));
    EXPECT_NE(error.find("no value"), std::string::npos);
    EXPECT_FALSE(ParseConditionText("=3", names, error));
}

}  // namespace
}  // namespace qv
