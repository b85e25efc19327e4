// The model parameter Consistent carries the correction from the estimate into the records
// every view reads, the assessment's tables and the bootstrap's inference.
#include <gtest/gtest.h>

#include <Eigen/Dense>
#include <algorithm>
#include <cmath>

#include "core/assessment/AssessmentCommand.h"
#include "core/consistent/ConsistentCommand.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/engine/Blocks.h"
#include "core/results/ResamplingRun.h"
#include "core/results/TableCommands.h"
#include "tests/core/support/EngineProject.h"

namespace qv {
namespace {

class ConsistentParameterTest : public EngineProject {
protected:
    void SetUp() override {
        openProject(std::filesystem::path(QV_TEST_DATA_DIR) / "groups", "satisfaction.qvt", "satisfaction.txt");
        if (IsSkipped() || HasFatalFailure()) return;
        workbench_.parameters().consistent = true;
        estimate();
    }

    // The construct a shape position stands for.
    int modelConstruct(int position) {
        return BlockConstructs(workbench_.model(), kRegularStage)[static_cast<size_t>(position)];
    }

    // The model's path between two shape positions; none when there is no such path.
    const Path* pathBetween(int from, int to) {
        const ProjectModel& model = workbench_.model();
        for (int p = 0; p < model.nPath; ++p)
            if (model.paths[p].src == modelConstruct(from) && model.paths[p].dest == modelConstruct(to))
                return &model.paths[p];
        return nullptr;
    }
};

TEST_F(ConsistentParameterTest, TheRecordsAndTheAssessmentShowTheCorrectedFigures) {
    // The engine's residual variances are those of standardized indicators, as the corrected ones are.
    for (int i = 0; i < workbench_.model().nIndicator; ++i) {
        const Indicator& indicator = workbench_.model().indicators[i];
        if (indicator.construct < 0) continue;
        EXPECT_NEAR(indicator.residual, 1 - indicator.loading * indicator.loading, 2e-5) << indicator.caption;
    }
    ASSERT_TRUE(ApplyConsistentParameter(workbench_));
    AssessmentCommand command(workbench_);
    const std::optional<Assessment> a = command.assess();
    ASSERT_TRUE(a && a->consistent);
    const ConsistentEstimate& c = *a->consistent;
    const ModelShape& shape = a->shape;
    int paths = 0;
    for (const auto& [from, to] : shape.paths) {
        const Path* path = pathBetween(from, to);
        ASSERT_NE(path, nullptr);
        EXPECT_NEAR(path->coefficient, c.paths(from, to), 1e-6);
        EXPECT_NEAR(a->effects.direct(from, to), c.paths(from, to), 1e-12);
        // The composites' paths differ: the correction is not a no-op on these data.
        EXPECT_GT(std::abs(c.paths(from, to) - a->estimate().paths(from, to)), 1e-4);
        ++paths;
    }
    EXPECT_GT(paths, 0);
    for (int k = 0; k < shape.constructCount(); ++k)
        if (shape.endogenous(k)) {
            EXPECT_NEAR(a->rSquare(k), c.rSquare(k), 1e-12);
            EXPECT_NEAR(workbench_.model().constructs[modelConstruct(k)].rSquare, c.rSquare(k), 1e-6);
        }
    for (int i = 0; i < shape.indicatorCount(); ++i) {
        const Indicator& indicator = workbench_.model().indicators[shape.modelIndicators[i]];
        EXPECT_NEAR(indicator.loading, c.loadings(i), 1e-6);
        EXPECT_NEAR(indicator.residual, 1 - c.loadings(i) * c.loadings(i), 1e-6);
        EXPECT_NEAR(a->reported.weights(i), a->estimate().weights(i), 1e-15);
    }
    // A second correction starts again from the composites' weights: nothing changes.
    const ProjectModel once = workbench_.model();
    ASSERT_TRUE(ApplyConsistentParameter(workbench_));
    EXPECT_EQ(workbench_.model().paths[0].coefficient, once.paths[0].coefficient);
}

// The bootstrap's inference over the given subsamples, each with the sample's weights.
Inference inferFrom(const Assessment& a, const AssessmentData& data, const std::vector<std::vector<int>>& draws) {
    size_t next = 0;
    return InferFromSubsamples(
        a, data,
        [&](SubsampleEstimate& s) {
            if (next == draws.size()) return false;
            s.cases = draws[next++];
            s.weights = a.estimate().weights;
            return true;
        },
        0.95);
}

TEST_F(ConsistentParameterTest, TheBootstrapCorrectsEachSubsampleAndGivesTheTValues) {
    ASSERT_TRUE(ApplyConsistentParameter(workbench_));
    AssessmentCommand command(workbench_);
    const std::optional<Assessment> a = command.assess();
    ASSERT_TRUE(a && a->consistent);
    std::vector<int> all(static_cast<size_t>(command.data().cases()));
    for (size_t c = 0; c < all.size(); ++c) all[c] = static_cast<int>(c);
    // Subsamples that are the sample itself give the sample's corrected figures, not the composites'.
    int checked = 0;
    for (const InferenceRow& row : inferFrom(*a, command.data(), {all, all}).rows) {
        if (row.parameter.group != InferenceGroup::Paths) continue;
        const double consistent = a->consistent->paths(row.parameter.row, row.parameter.column);
        EXPECT_NEAR(row.figures.estimate, consistent, 1e-12) << row.parameter.key;
        EXPECT_NEAR(row.figures.mean, consistent, 1e-10) << row.parameter.key;
        ++checked;
    }
    ASSERT_GT(checked, 0);
    // With the first case drawn twice the subsamples differ, and each path's t value is its
    // corrected estimate over the standard error.
    std::vector<int> repeated = all;
    repeated.back() = 0;
    const Inference inference = inferFrom(*a, command.data(), {all, repeated});
    ApplyConsistentInference(workbench_.model(), a->shape, inference);
    for (const InferenceRow& row : inference.rows) {
        const IntervalEstimate& f = row.figures;
        if (row.parameter.group == InferenceGroup::Loadings) {
            const Indicator& indicator = workbench_.model().indicators[a->shape.modelIndicators[row.parameter.row]];
            EXPECT_EQ(indicator.loadingMean, f.mean);
            EXPECT_EQ(indicator.loadingSE, f.se);
        }
        if (row.parameter.group != InferenceGroup::Paths) continue;
        ASSERT_GT(f.se, 0) << row.parameter.key;
        const Path* path = pathBetween(row.parameter.row, row.parameter.column);
        ASSERT_NE(path, nullptr);
        EXPECT_EQ(path->coefficientMean, f.mean);
        EXPECT_EQ(path->coefficientSE, f.se);
        EXPECT_FLOAT_EQ(path->coefficientT, static_cast<float>(f.estimate / f.se));
    }
}

TEST_F(ConsistentParameterTest, TheLatentVariableCorrelationsAreTheCorrectedOnes) {
    ASSERT_TRUE(ApplyConsistentParameter(workbench_));
    std::optional<LatentCorrelationMatrices> matrices = TableCommands(workbench_).latentCorrelations();
    ASSERT_TRUE(matrices);
    CorrelationMatrix corrected = matrices->firstOrder;
    ASSERT_TRUE(ConsistentCorrections(ResultContext::of(workbench_)).correlations(corrected));
    AssessmentCommand command(workbench_);
    const std::optional<Assessment> a = command.assess();
    ASSERT_TRUE(a && a->consistent);
    std::vector<int> position(static_cast<size_t>(workbench_.model().nConstruct), -1);
    for (int k = 0; k < a->shape.constructCount(); ++k) position[static_cast<size_t>(modelConstruct(k))] = k;
    int compared = 0;
    for (size_t k = 0; k < corrected.lower.size(); ++k)
        for (size_t j = 0; j < corrected.lower[k].size(); ++j) {
            const int row = position[static_cast<size_t>(corrected.participants[k])];
            const int column = position[static_cast<size_t>(corrected.participants[j])];
            EXPECT_EQ(corrected.lower[k][j], a->consistent->correlations(row, column));
            EXPECT_NEAR(matrices->firstOrder.lower[k][j], a->estimate().scoreCorrelations(row, column), 1e-5);
            ++compared;
        }
    EXPECT_GT(compared, 0);
}

// An indicator's own loading is the one the loadings page shows, and its correlations with the
// other constructs are on the same footing: weighted over a block, they give the corrected
// construct correlation (times the root of the block's own rho_A, which the composite keeps).
TEST_F(ConsistentParameterTest, TheCrossLoadingsCompareWithTheConsistentLoadings) {
    ASSERT_TRUE(ApplyConsistentParameter(workbench_));
    TableCommands commands(workbench_);
    commands.setCorrections(ConsistentCorrections(ResultContext::of(workbench_)));
    const std::optional<FactorStructure> structure = commands.crossLoadings();
    ASSERT_TRUE(structure);
    const std::optional<Assessment> a = AssessmentCommand(workbench_).assess();
    ASSERT_TRUE(a && a->consistent);
    const ProjectModel& model = workbench_.model();
    std::vector<int> position(static_cast<size_t>(model.nConstruct), -1);
    for (int k = 0; k < a->shape.constructCount(); ++k) position[static_cast<size_t>(modelConstruct(k))] = k;
    Eigen::MatrixXd weighted = Eigen::MatrixXd::Zero(a->shape.constructCount(), a->shape.constructCount());
    for (const FactorStructureRow& row : structure->rows) {
        const auto indicator = std::find_if(model.indicators.begin(), model.indicators.begin() + model.nIndicator,
                                            [&](const Indicator& i) { return i.caption == row.indicator; });
        ASSERT_NE(indicator, model.indicators.begin() + model.nIndicator) << row.indicator;
        EXPECT_NEAR(row.correlations[static_cast<size_t>(row.construct)], indicator->loading, 1e-6) << row.indicator;
        const int own = position[static_cast<size_t>(row.construct)];
        for (size_t k = 0; k < row.correlations.size(); ++k)
            if (position[k] >= 0 && static_cast<int>(k) != row.construct)
                weighted(own, position[k]) += indicator->weight * row.correlations[k];
    }
    const ConsistentEstimate& c = *a->consistent;
    for (int j = 0; j < a->shape.constructCount(); ++j)
        for (int k = 0; k < a->shape.constructCount(); ++k) {
            if (j == k) continue;
            EXPECT_NEAR(weighted(j, k), c.correlations(j, k) * std::sqrt(c.rhoA(j)), 1e-4) << j << " " << k;
        }
    // Without the parameter the same command shows the composites' correlations.
    workbench_.parameters().consistent = false;
    TableCommands plain(workbench_);
    plain.setCorrections(ConsistentCorrections(ResultContext::of(workbench_)));
    const std::optional<FactorStructure> composite = plain.crossLoadings();
    ASSERT_TRUE(composite);
    const FactorStructureRow& first = composite->rows.front();
    for (size_t k = 0; k < first.correlations.size(); ++k) {
        if (position[k] < 0 || static_cast<int>(k) == first.construct) continue;
        EXPECT_NEAR(first.correlations[k] / std::sqrt(c.rhoA(position[k])), structure->rows.front().correlations[k],
                    1e-12);
    }
}

TEST_F(ConsistentParameterTest, TheJackknifeIsRefusedWithTheReason) {
    EXPECT_FALSE(ResamplingRun(workbench_).run(SampleKind::Jackknife));
    ASSERT_FALSE(user_.messages().empty());
    EXPECT_NE(user_.messages().back().text.find("run the bootstrap"), std::string::npos);
}

TEST_F(ConsistentParameterTest, AnEstimateThatCannotBeCorrectedLosesItsFigures) {
    // Without its data the estimate cannot be assessed again, so it cannot be corrected.
    std::filesystem::remove(folder_ / "project" / "satisfaction.txt");
    EXPECT_FALSE(ApplyConsistentParameter(workbench_));
    EXPECT_FALSE(workbench_.model().estimated);
    EXPECT_EQ(workbench_.model().paths[0].coefficient, 0.0f);
}

class ConsistentSecondOrderTest : public EngineProject {};

TEST_F(ConsistentSecondOrderTest, ATwoStageEstimateIsNotCorrectedAndSaysWhy) {
    openProject(std::filesystem::path(QV_EXAMPLES_DIR) / "second-order", "brand.qvt", "mobi.txt");
    if (IsSkipped() || HasFatalFailure()) return;
    workbench_.parameters().consistent = true;
    estimate();
    EXPECT_FALSE(ApplyConsistentParameter(workbench_));
    EXPECT_FALSE(workbench_.model().estimated);
    ASSERT_FALSE(user_.messages().empty());
    EXPECT_EQ(user_.messages().back().text.rfind("Consistent PLS cannot correct this estimate: it has second-order", 0),
              0u)
        << user_.messages().back().text;
}

}  // namespace
}  // namespace qv
