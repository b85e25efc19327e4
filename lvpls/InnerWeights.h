#pragma once

#include "lvpls/PathModel.h"

#include <Eigen/Dense>

namespace lvpls {

// Inner weights e(j, k): block j's inner proxy is the sum over k of e(j, k) times score k.
// Neighbours are blocks joined by a path in either direction; a block without neighbours
// takes its own score (e(j, j) = 1).
Eigen::MatrixXd innerWeights(const PathModel& model, const Eigen::MatrixXd& latentCorrelations,
                             InnerScheme scheme);

}  // namespace lvpls
