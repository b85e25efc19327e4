#pragma once

#include "lvpls/PathModel.h"

#include <Eigen/Dense>

#include <string>
#include <vector>

namespace lvpls {

// Covariances of the standardized indicators with the latent scores (indicators x blocks)
// and the latent correlations (blocks x blocks) for outer weights w of unit-variance scores.
struct LatentMoments {
    Eigen::MatrixXd indicatorCovariances;
    Eigen::MatrixXd latentCorrelations;
};

LatentMoments latentMoments(const PathModel& model, const Eigen::MatrixXd& correlations,
                            const Eigen::VectorXd& weights);

// Least squares of block `dependent` on `predictors` from latent correlations.
// Throws ProblemError when the predictors are collinear.
Eigen::VectorXd regressionCoefficients(const PathModel& model, const Eigen::MatrixXd& latentCorrelations,
                                       int dependent, const std::vector<int>& predictors);

// Solves a symmetric positive (semi)definite system; throws ProblemError(reason) when singular.
Eigen::VectorXd solveSymmetric(const Eigen::MatrixXd& matrix, const Eigen::VectorXd& rhs,
                               const std::string& reason);

}  // namespace lvpls
