#include "core/rawdata/VariableSummary.h"

#include <cmath>

#include "tests/core/rawdata/DataFileFixture.h"

namespace qv {
namespace {

using VariableSummaries = DataFileFixture;

// A survey file as it comes: a numeric column with a gap, a column of words, a question
// everyone answered alike and a question nobody answered.
TEST_F(VariableSummaries, FiguresOverTheValuesAndWhyAColumnCannotBeUsed) {
    ASSERT_TRUE(load("survey.csv", "Age,Town,Scale,Skipped\n20,Graz,5,\n30,Linz,5,NA\n,Wels,5,\n").ok);
    const std::vector<VariableSummary> summaries = SummarizeVariables(table);
    ASSERT_EQ(summaries.size(), 4u);

    const VariableSummary& age = summaries[0];
    EXPECT_EQ(age.name, "Age");
    EXPECT_EQ(age.kind, VariableSummary::Kind::Numeric);
    EXPECT_EQ(age.missing, 1);
    EXPECT_DOUBLE_EQ(age.mean, 25.0);
    EXPECT_DOUBLE_EQ(age.standardDeviation, std::sqrt(50.0));  // sample deviation, n - 1
    EXPECT_DOUBLE_EQ(age.minimum, 20.0);
    EXPECT_DOUBLE_EQ(age.maximum, 30.0);
    EXPECT_EQ(age.unusable, "");

    EXPECT_EQ(summaries[1].kind, VariableSummary::Kind::Text);
    EXPECT_EQ(summaries[1].unusable, "text");
    EXPECT_EQ(summaries[2].kind, VariableSummary::Kind::Numeric);
    EXPECT_EQ(summaries[2].unusable, "constant");
    EXPECT_EQ(summaries[3].kind, VariableSummary::Kind::Empty);
    EXPECT_EQ(summaries[3].missing, 3);
    EXPECT_EQ(summaries[3].unusable, "no values");
}

// Work columns behind the variables (product terms, scores) are no variables of the file.
TEST_F(VariableSummaries, OnlyTheFilesVariablesWithTheirLabels) {
    ASSERT_TRUE(load("two.txt", "x1 x2\n1 2\n3 4\n").ok);
    table.resize(table.columnCount() + 1, table.rowCount());
    table.labels = {"first question", "second question"};
    const std::vector<VariableSummary> summaries = SummarizeVariables(table);
    ASSERT_EQ(summaries.size(), 2u);
    EXPECT_EQ(summaries[0].label, "first question");
    EXPECT_EQ(summaries[1].label, "second question");
    EXPECT_EQ(VariableLabel(table, "x2"), "second question");
    EXPECT_EQ(VariableLabel(table, "x3"), "");
    table.labels.clear();  // a text file keeps none
    EXPECT_EQ(VariableLabel(table, "x2"), "");
}

}  // namespace
}  // namespace qv
