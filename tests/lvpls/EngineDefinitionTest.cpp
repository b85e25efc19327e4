#include "lvpls/Blindfolding.h"
#include "lvpls/MetricScaling.h"
#include "lvpls/MissingValues.h"
#include "lvpls/PlsEstimate.h"
#include "lvpls/ProblemError.h"
#include "tests/lvpls/support/EngineProcess.h"
#include "tests/lvpls/support/ProblemFixture.h"
#include "tests/lvpls/support/TextbookPls.h"

#include <gtest/gtest.h>

namespace lvpls::testing {
namespace {

TextbookModel textbookModelOf(const Problem& problem, int scheme) {
    TextbookModel model;
    model.scheme = scheme;
    for (const Block& block : problem.model.blocks()) {
        std::vector<int> columns;
        for (int i = 0; i < block.indicatorCount; ++i) columns.push_back(block.firstIndicator + i);
        model.blocks.push_back(columns);
        model.modeB.push_back(block.mode == OuterMode::B);
    }
    for (int to = 0; to < problem.model.blockCount(); ++to) {
        for (int from : problem.model.predecessors(to)) model.paths.emplace_back(from, to);
    }
    return model;
}

PlsEstimate tightEstimate(Problem& problem) {
    problem.settings.tolerance = 1e-12;
    problem.settings.maxIterations = 1000;
    return estimatePls(problem.model, describeData(problem.data, problem.model).correlations, problem.settings);
}

void expectSameEstimate(const PlsEstimate& engine, const TextbookResult& direct) {
    EXPECT_TRUE(engine.converged);
    EXPECT_LT((engine.weights - direct.weights).cwiseAbs().maxCoeff(), 1e-7);
    EXPECT_LT((engine.loadings - direct.loadings).cwiseAbs().maxCoeff(), 1e-7);
    EXPECT_LT((engine.pathCoefficients - direct.paths).cwiseAbs().maxCoeff(), 1e-7);
    EXPECT_LT((engine.rSquare - direct.rSquare).cwiseAbs().maxCoeff(), 1e-7);
}

struct Variant {
    const char* name;
    int scheme;
    std::vector<std::string> modeBBlocks;
    std::vector<std::string> reversedIndicators;  // x becomes 11 - x: a block of mixed signs
};

void PrintTo(const Variant& variant, std::ostream* out) { *out << variant.name; }

class DirectDefinition : public ::testing::TestWithParam<Variant> {};

TEST_P(DirectDefinition, EngineEqualsTheEstimateComputedFromTheCases) {
    const Variant& variant = GetParam();
    DataSet data = mobiData();
    for (const std::string& name : variant.reversedIndicators) {
        data.values.col(data.column(name)) = (11.0 - data.values.col(data.column(name)).array()).matrix();
    }
    ControlRun run = ecsiRun();
    run.scheme = variant.scheme;
    for (BlockSpec& block : run.blocks) {
        if (std::count(variant.modeBBlocks.begin(), variant.modeBBlocks.end(), block.name)) block.mode = 1;
    }
    Problem problem = parseRun(run, data);
    const PlsEstimate engine = tightEstimate(problem);
    expectSameEstimate(engine, textbookPls(problem.data, textbookModelOf(problem, variant.scheme)));
    if (!variant.reversedIndicators.empty()) {
        EXPECT_LT(engine.loadings.minCoeff(), -0.1);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Schemes, DirectDefinition,
    ::testing::Values(Variant{"FactorModeA", 3, {}, {}}, Variant{"FactorModeB", 3, {"IMAG", "QUAL"}, {}},
                      Variant{"CentroidMixedSigns", 2, {"SAT"}, {"CUSL2", "CUEX3"}},
                      Variant{"PathMixedSignsModeB", 1, {"LOY", "EXPE"}, {"IMAG2", "CUSL1"}}),
    [](const auto& info) { return std::string(info.param.name); });

ControlRun corporateReputationRun() {
    ControlRun run;
    run.blocks = {{"COMP", {"comp_1", "comp_2", "comp_3"}},
                  {"LIKE", {"like_1", "like_2", "like_3"}},
                  {"CUSA", {"cusa"}},
                  {"CUSL", {"cusl_1", "cusl_2", "cusl_3"}}};
    run.paths = {{"COMP", "CUSA"}, {"LIKE", "CUSA"}, {"COMP", "CUSL"}, {"LIKE", "CUSL"}, {"CUSA", "CUSL"}};
    run.missingCode = -99;
    return run;
}

TEST(MissingValues, CellsWithTheCodeTakeTheMeanOfTheIndicatorsOtherValues) {
    const DataSet data = readDataSet(std::filesystem::path(QV_TEST_DATA_DIR) / "lvpls" / "corprep.txt");
    const ControlRun run = corporateReputationRun();
    Problem problem = parseRun(run, data);
    Eigen::MatrixXd completed = problem.data;
    for (Eigen::Index c = 0; c < completed.cols(); ++c) {
        const Eigen::ArrayXd column = completed.col(c).array();
        const double mean = (column != -99).select(column, 0).sum() / double((column != -99).count());
        completed.col(c) = (column == -99).select(mean, column).matrix();
    }
    const std::vector<int> replaced = replaceMissingByMeans(problem.data, problem.missingCodes, problem.model);
    EXPECT_EQ(replaced, (std::vector<int>{0, 0, 0, 0, 0, 0, 1, 3, 4, 3}));
    EXPECT_EQ(problem.data, completed);
    expectSameEstimate(tightEstimate(problem), textbookPls(completed, textbookModelOf(problem, 1)));

    std::string control;
    appendControlRun(control, run, data);
    const EngineRun engine = runEngineProgram(control + "STOP");
    EXPECT_NE(engine.listing.find("Missing values replaced by means: cusa 1 cusl_1 3 cusl_2 4 cusl_3 3\r\n"),
              std::string::npos);
    EXPECT_NE(engine.listing.find("Path coefficients"), std::string::npos);
}

TEST(IsolatedBlocks, ModeATakesTheFirstPrincipalComponentOfTheBlock) {
    ControlRun run = ecsiRun();
    run.paths.clear();
    Problem problem = parseRun(run, mobiData());
    const PlsEstimate estimate = tightEstimate(problem);
    const Eigen::MatrixXd correlations = describeData(problem.data, problem.model).correlations;
    for (const Block& block : problem.model.blocks()) {
        const Eigen::MatrixXd r =
            correlations.block(block.firstIndicator, block.firstIndicator, block.indicatorCount, block.indicatorCount);
        const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> solver(r);
        Eigen::VectorXd component = solver.eigenvectors().col(block.indicatorCount - 1);
        component /= std::sqrt(solver.eigenvalues()(block.indicatorCount - 1)) * (component.sum() < 0 ? -1 : 1);
        EXPECT_LT((estimate.weights.segment(block.firstIndicator, block.indicatorCount) - component).cwiseAbs().maxCoeff(),
                  1e-8)
            << block.name;
    }
    EXPECT_EQ(estimate.pathCoefficients.cwiseAbs().maxCoeff(), 0.0);
}

TEST(Iteration, StopsAtTheMaximumAndSaysItDidNotConverge) {
    ControlRun run = ecsiRun();
    run.maxIterations = 2;
    Problem problem = parseRun(run, mobiData());
    problem.settings.tolerance = 1e-14;
    const PlsEstimate estimate = estimatePls(problem.model, describeData(problem.data, problem.model).correlations,
                                             problem.settings);
    EXPECT_EQ(estimate.iterations, 2);
    EXPECT_FALSE(estimate.converged);
    std::string control;
    appendControlRun(control, run, mobiData());
    EXPECT_NE(runEngineProgram(control + "STOP").listing.find("Iterations 2 of at most 2: not converged"),
              std::string::npos);
}

double deviationOf(const Eigen::VectorXd& column) {
    return std::sqrt((column.array() - column.mean()).square().sum() / double(column.size() - 1));
}

// Round d's data: the block's points numbered indicator by indicator (point = indicator
// position x N + case), those with number mod D = d set to the mean of their indicator's
// other values.
Eigen::MatrixXd omitRound(const Problem& problem, const Block& block, int distance, int d,
                          std::vector<std::pair<int, int>>& omitted) {
    const int k = block.indicatorCount;
    const int n = int(problem.data.rows());
    Eigen::MatrixXd data = problem.data;
    omitted.clear();
    for (int p = d; p < n * k; p += distance) omitted.emplace_back(p % n, block.firstIndicator + p / n);
    for (int column = block.firstIndicator; column < block.firstIndicator + k; ++column) {
        double sum = 0;
        int kept = 0;
        for (int c = 0; c < int(data.rows()); ++c) {
            if (std::count(omitted.begin(), omitted.end(), std::pair(c, column)) == 0) sum += data(c, column), ++kept;
        }
        for (const auto& [c, col] : omitted) {
            if (col == column) data(c, col) = sum / kept;
        }
    }
    return data;
}

// Blindfolding recomputed from its definition with the direct estimate.
std::pair<double, double> directQ2(const Problem& problem, int target, int distance, bool redundancy) {
    std::vector<double> roundQ2;
    double sse = 0, sso = 0;
    for (int d = 0; d < distance; ++d) {
        std::vector<std::pair<int, int>> omitted;
        const Eigen::MatrixXd data = omitRound(problem, problem.model.block(target), distance, d, omitted);
        const TextbookResult fit = textbookPls(data, textbookModelOf(problem, int(problem.settings.scheme)));
        const Eigen::VectorXd score = redundancy ? Eigen::VectorXd(fit.scores * fit.paths.row(target).transpose())
                                                 : Eigen::VectorXd(fit.scores.col(target));
        double roundSse = 0, roundSso = 0;
        for (const auto& [c, column] : omitted) {
            const double mean = data.col(column).mean();
            const double scale = deviationOf(problem.data.col(column));
            const double predicted = mean + deviationOf(data.col(column)) * fit.loadings(column) * score(c);
            roundSse += std::pow((problem.data(c, column) - predicted) / scale, 2);
            roundSso += std::pow((problem.data(c, column) - mean) / scale, 2);
        }
        sse += roundSse;
        sso += roundSso;
        roundQ2.push_back(1 - roundSse / roundSso);
    }
    const Eigen::Map<Eigen::VectorXd> q2(roundQ2.data(), Eigen::Index(roundQ2.size()));
    return {1 - sse / sso, std::sqrt((q2.array() - q2.mean()).square().sum() / double(distance - 1))};
}

// SAT (3 indicators) and QUAL (7 indicators, as many as the distance: numbered case by case,
// a round would omit a whole indicator).
TEST(Blindfolding, CommunalityAndRedundancyQ2FollowTheirDefinitions) {
    for (const auto& [target, points] : {std::pair(4, 750), std::pair(2, 1750)}) {
        for (const bool redundancy : {false, true}) {
            Problem problem = parseRun(ecsiRun(), mobiData());
            problem.settings.tolerance = 1e-12;
            problem.settings.maxIterations = 1000;
            problem.blindfold = BlindfoldSettings{7, target, redundancy};
            const BlindfoldResult result = blindfold(problem, problem.data, describeData(problem.data, problem.model));
            const auto [q2, deviation] = directQ2(problem, target, 7, redundancy);
            EXPECT_NEAR(result.q2, q2, 1e-8) << target << redundancy;
            EXPECT_NEAR(result.roundDeviation, deviation, 1e-8) << target << redundancy;
            EXPECT_EQ(result.omittedPoints, points);
            EXPECT_EQ(result.rounds.size(), 7u);
        }
    }
}

// An exact duplicate makes the block's correlation matrix singular: the problem is refused
// with an Error line instead of being estimated with a zero weight.
TEST(ModeB, LinearlyDependentIndicatorsPrintAnErrorLine) {
    DataSet data = mobiData();
    data.values.col(data.column("IMAG2")) = data.values.col(data.column("IMAG1"));
    ControlRun run = ecsiRun();
    run.blocks[0].mode = 1;
    std::string control;
    appendControlRun(control, run, data);
    const EngineRun engine = runEngineProgram(control + "STOP");
    EXPECT_NE(engine.listing.find("ALLSample \r\nError: the indicators of Mode B block IMAG are linearly dependent\r\n"),
              std::string::npos)
        << engine.listing.substr(0, 3000);
    EXPECT_EQ(engine.listing.find("Path coefficients"), std::string::npos);
}

TEST(Blindfolding, ImpossibleSettingsAreRefused) {
    Problem problem = parseRun(ecsiRun(), mobiData());
    problem.blindfold = BlindfoldSettings{3, 4, false};  // SAT's 3 indicators: no longer a whole indicator per round
    EXPECT_NO_THROW(blindfold(problem, problem.data, describeData(problem.data, problem.model)));
    problem.blindfold = BlindfoldSettings{7, 0, true};  // IMAG has no predecessors to predict it from
    EXPECT_THROW(blindfold(problem, problem.data, describeData(problem.data, problem.model)), ProblemError);
    for (int distance : {1, 101}) {
        problem.blindfold = BlindfoldSettings{distance, 4, false};
        EXPECT_THROW(blindfold(problem, problem.data, describeData(problem.data, problem.model)), ProblemError);
    }
}

TEST(Metrics, RescaleOuterFiguresButNeverTheInnerModel) {
    Problem problem = parseRun(ecsiRun(), mobiData());
    const StandardizedData described = describeData(problem.data, problem.model);
    const PlsEstimate estimate = estimatePls(problem.model, described.correlations, problem.settings);
    const ScaledOuterModel original = scaleForMetric(Metric::Original, problem.model, estimate, described);
    const Eigen::ArrayXd sd = described.deviations.array();
    EXPECT_TRUE(original.loadings.isApprox((estimate.loadings.array() * sd).matrix()));
    EXPECT_TRUE(original.weights.isApprox((estimate.weights.array() / sd).matrix()));
    EXPECT_TRUE(original.residuals.isApprox(((1 - estimate.loadings.array().square()) * sd.square()).matrix()));
    EXPECT_EQ(original.locations, described.means);

    const ScaledOuterModel rescaled = scaleForMetric(Metric::RescaledWithLocations, problem.model, estimate, described);
    for (int j = 0; j < problem.model.blockCount(); ++j) {
        const Block& block = problem.model.block(j);
        const auto weights = rescaled.weights.segment(block.firstIndicator, block.indicatorCount);
        EXPECT_NEAR(weights.sum(), 1.0, 1e-12);
        // The rescaled score is a weighted average of the raw indicators with this mean and deviation.
        const Eigen::VectorXd score = problem.data.middleCols(block.firstIndicator, block.indicatorCount) * weights;
        const double mean = score.mean();
        EXPECT_NEAR(mean, rescaled.latentLocations(j), 1e-9);
        EXPECT_NEAR(std::sqrt((score.array() - mean).square().sum() / double(score.size() - 1)), rescaled.latentScales(j), 1e-9);
        const Eigen::VectorXd first = problem.data.col(block.firstIndicator);
        const double covariance = (first.array() - first.mean()).matrix().dot((score.array() - mean).matrix()) /
                                  double(score.size() - 1);
        EXPECT_NEAR(rescaled.loadings(block.firstIndicator), covariance / std::pow(rescaled.latentScales(j), 2), 1e-9);
    }
    const ScaledOuterModel unscaled = scaleForMetric(Metric::Binary, problem.model, estimate, described);
    EXPECT_EQ(unscaled.weights, estimate.weights);
    EXPECT_TRUE(scaleForMetric(Metric::Rescaled, problem.model, estimate, described).locations.isZero());
}

}  // namespace
}  // namespace lvpls::testing
