#pragma once

#include "lvpls/PathModel.h"

#include <Eigen/Dense>

#include <vector>

namespace lvpls {

// Replaces every cell equal to its column's code by the mean of the column's other values
// and returns the number of cells replaced per column. Throws ProblemError for a column
// without any value.
std::vector<int> replaceMissingByMeans(Eigen::MatrixXd& data, const std::vector<double>& codes,
                                       const PathModel& model);

}  // namespace lvpls
