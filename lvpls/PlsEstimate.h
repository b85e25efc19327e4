#pragma once

#include "lvpls/Problem.h"

#include <Eigen/Dense>

namespace lvpls {

// Standardized results of one estimate; vectors run over indicators or blocks, matrices are
// blocks x blocks with row = dependent and column = predictor.
struct PlsEstimate {
    Eigen::VectorXd weights;
    Eigen::VectorXd loadings;
    Eigen::MatrixXd latentCorrelations;
    Eigen::MatrixXd pathCoefficients;
    Eigen::VectorXd rSquare;
    int iterations = 0;
    bool converged = false;
    double lastChange = 0;
};

// Highest iteration count carried out, whatever the card asks, so that no input can hang the engine.
inline constexpr int kIterationLimit = 10000;

// Estimates the model from the indicators' correlation matrix. Throws ProblemError.
PlsEstimate estimatePls(const PathModel& model, const Eigen::MatrixXd& correlations,
                        const EstimationSettings& settings);

}  // namespace lvpls
