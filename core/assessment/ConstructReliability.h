#pragma once

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"

namespace qv {

// Reliability and convergent validity of each construct, undefined for formative blocks.
struct ConstructReliability {
    Eigen::VectorXd rhoA;   // from the weights; 1 for a single indicator
    Eigen::VectorXd rhoC;   // composite reliability (Σl)² / ((Σl)² + Σ(1 - l²))
    Eigen::VectorXd ave;    // mean of the squared loadings
    Eigen::VectorXd alpha;  // Cronbach's alpha of the raw values; undefined for one indicator
};

// rho_A of one block from its weights (any scale) and its indicators' correlations; 1 for a
// single indicator.
double BlockRhoA(const Eigen::VectorXd& weights, const Eigen::MatrixXd& correlations);

ConstructReliability ComputeConstructReliability(const ModelShape& shape, const Eigen::MatrixXd& r,
                                                 const Eigen::VectorXd& weights,
                                                 const Eigen::VectorXd& loadings,
                                                 const Eigen::MatrixXd& raw);

}  // namespace qv
