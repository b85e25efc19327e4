#pragma once

#include <limits>

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"

namespace qv {

// A figure that is not defined for its construct (alpha of one indicator, a reliability of
// a formative block, an HTMT2 with a negative product): the writers print "n/a" or null.
inline constexpr double kUndefined = std::numeric_limits<double>::quiet_NaN();

// Heterotrait-monotrait ratios of every pair of constructs from the indicator correlations:
// symmetric, undefined on the diagonal. HTMT averages the absolute correlations; HTMT2
// takes geometric means of the signed ones and is undefined where a product is not positive.
// A single-indicator block's monotrait mean is 1.
Eigen::MatrixXd HeterotraitMonotrait(const ModelShape& shape, const Eigen::MatrixXd& r);
Eigen::MatrixXd HeterotraitMonotraitGeometric(const ModelShape& shape, const Eigen::MatrixXd& r);

}  // namespace qv
