#pragma once

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"
#include "core/assessment/PlsEstimate.h"

namespace qv {

// Direct, indirect and total effects as (from, to) matrices: total = (I - B)⁻¹ - I,
// indirect = total - B, B the path coefficients.
struct Effects {
    Eigen::MatrixXd direct;
    Eigen::MatrixXd indirect;
    Eigen::MatrixXd total;
};
Effects ComputeEffects(const Eigen::MatrixXd& paths);

// f² = (R²incl - R²excl) / (1 - R²incl) per path as (from, to), R²excl from the same scores
// regressed on the other predictors; undefined without a path.
Eigen::MatrixXd EffectSizeF2(const ModelShape& shape, const PlsEstimate& estimate);

// 1 - (1 - R²)(n - 1)/(n - k - 1) with k predictors; undefined for exogenous constructs.
Eigen::VectorXd AdjustedRSquare(const ModelShape& shape, const Eigen::VectorXd& rSquare, int cases);

}  // namespace qv
