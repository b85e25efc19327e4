#include "lvpls/InnerWeights.h"

#include "lvpls/LatentMoments.h"

namespace lvpls {
namespace {

// Path weighting: regression coefficients for predecessors, correlations for successors.
void pathWeights(const PathModel& model, const Eigen::MatrixXd& correlations, int j, Eigen::MatrixXd& e) {
    const std::vector<int> predecessors = model.predecessors(j);
    if (!predecessors.empty()) {
        const Eigen::VectorXd beta = regressionCoefficients(model, correlations, j, predecessors);
        for (std::size_t p = 0; p < predecessors.size(); ++p) e(j, predecessors[p]) = beta(Eigen::Index(p));
    }
    for (int k : model.successors(j)) e(j, k) = correlations(j, k);
}

}  // namespace

Eigen::MatrixXd innerWeights(const PathModel& model, const Eigen::MatrixXd& latentCorrelations,
                             InnerScheme scheme) {
    const int blocks = model.blockCount();
    Eigen::MatrixXd e = Eigen::MatrixXd::Zero(blocks, blocks);
    for (int j = 0; j < blocks; ++j) {
        bool hasNeighbour = false;
        for (int k = 0; k < blocks; ++k) hasNeighbour = hasNeighbour || (k != j && model.adjacent(j, k));
        if (!hasNeighbour) {
            e(j, j) = 1.0;
            continue;
        }
        if (scheme == InnerScheme::Path) {
            pathWeights(model, latentCorrelations, j, e);
            continue;
        }
        for (int k = 0; k < blocks; ++k) {
            if (k == j || !model.adjacent(j, k)) continue;
            const double r = latentCorrelations(j, k);
            e(j, k) = scheme == InnerScheme::Factor ? r : (r < 0 ? -1.0 : 1.0);
        }
    }
    return e;
}

}  // namespace lvpls
