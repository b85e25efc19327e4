// Consistent PLS against figures this test derives itself from the definitions: each block's
// correction factor from the outer products of its weights, the composites' correlations from
// case-level scores, the paths from the normal equations of the corrected correlations.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include <Eigen/Dense>

#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/ConsistentPls.h"
#include "tests/core/assessment/EcsiAssessment.h"

namespace qv {
namespace {

using Eigen::MatrixXd;
using Eigen::VectorXd;
constexpr double kTolerance = 1e-6;

// Figures of one data set and one set of weights, from the standardized cases.
struct Definitions {
    VectorXd rhoA, loadings;
    MatrixXd correlations, paths;
    VectorXd rSquare;
};

Definitions fromDefinitions(const ModelShape& shape, const MatrixXd& z, const VectorXd& weights) {
    const double n1 = static_cast<double>(z.rows() - 1);
    const MatrixXd s = z.transpose() * z / n1;
    const int constructs = shape.constructCount();
    Definitions d{VectorXd::Ones(constructs), VectorXd(shape.indicatorCount()), MatrixXd(z.rows(), constructs),
                  MatrixXd::Zero(constructs, constructs), VectorXd::Zero(constructs)};
    MatrixXd scores(z.rows(), constructs);
    for (int k = 0; k < constructs; ++k) {
        const std::vector<int> block = shape.block(k);
        VectorXd w = weights(block);
        const MatrixXd sk = s(block, block);
        w /= std::sqrt(w.dot(sk * w));  // unit composite variance
        scores.col(k) = z(Eigen::all, block) * w;
        MatrixXd offDiagonal = sk;
        offDiagonal.diagonal().setZero();
        MatrixXd outer = w * w.transpose();
        outer.diagonal().setZero();
        const double c2 = block.size() > 1 ? w.dot(offDiagonal * w) / w.dot(outer * w) : 1 / std::pow(w(0), 4);
        d.rhoA(k) = std::pow(w.squaredNorm(), 2) * c2;
        d.loadings(block) = std::sqrt(c2) * w;
    }
    const MatrixXd plain = scores.transpose() * scores / n1;
    d.correlations = plain;
    for (int a = 0; a < constructs; ++a)
        for (int b = 0; b < constructs; ++b)
            if (a != b) d.correlations(a, b) = plain(a, b) / std::sqrt(d.rhoA(a) * d.rhoA(b));
    for (int j = 0; j < constructs; ++j) {
        const std::vector<int> x = shape.predictors(j);
        if (x.empty()) continue;
        const VectorXd b = d.correlations(x, x).inverse() * d.correlations(x, std::vector<int>{j});
        for (size_t p = 0; p < x.size(); ++p) d.paths(x[p], j) = b(static_cast<Eigen::Index>(p));
        d.rSquare(j) = b.dot(d.correlations(x, std::vector<int>{j}).col(0));
    }
    return d;
}

// Estimates the opened project, corrects it and compares every figure with the definitions.
ConsistentEstimate expectDefinitions(Workbench& workbench) {
    AssessmentCommand command(workbench);
    const auto assessment = command.assess();
    EXPECT_TRUE(assessment.has_value());
    if (!assessment) return {};
    const ModelShape& shape = assessment->shape;
    const ConsistentEstimate c =
        MakeConsistent(shape, IndicatorCorrelations(command.data()), assessment->estimate());
    const Definitions d = fromDefinitions(shape, command.data().standardized, assessment->estimate().weights);
    for (int k = 0; k < shape.constructCount(); ++k) {
        SCOPED_TRACE(shape.constructs[static_cast<size_t>(k)]);
        EXPECT_NEAR(c.rhoA(k), d.rhoA(k), kTolerance);
        EXPECT_NEAR(c.rSquare(k), d.rSquare(k), kTolerance);
        for (int j = 0; j < shape.constructCount(); ++j) {
            EXPECT_NEAR(c.correlations(k, j), d.correlations(k, j), kTolerance) << j;
            EXPECT_NEAR(c.paths(k, j), d.paths(k, j), kTolerance) << j;
        }
    }
    for (int i = 0; i < shape.indicatorCount(); ++i)
        EXPECT_NEAR(c.loadings(i), d.loadings(i), kTolerance) << shape.indicators[static_cast<size_t>(i)];
    EXPECT_TRUE(c.weights.isApprox(assessment->estimate().weights));
    MatrixXd offDiagonal = d.correlations;
    offDiagonal.diagonal().setZero();
    const bool proper = Eigen::SelfAdjointEigenSolver<MatrixXd>(d.correlations).eigenvalues().minCoeff() >= 0 &&
                        offDiagonal.cwiseAbs().maxCoeff() <= 1 && d.loadings.cwiseAbs().maxCoeff() <= 1;
    EXPECT_EQ(c.admissible(), proper);
    return c;
}

class ConsistentEcsiTest : public EcsiAssessment {};

TEST_F(ConsistentEcsiTest, MatchesTheDefinitionsAndTheReferenceReliabilities) {
    estimate();
    const ConsistentEstimate c = expectDefinitions(workbench_);
    ASSERT_EQ(c.rhoA.size(), 7);
    const nlohmann::json& rhoA = reference()["results"]["rho_A"];
    const char* order[] = {"IMAG", "EXPE", "QUAL", "VAL", "SAT", "COM", "LOY"};
    for (int k = 0; k < 7; ++k) EXPECT_NEAR(c.rhoA(k), rhoA[order[k]].get<double>(), kTolerance) << order[k];
    // The expectation block's low reliability lifts its corrected correlations until the matrix
    // is no longer a correlation matrix: told, and the only cause.
    ASSERT_EQ(c.inadmissible.size(), 1u);
    EXPECT_NE(c.inadmissible.front().find("not positive semi-definite"), std::string::npos) << c.inadmissible.front();
}

class ConsistentSatisfactionTest : public EngineProject {};

TEST_F(ConsistentSatisfactionTest, MatchesTheDefinitionsUnderTheCentroidScheme) {
    openProject(std::filesystem::path(QV_TEST_DATA_DIR) / "groups", "satisfaction.qvt", "satisfaction.txt");
    if (IsSkipped() || HasFatalFailure()) return;
    workbench_.parameters().innerWeighting = 1;
    estimate();
    const ConsistentEstimate c = expectDefinitions(workbench_);
    ASSERT_EQ(c.rhoA.size(), 6);
    for (int k = 0; k < 6; ++k) EXPECT_LT(c.rhoA(k), 1.0);  // every block is reflective and fallible
    EXPECT_TRUE(c.admissible()) << (c.inadmissible.empty() ? "" : c.inadmissible.front());
}

// Two blocks of two indicators: weakly related within, strongly between.
ModelShape twoBlocks(bool secondFormative) {
    ModelShape shape;
    shape.constructs = {"A", "B"};
    shape.formative = {false, secondFormative};
    shape.indicators = {"a1", "a2", "b1", "b2"};
    shape.modelIndicators = {0, 1, 2, 3};
    shape.blockOf = {0, 0, 1, 1};
    shape.paths = {{0, 1}};
    return shape;
}

MatrixXd correlations(double within, double between) {
    MatrixXd r(4, 4);
    r << 1, within, between, between, within, 1, between, between, between, between, 1, within, between, between,
        within, 1;
    return r;
}

TEST(ConsistentAdmissibility, ACorrelationAboveOneIsNamedButTheFiguresStay) {
    const ModelShape shape = twoBlocks(false);
    const MatrixXd r = correlations(0.2, 0.5);
    const ConsistentEstimate c = MakeConsistent(shape, r, EstimateFromWeights(shape, r, VectorXd::Ones(4)));
    // Equal weights of two items correlating 0.2: rho_A = 2 * 0.2 / 1.2; composites correlate 2 / 2.4.
    EXPECT_NEAR(c.rhoA(0), 1.0 / 3.0, 1e-12);
    EXPECT_NEAR(c.correlations(0, 1), (2 / 2.4) * 3, 1e-12);
    EXPECT_NEAR(c.paths(0, 1), 2.5, 1e-12);
    ASSERT_FALSE(c.admissible());
    bool named = false;
    for (const std::string& reason : c.inadmissible)
        named |= reason.find("corrected correlation of A and B is 2.500000") != std::string::npos;
    EXPECT_TRUE(named);
    bool notSemiDefinite = false;
    for (const std::string& reason : c.inadmissible)
        notSemiDefinite |= reason.find("not positive semi-definite") != std::string::npos;
    EXPECT_TRUE(notSemiDefinite);
}

TEST(ConsistentAdmissibility, AFormativeBlockKeepsItsCompositeAndAProperModelIsAdmissible) {
    const ModelShape shape = twoBlocks(true);
    const MatrixXd r = correlations(0.6, 0.3);
    const PlsEstimate plain = EstimateFromWeights(shape, r, VectorXd::Ones(4));
    const ConsistentEstimate c = MakeConsistent(shape, r, plain);
    EXPECT_EQ(c.rhoA(1), 1.0);
    EXPECT_NEAR(c.rhoA(0), 2 * 0.6 / 1.6, 1e-12);
    EXPECT_TRUE(c.loadings.tail(2).isApprox(plain.loadings.tail(2)));
    EXPECT_NEAR(c.correlations(0, 1), plain.scoreCorrelations(0, 1) / std::sqrt(1.2 / 1.6), 1e-12);
    // Parallel items: each loading is the square root of their correlation.
    EXPECT_NEAR(c.loadings(0), std::sqrt(0.6), 1e-12);
    EXPECT_TRUE(c.admissible()) << (c.inadmissible.empty() ? "" : c.inadmissible.front());
}

TEST(ConsistentAdmissibility, ANegativeReliabilityIsInadmissible) {
    const ModelShape shape = twoBlocks(false);
    MatrixXd r = correlations(-0.3, 0.1);
    const ConsistentEstimate c = MakeConsistent(shape, r, EstimateFromWeights(shape, r, VectorXd::Ones(4)));
    ASSERT_FALSE(c.admissible());
    EXPECT_NE(c.inadmissible.front().find("rho_A of A is"), std::string::npos) << c.inadmissible.front();
}

}  // namespace
}  // namespace qv
