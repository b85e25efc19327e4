#pragma once

#include "lvpls/PathModel.h"

#include <Eigen/Dense>

namespace lvpls {

// Means, sample standard deviations (divisor n - 1) and the correlation matrix of the
// indicators: everything the iteration needs, since all its steps are linear in the data.
struct StandardizedData {
    Eigen::VectorXd means;
    Eigen::VectorXd deviations;
    Eigen::MatrixXd correlations;

    Eigen::MatrixXd standardize(const Eigen::MatrixXd& data) const;
};

// Throws ProblemError for too few cases or a constant indicator.
StandardizedData describeData(const Eigen::MatrixXd& data, const PathModel& model);

}  // namespace lvpls
