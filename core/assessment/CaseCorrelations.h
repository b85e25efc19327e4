#pragma once

#include <vector>

#include <Eigen/Dense>

namespace qv {

// Indicator correlations of a resample of the standardized data z (cases x indicators),
// each indicator standardized again within the resample, as an estimate of it would be.

// The cases drawn (0-based, repeats counted) from zt = z', one column per case, so that a
// drawn case is copied whole.
Eigen::MatrixXd CorrelationsOfCases(const Eigen::MatrixXd& zt, const std::vector<int>& cases);

// Every case but one, from zz = z'z of all cases, whose columns sum to 0.
Eigen::MatrixXd CorrelationsWithout(const Eigen::MatrixXd& z, const Eigen::MatrixXd& zz, int row);

}  // namespace qv
