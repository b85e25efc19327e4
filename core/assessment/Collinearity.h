#pragma once

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"

namespace qv {

// Variance inflation factors 1 / (1 - R²), the diagonal of an inverse correlation matrix:
// outer, per indicator within its block (1 for a single indicator); inner, per path, of the
// predictor among its equation's predictors, as (from, to), undefined without a path (1 for
// a single predictor). Linearly dependent variables have no finite factor: undefined.
Eigen::VectorXd OuterVif(const ModelShape& shape, const Eigen::MatrixXd& r);
Eigen::MatrixXd InnerVif(const ModelShape& shape, const Eigen::MatrixXd& scoreCorrelations);

}  // namespace qv
