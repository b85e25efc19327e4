#include <gtest/gtest.h>

#include <cmath>

#include "core/assessment/Collinearity.h"
#include "core/assessment/ConstructReliability.h"
#include "core/assessment/DiscriminantValidity.h"
#include "core/assessment/EffectSizes.h"
#include "core/assessment/FigureText.h"
#include "core/assessment/PlsEstimate.h"

namespace qv {
namespace {

// Two constructs A -> B, A measured by a1 a2 (r = 0.6), B by b1 b2 (r = 0.4), and C by the
// single indicator c; one heterotrait correlation of A and B is negative.
class SmallModel : public ::testing::Test {
protected:
    SmallModel() {
        shape_.constructs = {"A", "B", "C"};
        shape_.formative = {false, false, false};
        shape_.indicators = {"a1", "a2", "b1", "b2", "c"};
        shape_.blockOf = {0, 0, 1, 1, 2};
        shape_.paths = {{0, 1}, {1, 2}};
        r_ << 1, 0.6, 0.3, -0.2, 0.1,  //
            0.6, 1, 0.25, 0.35, 0.2,   //
            0.3, 0.25, 1, 0.4, 0.3,    //
            -0.2, 0.35, 0.4, 1, 0.25,  //
            0.1, 0.2, 0.3, 0.25, 1;
    }
    ModelShape shape_;
    Eigen::Matrix<double, 5, 5> r_;
};

TEST_F(SmallModel, HeterotraitRatiosAverageAbsoluteOrGeometricCorrelations) {
    const Eigen::MatrixXd htmt = HeterotraitMonotrait(shape_, r_);
    EXPECT_NEAR(htmt(1, 0), (0.3 + 0.2 + 0.25 + 0.35) / 4 / std::sqrt(0.6 * 0.4), 1e-15);
    EXPECT_EQ(htmt(0, 1), htmt(1, 0));
    EXPECT_TRUE(std::isnan(htmt(0, 0)));
    // A single indicator's monotrait mean is 1.
    EXPECT_NEAR(htmt(2, 1), (0.3 + 0.25) / 2 / std::sqrt(0.4), 1e-15);
    const Eigen::MatrixXd htmt2 = HeterotraitMonotraitGeometric(shape_, r_);
    EXPECT_TRUE(std::isnan(htmt2(1, 0))) << "one negative correlation: the product is negative";
    EXPECT_NEAR(htmt2(2, 0), std::sqrt(0.1 * 0.2) / std::sqrt(0.6), 1e-15);
    r_(0, 3) = r_(3, 0) = 0.2;
    EXPECT_NEAR(HeterotraitMonotraitGeometric(shape_, r_)(1, 0),
                std::pow(0.3 * 0.2 * 0.25 * 0.35, 0.25) / std::sqrt(0.6 * 0.4), 1e-15);
}

TEST_F(SmallModel, VarianceInflationIsOneForSingleVariablesAndUndefinedWhenCollinear) {
    const Eigen::VectorXd outer = OuterVif(shape_, r_);
    EXPECT_NEAR(outer(0), 1 / (1 - 0.36), 1e-12);
    EXPECT_NEAR(outer(3), 1 / (1 - 0.16), 1e-12);
    EXPECT_EQ(outer(4), 1.0);
    r_(0, 1) = r_(1, 0) = 1.0;
    EXPECT_TRUE(std::isnan(OuterVif(shape_, r_)(0)));
    Eigen::Matrix3d phi;
    phi << 1, 0.5, 0.3, 0.5, 1, 0.4, 0.3, 0.4, 1;
    shape_.paths.push_back({0, 2});
    const Eigen::MatrixXd inner = InnerVif(shape_, phi);
    EXPECT_EQ(inner(0, 1), 1.0);
    EXPECT_NEAR(inner(0, 2), 1 / (1 - 0.25), 1e-12);
    EXPECT_NEAR(inner(1, 2), 1 / (1 - 0.25), 1e-12);
    EXPECT_TRUE(std::isnan(inner(2, 0)));
}

TEST_F(SmallModel, FitConvergesToOneSolutionFromAnyStartAndItsFiguresAgree) {
    const PlsFit fromOnes = FitPls(shape_, r_, Eigen::VectorXd::Ones(5));
    Eigen::VectorXd start(5);
    start << 0.9, 0.1, 0.2, 0.8, 3;
    const PlsFit fromElsewhere = FitPls(shape_, r_, start);
    ASSERT_TRUE(fromOnes.converged && fromElsewhere.converged);
    // A block's signs are not determined: this start lands on A's mirror image.
    EXPECT_LT((fromOnes.estimate.weights.cwiseAbs() - fromElsewhere.estimate.weights.cwiseAbs()).cwiseAbs().maxCoeff(),
              1e-11);
    EXPECT_LT(fromElsewhere.estimate.weights(0), 0);
    const PlsEstimate& e = fromOnes.estimate;
    // Mode A: each weight is proportional to the indicator's correlation with the inner proxy;
    // every score has unit variance; a single predictor's path is the scores' correlation.
    const Eigen::Vector2d w = e.weights.head(2);
    EXPECT_NEAR(w.dot(r_.topLeftCorner(2, 2) * w), 1.0, 1e-12);
    EXPECT_NEAR(e.paths(0, 1), e.scoreCorrelations(0, 1), 1e-12);
    EXPECT_NEAR(e.rSquare(1), std::pow(e.scoreCorrelations(0, 1), 2), 1e-12);
    EXPECT_EQ(e.paths(1, 0), 0.0);
    EXPECT_NEAR(e.loadings(4), 1.0, 1e-12);
    const Eigen::MatrixXd f2 = EffectSizeF2(shape_, e);
    EXPECT_NEAR(f2(0, 1), e.rSquare(1) / (1 - e.rSquare(1)), 1e-12);
}

TEST_F(SmallModel, ReliabilityIsUndefinedWhereItHasNoMeaning) {
    Eigen::MatrixXd raw(4, 5);
    raw << 1, 2, 3, 4, 5,  //
        2, 2, 4, 3, 1,     //
        3, 4, 4, 5, 2,     //
        4, 3, 5, 5, 4;
    shape_.formative[1] = true;
    const Eigen::VectorXd weights = Eigen::VectorXd::Constant(5, 0.5);
    const Eigen::VectorXd loadings = Eigen::VectorXd::Constant(5, 0.8);
    const ConstructReliability r = ComputeConstructReliability(shape_, r_, weights, loadings, raw);
    EXPECT_NEAR(r.rhoC(0), 1.6 * 1.6 / (1.6 * 1.6 + 2 * 0.36), 1e-12);
    EXPECT_NEAR(r.ave(0), 0.64, 1e-12);
    // Two items of equal weight, of any scale: rho_A is 2r / (1 + r) of their correlation 0.6.
    EXPECT_NEAR(r.rhoA(0), 2 * 0.6 / 1.6, 1e-12);
    for (const Eigen::VectorXd* figure : {&r.rhoA, &r.rhoC, &r.ave, &r.alpha})
        EXPECT_TRUE(std::isnan((*figure)(1))) << "formative";
    EXPECT_TRUE(std::isnan(r.alpha(2))) << "single indicator";
    EXPECT_EQ(r.rhoA(2), 1.0);
    EXPECT_EQ(FigureText(r.alpha(2)), "n/a");
}

TEST(Effects, ChainsOfPathsGiveIndirectAndTotalEffects) {
    Eigen::Matrix3d paths = Eigen::Matrix3d::Zero();
    paths(0, 1) = 0.5;  // A -> B
    paths(1, 2) = 0.4;  // B -> C
    paths(0, 2) = 0.1;  // A -> C
    const Effects effects = ComputeEffects(paths);
    EXPECT_NEAR(effects.indirect(0, 2), 0.2, 1e-15);
    EXPECT_NEAR(effects.total(0, 2), 0.3, 1e-15);
    EXPECT_EQ(effects.indirect(0, 1), 0.0);
    EXPECT_EQ(effects.total(2, 0), 0.0);
    EXPECT_EQ(effects.total(1, 0), 0.0);
}

TEST(FigureTexts, FixedDecimalsWithoutNegativeZero) {
    EXPECT_EQ(FigureText(0.1234567), "0.123457");
    EXPECT_EQ(FigureText(-0.0000001), "0.000000");
    EXPECT_EQ(FigureText(-2.5, 2), "-2.50");
    EXPECT_EQ(FigureText(std::nan("")), "n/a");
}

}  // namespace
}  // namespace qv
