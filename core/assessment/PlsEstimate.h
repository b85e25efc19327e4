#pragma once

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"

namespace qv {

// One PLS estimate, everything derived from the indicator correlations R and the outer
// weights, so that the same code serves the sample, its subsamples and its jackknife.
struct PlsEstimate {
    Eigen::VectorXd weights;            // per indicator, scaled to unit score variance
    Eigen::MatrixXd crossLoadings;      // indicators x constructs: correlation with each score
    Eigen::VectorXd loadings;           // correlation with its own construct's score
    Eigen::MatrixXd scoreCorrelations;  // constructs x constructs
    Eigen::MatrixXd paths;              // (from, to) least-squares coefficients, 0 without a path
    Eigen::VectorXd rSquare;            // 0 for a construct without predictors
};

// The estimate the given weights imply; the weights are rescaled first.
PlsEstimate EstimateFromWeights(const ModelShape& shape, const Eigen::MatrixXd& r,
                                Eigen::VectorXd weights);

// The coefficients of construct `to` regressed on the given predictors' scores, and its R².
struct Regression {
    Eigen::VectorXd coefficients;
    double rSquare = 0;
};
Regression RegressScores(const Eigen::MatrixXd& scoreCorrelations, const std::vector<int>& predictors,
                         int to);

// Every endogenous construct regressed on its predictors: (from, to) coefficients, 0 without a
// path, and R², 0 for a construct without predictors.
struct InnerModel {
    Eigen::MatrixXd paths;
    Eigen::VectorXd rSquare;
};
InnerModel FitInnerModel(const ModelShape& shape, const Eigen::MatrixXd& scoreCorrelations);

struct PlsFit {
    PlsEstimate estimate;
    int iterations = 0;
    bool converged = false;
};

// The PLS fixed point (Mode A or B per block, the shape's inner scheme) from the given
// start weights, iterated until no weight changes by more than tolerance. Started from an
// engine's estimate it lands on the same solution at full double precision.
PlsFit FitPls(const ModelShape& shape, const Eigen::MatrixXd& r, const Eigen::VectorXd& start,
              double tolerance = 1e-12, int maxIterations = 1000);

}  // namespace qv
