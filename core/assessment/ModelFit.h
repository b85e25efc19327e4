#pragma once

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"
#include "core/assessment/PlsEstimate.h"

namespace qv {

// SRMR of the saturated model (construct correlations of the scores) and of the estimated
// model (construct correlations the structural model implies).
struct SrmrPair {
    double saturated = 0;
    double estimated = 0;
};
// Common factor: every implied correlation l_i l_j φ, within a block too; composite: the
// within-block correlations are the empirical ones.
struct Srmr {
    SrmrPair commonFactor;
    SrmrPair composite;
};
Srmr ComputeSrmr(const ModelShape& shape, const Eigen::MatrixXd& r, const PlsEstimate& estimate);

// The construct correlations the structural model implies: the exogenous constructs'
// correlations as estimated, the endogenous ones through (I - B)⁻¹ with Var(ζ) = 1 - R².
Eigen::MatrixXd ImpliedConstructCorrelations(const ModelShape& shape, const PlsEstimate& estimate);

}  // namespace qv
