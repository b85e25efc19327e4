// PLSpredict of the ECSI example against predictions this test derives itself from the
// definitions: for every fold a textbook PLS estimate of its training cases (scores, proxies
// and regressions on the cases themselves), its weights, paths and loadings applied to the
// held-out cases standardized by the training moments, and the benchmark's normal equations
// on the exogenous indicators; each case's predictions averaged over the repetitions.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <Eigen/Dense>

#include "core/predict/PredictFolds.h"
#include "core/predict/PredictRun.h"
#include "tests/core/support/EngineProject.h"
#include "tests/lvpls/support/TextbookPls.h"

namespace qv {
namespace {

using Eigen::MatrixXd;
using Eigen::VectorXd;
constexpr double kTolerance = 1e-6;

// The shape's indicator columns of the example's data file, read here on their own.
MatrixXd exampleData(const ModelShape& shape) {
    std::ifstream in(std::string(QV_EXAMPLES_DIR) + "/ecsi/mobi.txt");
    std::string line;
    std::getline(in, line);
    std::istringstream header(line);
    std::vector<std::string> names;
    for (std::string name; header >> name;) names.push_back(name);
    std::vector<std::vector<double>> rows;
    while (std::getline(in, line)) {
        std::istringstream values(line);
        std::vector<double> row;
        for (double value; values >> value;) row.push_back(value);
        if (!row.empty()) rows.push_back(row);
    }
    MatrixXd data(static_cast<Eigen::Index>(rows.size()), shape.indicatorCount());
    for (int i = 0; i < shape.indicatorCount(); ++i) {
        const auto column = std::find(names.begin(), names.end(), shape.indicators[static_cast<size_t>(i)]) - names.begin();
        for (size_t c = 0; c < rows.size(); ++c) data(static_cast<Eigen::Index>(c), i) = rows[c][static_cast<size_t>(column)];
    }
    return data;
}

// Each case's predictions, summed over the folds that held it out.
struct Predictions {
    MatrixXd model, benchmark, naive, scoreErrors, scores;
    explicit Predictions(const MatrixXd& data, int constructs)
        : model(MatrixXd::Zero(data.rows(), data.cols())), benchmark(model), naive(model),
          scoreErrors(MatrixXd::Zero(data.rows(), constructs)), scores(scoreErrors) {}
};

bool endogenous(const lvpls::testing::TextbookModel& m, int k) {
    for (const auto& [from, to] : m.paths)
        if (to == k) return true;
    return false;
}

void predictCase(const ModelShape& shape, const lvpls::testing::TextbookModel& m,
                 const lvpls::testing::TextbookResult& fit, const MatrixXd& x, const MatrixXd& data, int heldOut,
                 bool earliest, Predictions& p) {
    const VectorXd mean = x.colwise().mean();
    const VectorXd sd = ((x.rowwise() - mean.transpose()).colwise().squaredNorm() / double(x.rows() - 1)).cwiseSqrt();
    const VectorXd z = (data.row(heldOut).transpose() - mean).cwiseQuotient(sd);
    const int constructs = shape.constructCount();
    VectorXd score = VectorXd::Zero(constructs), predicted = VectorXd::Zero(constructs);
    for (int i = 0; i < shape.indicatorCount(); ++i) score(shape.blockOf[i]) += fit.weights(i) * z(i);
    // Earliest antecedents: the constructs are predicted in passes until each one's
    // predictors are done; the model has no cycle.
    std::vector<bool> done(constructs);
    for (int k = 0; k < constructs; ++k)
        if (!endogenous(m, k)) done[k] = true, predicted(k) = score(k);
    for (int pass = 0; pass < constructs; ++pass)
        for (int k = 0; k < constructs; ++k) {
            if (done[k]) continue;
            bool ready = true;
            double sum = 0;
            for (int from = 0; from < constructs; ++from)
                if (fit.paths(k, from) != 0) {
                    ready = ready && (done[from] || !earliest);
                    sum += fit.paths(k, from) * (earliest ? predicted(from) : score(from));
                }
            if (ready) done[k] = true, predicted(k) = sum;
        }
    std::vector<int> exogenousColumns, endogenousColumns;
    for (int i = 0; i < shape.indicatorCount(); ++i)
        (endogenous(m, shape.blockOf[i]) ? endogenousColumns : exogenousColumns).push_back(i);
    MatrixXd design(x.rows(), Eigen::Index(exogenousColumns.size()) + 1);
    design << VectorXd::Ones(x.rows()), x(Eigen::all, exogenousColumns);
    VectorXd row(design.cols());
    row << 1, data(heldOut, exogenousColumns).transpose();
    for (int i : endogenousColumns) {
        const int k = shape.blockOf[i];
        p.model(heldOut, i) += mean(i) + sd(i) * fit.loadings(i) * predicted(k);
        const VectorXd b = (design.transpose() * design).ldlt().solve(design.transpose() * x.col(i));
        p.benchmark(heldOut, i) += row.dot(b);
        p.naive(heldOut, i) += mean(i);
    }
    for (int k = 0; k < constructs; ++k) {
        p.scoreErrors(heldOut, k) += score(k) - predicted(k);
        p.scores(heldOut, k) += score(k);
    }
}

void predictFold(const ModelShape& shape, const MatrixXd& data, const std::vector<int>& training,
                 const std::vector<int>& heldOut, bool earliest, Predictions& p) {
    lvpls::testing::TextbookModel m;
    for (int k = 0; k < shape.constructCount(); ++k) m.blocks.push_back(shape.block(k));
    m.modeB = shape.formative;
    m.paths = shape.paths;
    const MatrixXd x = data(training, Eigen::all);
    const lvpls::testing::TextbookResult fit = lvpls::testing::textbookPls(x, m);
    for (int c : heldOut) predictCase(shape, m, fit, x, data, c, earliest, p);
}

// Compares the run's accuracy with the reference predictions, each averaged over the repetitions.
void expectAccuracy(const PredictResult& result, const MatrixXd& data, const Predictions& sums, int repetitions) {
    const auto rmse = [](const VectorXd& e) { return std::sqrt(e.squaredNorm() / double(e.size())); };
    const auto mae = [](const VectorXd& e) { return e.cwiseAbs().mean(); };
    const double r = repetitions;
    ASSERT_EQ(result.accuracy.indicators.size(), 19u);  // every indicator but IMAG's five
    for (const IndicatorAccuracy& a : result.accuracy.indicators) {
        SCOPED_TRACE(result.shape.indicators[static_cast<size_t>(a.indicator)]);
        const int i = a.indicator;
        const VectorXd model = data.col(i) - sums.model.col(i) / r, benchmark = data.col(i) - sums.benchmark.col(i) / r;
        const VectorXd naive = data.col(i) - sums.naive.col(i) / r;
        EXPECT_NEAR(a.rmseModel, rmse(model), kTolerance);
        EXPECT_NEAR(a.maeModel, mae(model), kTolerance);
        EXPECT_NEAR(a.q2Predict, 1 - model.squaredNorm() / naive.squaredNorm(), kTolerance);
        EXPECT_NEAR(a.rmseBenchmark, rmse(benchmark), kTolerance);
        EXPECT_NEAR(a.maeBenchmark, mae(benchmark), kTolerance);
    }
    ASSERT_EQ(result.accuracy.constructs.size(), 6u);
    for (const ConstructAccuracy& a : result.accuracy.constructs) {
        SCOPED_TRACE(result.shape.constructs[static_cast<size_t>(a.construct)]);
        const VectorXd errors = sums.scoreErrors.col(a.construct) / r;
        EXPECT_NEAR(a.q2Predict, 1 - errors.squaredNorm() / (sums.scores.col(a.construct) / r).squaredNorm(), kTolerance);
        EXPECT_NEAR(a.rmse, rmse(errors), kTolerance);
        EXPECT_NEAR(a.mae, mae(errors), kTolerance);
    }
}

class PredictEcsiTest : public EcsiProject {
protected:
    std::optional<PredictResult> predict(const PredictOptions& options) {
        EXPECT_TRUE(workbench_.ensureRawData());
        return PredictRun(workbench_).run(options);
    }
};

TEST_F(PredictEcsiTest, LeaveOneOutByDirectAntecedentsMatchesTheDefinitions) {
    const auto result = predict({250, 1, 3, PredictTechnique::DirectAntecedents});
    ASSERT_TRUE(result.has_value()) << (user_.messages().empty() ? "" : user_.messages().back().text);
    EXPECT_EQ(result->cases, 250);
    const MatrixXd data = exampleData(result->shape);
    Predictions sums(data, result->shape.constructCount());
    for (int c = 0; c < data.rows(); ++c) {
        std::vector<int> training;
        for (int t = 0; t < data.rows(); ++t)
            if (t != c) training.push_back(t);
        predictFold(result->shape, data, training, {c}, false, sums);
    }
    expectAccuracy(*result, data, sums, 1);
}

// The split is the seeded deal of the folds (PredictFolds); everything after it is redone here.
TEST_F(PredictEcsiTest, RepeatedFoldsByEarliestAntecedentsMatchTheDefinitionsAveragedOverRepetitions) {
    const PredictOptions options{10, 3, 11, PredictTechnique::EarliestAntecedents};
    const auto result = predict(options);
    ASSERT_TRUE(result.has_value()) << (user_.messages().empty() ? "" : user_.messages().back().text);
    EXPECT_EQ(result->options.seed, 11);
    const MatrixXd data = exampleData(result->shape);
    Predictions sums(data, result->shape.constructCount());
    ResamplingGenerator generator;
    generator.seed(11);
    for (int repetition = 0; repetition < 3; ++repetition) {
        const std::vector<int> foldOf = DrawFolds(generator, 250, 10);
        for (int fold = 0; fold < 10; ++fold)
            predictFold(result->shape, data, TrainingRows(foldOf, fold), HeldOutRows(foldOf, fold), true, sums);
    }
    expectAccuracy(*result, data, sums, 3);
}

TEST_F(PredictEcsiTest, FoldsBeyondTheCasesAndTooFewAreRefusedWithTheReason) {
    for (const int folds : {1, 251}) {
        user_.clear();
        EXPECT_FALSE(predict({folds, 1, 1, PredictTechnique::DirectAntecedents}).has_value());
        ASSERT_FALSE(user_.messages().empty());
        EXPECT_NE(user_.messages().back().text.find("the folds must number from 2 to the 250 cases; " +
                                                    std::to_string(folds) + " were asked for."),
                  std::string::npos)
            << user_.messages().back().text;
    }
    EXPECT_FALSE(predict({10, 0, 1, PredictTechnique::DirectAntecedents}).has_value());
    EXPECT_NE(user_.messages().back().text.find("repetitions must number from 1"), std::string::npos);
}

// CUEX1 varies in the first case only: the fold that holds that case out leaves a training
// sample the engine rejects, and the run names the fold and the engine's reason.
TEST_F(PredictEcsiTest, ATrainingSampleTheEngineRejectsEndsTheRunNamingItsFold) {
    const std::filesystem::path data = folder_ / "project" / "mobi.txt";
    std::istringstream in(testing::readBytes(data));
    std::string text, line;
    for (int row = 0; std::getline(in, line); ++row) {
        if (row > 0) line.replace(0, line.find(' '), row == 1 ? "6" : "5");
        text += line + "\n";
    }
    std::ofstream(data, std::ios::binary) << text;
    EXPECT_FALSE(predict({10, 1, 4, PredictTechnique::DirectAntecedents}).has_value());
    ASSERT_FALSE(user_.messages().empty());
    const std::string told = user_.messages().back().text;
    EXPECT_NE(told.find("The model cannot be predicted: the engine rejected the training cases of repetition 1, fold "),
              std::string::npos)
        << told;
    EXPECT_TRUE(told.ends_with(": indicator CUEX1 is constant.")) << told;
}

}  // namespace
}  // namespace qv
