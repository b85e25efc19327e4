#include <fstream>
#include <map>
#include <sstream>

#include <nlohmann/json.hpp>

#include "core/editing/DiagramLabels.h"
#include "core/rawdata/ColumnStatistics.h"
#include "core/results/ConstructScores.h"
#include "core/results/EstimateScores.h"
#include "core/results/FactorStructure.h"
#include "core/results/RawValues.h"
#include "core/results/Reliability.h"
#include "core/tables/EstimateResults.h"
#include "tests/core/engine/EstimateFixture.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

class EstimateCommandTest : public EstimateFixture {
protected:
    // The ECSI model of the reference results, its constructs in the reference's order.
    void buildEcsi() {
        const nlohmann::json blocks = reference()["model"]["blocks"];
        for (const std::string name : {"IMAG", "EXPE", "QUAL", "VAL", "SAT", "COM", "LOY"})
            constructIndex_[name] = addConstruct(name, blocks[name].get<std::vector<std::string>>());
        for (const auto& path : reference()["model"]["paths"])
            EXPECT_TRUE(model_.addPath(constructIndex_.at(path[0]), constructIndex_.at(path[1])));
    }
    static const nlohmann::json& reference() {
        static const nlohmann::json json = nlohmann::json::parse(
            std::ifstream(std::string(QV_TEST_DATA_DIR) + "/reference/a_mobi_path.json"));
        return json;
    }
    float coefficient(const std::string& from, const std::string& to) const {
        for (int p = 0; p < model_.nPath; ++p)
            if (model_.paths[p].src == constructIndex_.at(from) &&
                model_.paths[p].dest == constructIndex_.at(to))
                return model_.paths[p].coefficient;
        return -99;
    }
    static int occurrences(const fs::path& file, const std::string& text) {
        std::stringstream content;
        content << std::ifstream(file).rdbuf();
        int count = 0;
        for (auto at = content.str().find(text); at != std::string::npos;
             at = content.str().find(text, at + 1))
            ++count;
        return count;
    }

    // TOP over IMAG and EXPE, predicting SAT: a two-stage model.
    int addSecondOrderTop() {
        model_.currentOrder = 2;
        const int top = addConstruct("TOP", {});
        model_.currentOrder = 1;
        EXPECT_TRUE(model_.linkConstruct(constructIndex_.at("IMAG"), top));
        EXPECT_TRUE(model_.linkConstruct(constructIndex_.at("EXPE"), top));
        EXPECT_TRUE(model_.addPath(top, constructIndex_.at("SAT")));
        return top;
    }

    std::map<std::string, int> constructIndex_;
};

TEST_F(EstimateCommandTest, EcsiAgreesWithTheReferenceAndKeepsTheProjectFiles) {
    buildEcsi();
    ASSERT_TRUE(command().run());
    const nlohmann::json& results = reference()["results"];
    for (const auto& path : results["path_coefficients"])
        EXPECT_NEAR(coefficient(path["from"], path["to"]), path["value"].get<double>(), 1e-4)
            << path["from"] << " -> " << path["to"];
    for (const auto& [name, value] : results["loadings"].items()) {
        EXPECT_NEAR(model_.indicators[indicatorNamed(name)].loading, value.get<double>(), 1e-4) << name;
        EXPECT_NEAR(model_.indicators[indicatorNamed(name)].weight,
                    results["outer_weights"][name].get<double>(), 1e-4) << name;
    }
    for (const auto& [name, value] : results["r_squared"].items())
        EXPECT_NEAR(model_.constructs[constructIndex_.at(name)].rSquare, value.get<double>(), 1e-4);
    EXPECT_NEAR(model_.constructs[constructIndex_.at("IMAG")].rSquare, 0.0, 1e-12);
    EXPECT_TRUE(fs::exists(startDir_ / "ecsi.pls"));
    EXPECT_TRUE(fs::exists(startDir_ / "ecsi.out"));
    EXPECT_FALSE(fs::exists(startDir_ / "tmppls.out"));
    EXPECT_EQ(user_.lastStatus(), "Estimation finished.");
    EXPECT_TRUE(model_.estimated);
    EXPECT_EQ(model_.nIndicator, 24);
    command().viewResult();
    EXPECT_EQ(user_.events().back().kind, ScriptedPorts::Kind::ShowText);
    EXPECT_EQ(user_.events().back().message.text, (startDir_ / "ecsi.out").string());
}

// Without blindfolding no Q-square was asked for, so none is missing: the diagram shows none
// and the R-square page gives one note for all instead of a reason for each construct.
TEST_F(EstimateCommandTest, WithoutBlindfoldingNoQ2IsMissing) {
    buildEcsi();
    ASSERT_TRUE(command().run());
    for (int k = 0; k < model_.nConstruct; ++k) {
        EXPECT_EQ(model_.constructs[k].q2Missing, "") << model_.constructs[k].caption;
        EXPECT_EQ(Q2Label(model_.constructs[k]), "") << model_.constructs[k].caption;
    }
    const ResultTable page = ExplainedVarianceResults(model_, 250);
    for (const std::string& note : page.notes) EXPECT_EQ(note.find("Q-square of "), std::string::npos) << note;
}

TEST_F(EstimateCommandTest, BlindfoldingWritesOneRunPerEndogenousConstructAndReadsEachQ2) {
    buildEcsi();
    parameters_.blindFoldingType = 1;
    parameters_.blindFoldingDistance = 2;  // omission distance 5
    ASSERT_TRUE(command().run());
    EXPECT_EQ(occurrences(startDir_ / "ecsi.pls", "COMMENT"), 6);
    // Each parameter card ends with the distance; the block sizes 5 3 7 2 3 1 3 follow it.
    EXPECT_EQ(occurrences(startDir_ / "ecsi.pls", "   5\n   5   3   7   2   3   1   3\n"), 6);
    // Each construct takes the pooled Q-square printed in its own block's section.
    std::stringstream listing;
    listing << std::ifstream(startDir_ / "ecsi.out").rdbuf();
    for (const std::string name : {"EXPE", "QUAL", "VAL", "SAT", "COM", "LOY"}) {
        const Construct& construct = model_.constructs[constructIndex_.at(name)];
        const auto section = listing.str().find("redundancy of block " + name + ",");
        ASSERT_NE(section, std::string::npos) << name;
        const auto total = listing.str().find("\nTotal ", section) + 1;
        EXPECT_EQ(construct.q2Kind, 1);
        EXPECT_NEAR(construct.q2, std::stod(listing.str().substr(total + 42, 10)), 1e-6) << name;
        EXPECT_NEAR(construct.q2sd, std::stod(listing.str().substr(total + 96, 10)), 1e-6) << name;
        EXPECT_GT(construct.q2, 0.0f) << name;
    }
    EXPECT_EQ(model_.constructs[constructIndex_.at("IMAG")].q2, 0.0f);
}

// Distance 7 and QUAL's seven indicators: numbered indicator by indicator, every round
// keeps values of every indicator, so each endogenous construct gets its Q-square.
TEST_F(EstimateCommandTest, EcsiAtDistanceSevenGivesEveryEndogenousConstructItsQ2) {
    buildEcsi();
    for (int type : {1, 2}) {  // redundancy, communality
        parameters_.blindFoldingType = type;
        parameters_.blindFoldingDistance = 4;  // distance 7
        ASSERT_TRUE(command().run()) << type;
        EXPECT_NEAR(model_.constructs[constructIndex_.at("SAT")].rSquare, 0.681078, 1e-4);
        for (const std::string name : {"EXPE", "QUAL", "VAL", "SAT", "COM", "LOY"}) {
            const Construct& construct = model_.constructs[constructIndex_.at(name)];
            EXPECT_EQ(construct.q2Missing, "") << name << type;
            if (name == "COM" && type == 2) {  // one indicator: its own score predicts only the mean
                EXPECT_NEAR(construct.q2, 0.0f, 1e-6);
                continue;
            }
            EXPECT_GT(construct.q2, 0.0f) << name << type;
            EXPECT_GT(construct.q2sd, 0.0f) << name << type;
            EXPECT_EQ(construct.q2Kind, type == 1 ? 1 : -1);
        }
    }
}

// Everything the workbench derives from an estimate: its outer figures, the reliabilities,
// the scores with their cross-loadings, and the second stage of a two-stage model.
struct DerivedFigures {
    std::vector<float> outer;
    std::vector<double> derived;
};

// The listing prints the outer model in the metric's units, but the records take the
// standardized figures, so nothing derived depends on the metric.
TEST_F(EstimateCommandTest, DerivedStatisticsScoresAndSecondStageAreTheSameForEveryMetric) {
    buildEcsi();
    addSecondOrderTop();
    std::vector<DerivedFigures> runs;
    for (int metric = 0; metric <= 4; ++metric) {
        parameters_.metric = metric;
        ASSERT_TRUE(command().run()) << metric;
        DerivedFigures figures;
        for (int i = 0; i < model_.nIndicator; ++i)
            for (float value : {model_.indicators[i].weight, model_.indicators[i].loading, model_.indicators[i].residual})
                figures.outer.push_back(value);
        for (int p = 0; p < model_.nPath; ++p) figures.derived.push_back(model_.paths[p].coefficient);
        // The result commands standardize the grid's columns; the next estimate needs the raw values.
        RawDataTable scored = table_;
        const int indicators = ResultIndicatorCount(model_, scored);
        for (const ReliabilityRow& row : ComputeReliability(model_, indicators)) {
            figures.derived.push_back(row.compositeReliability.value_or(-1));
            figures.derived.push_back(row.ave.value_or(-1));
        }
        ASSERT_EQ(ComputeEstimateScores(model_, scored, MissingValueCode(parameters_)), "");
        for (int k = 0; k < model_.nConstruct; ++k)
            for (int row = 1; row <= scored.caseCount(); ++row)
                figures.derived.push_back(cellNumber(scored, scoreColumn(model_, scored, k), row).value_or(-99));
        for (const FactorStructureRow& row : ComputeFactorStructure(model_, scored, indicators).rows)
            figures.derived.insert(figures.derived.end(), row.correlations.begin(), row.correlations.end());
        runs.push_back(std::move(figures));
    }
    ASSERT_GT(runs[0].derived.size(), 8u * 250u);
    for (int metric = 1; metric <= 4; ++metric) {
        ASSERT_EQ(runs[metric].outer.size(), runs[0].outer.size());
        for (size_t v = 0; v < runs[0].outer.size(); ++v)
            ASSERT_EQ(runs[metric].outer[v], runs[0].outer[v]) << "metric " << metric << " figure " << v;
        ASSERT_EQ(runs[metric].derived.size(), runs[0].derived.size());
        for (size_t v = 0; v < runs[0].derived.size(); ++v)
            ASSERT_NEAR(runs[metric].derived[v], runs[0].derived[v], 1e-9) << "metric " << metric << " figure " << v;
    }
}

TEST_F(EstimateCommandTest, SecondOrderModelRunsTwoStagesAndKeepsFourFiles) {
    buildEcsi();
    const int top = addSecondOrderTop();
    ASSERT_TRUE(command().run());
    EXPECT_EQ(model_.estimationStage, 2);
    for (const char* name : {"ecsi.pls", "ecsi.out", "ecsi_2.pls", "ecsi_2.out"})
        EXPECT_TRUE(fs::exists(startDir_ / name)) << name;
    EXPECT_EQ(model_.nIndicator, 24);
    EXPECT_EQ(model_.nScoreIndicator, 0);
    EXPECT_GT(model_.constructs[top].rSquare, -1.0f);
    EXPECT_EQ(occurrences(startDir_ / "ecsi_2.pls", "    IMAG    EXPE"), 1);
}

// The first stage's scores once standardized the grid's indicator columns in place, so a
// second estimate read standardized data and its first stage moved (CUEX1 0.548135 to 0.547907).
TEST_F(EstimateCommandTest, ATwoStageEstimateLeavesTheRawValuesForTheNextEstimate) {
    buildEcsi();
    addSecondOrderTop();
    const RawDataTable before = table_;
    ASSERT_TRUE(command().run());
    for (int column = 1; column <= before.nFields(); ++column)
        for (int row = 0; row < before.rowCount(); ++row)
            ASSERT_EQ(table_.cell(column, row), before.cell(column, row)) << column << " " << row;
    std::vector<float> first;
    for (int i = 0; i < model_.nIndicator; ++i) first.push_back(model_.indicators[i].weight);
    for (int p = 0; p < model_.nPath; ++p) first.push_back(model_.paths[p].coefficient);
    ASSERT_TRUE(command().run());
    std::vector<float> second;
    for (int i = 0; i < model_.nIndicator; ++i) second.push_back(model_.indicators[i].weight);
    for (int p = 0; p < model_.nPath; ++p) second.push_back(model_.paths[p].coefficient);
    EXPECT_EQ(second, first);
}

TEST_F(EstimateCommandTest, RefusesWithTheRightMessageAndEstimatesNothing) {
    EXPECT_FALSE(command().run());
    EXPECT_TRUE(user_.told("MSG_NoParameter"));
    addConstruct("EMPTY", {});
    EXPECT_FALSE(command().run());
    ASSERT_TRUE(user_.told("MSG_nIndZero"));
    EXPECT_EQ(user_.messages().back().text, " (EMPTY)!");
    EXPECT_FALSE(fs::exists(startDir_ / "tmppls.pls"));
}

// A failed estimate leaves the model without one, a success before it included.
TEST_F(EstimateCommandTest, OnlyASucceededEstimateMarksTheModelEstimated) {
    buildEcsi();
    ASSERT_TRUE(command().run());
    EXPECT_TRUE(model_.estimated);
    addConstruct("EMPTY", {});
    EXPECT_FALSE(command().run());
    EXPECT_FALSE(model_.estimated);
}

TEST_F(EstimateCommandTest, EmptyCellsAreFilledOnlyWhenTheUserAgrees) {
    buildEcsi();
    table_.setCell(3, 2, "");
    user_.answer(false);
    EXPECT_FALSE(command().run());
    EXPECT_EQ(table_.cell(3, 2), "");
    parameters_.missingValue = "";
    user_.answer(true);
    EXPECT_FALSE(command().run());
    EXPECT_EQ(user_.messages().back().text, "'' is not a valid integer value");
    parameters_.missingValue = "-1";
    user_.answer(true);
    EXPECT_TRUE(command().run());
    EXPECT_EQ(table_.cell(3, 2), "-1");
}

TEST_F(EstimateCommandTest, ViewCodeWritesTheControlFileUnderThePlsNameAndOpensIt) {
    buildEcsi();
    ASSERT_TRUE(command().viewCode());
    EXPECT_EQ(user_.events().back().kind, ScriptedPorts::Kind::ShowText);
    EXPECT_EQ(occurrences(startDir_ / "ecsi.pls", "ALLSample\n"), 1);
    EXPECT_EQ(occurrences(startDir_ / "ecsi.pls", "\nCase 250 "), 1);
    model_.constructs[2].nInd = 0;
    EXPECT_FALSE(command().viewCode());
    EXPECT_EQ(user_.messages().back().text, " (QUAL)");
}

TEST_F(EstimateCommandTest, MissingEngineIsReportedBeforeAnythingIsWritten) {
    buildEcsi();
    fs::remove(startDir_ / "pls");
    EXPECT_FALSE(command().run());
    EXPECT_TRUE(user_.told("MSG_PLSNotFound"));
    EXPECT_FALSE(fs::exists(startDir_ / "tmppls.pls"));
}

}  // namespace
}  // namespace qv
