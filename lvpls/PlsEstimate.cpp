#include "lvpls/PlsEstimate.h"

#include "lvpls/InnerWeights.h"
#include "lvpls/LatentMoments.h"
#include "lvpls/ProblemError.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace lvpls {
namespace {

// Scales each block's weights so that its score has unit variance.
void normalizeWeights(const PathModel& model, const Eigen::MatrixXd& correlations, Eigen::VectorXd& weights) {
    for (const Block& block : model.blocks()) {
        auto w = weights.segment(block.firstIndicator, block.indicatorCount);
        const double variance =
            w.dot(correlations.block(block.firstIndicator, block.firstIndicator, block.indicatorCount,
                                     block.indicatorCount) * w);
        if (!(variance > 1e-300) || !std::isfinite(variance)) {
            throw ProblemError("the score of block " + block.name + " vanished during the iteration");
        }
        w /= std::sqrt(variance);
    }
}

using ModeBFactors = std::vector<std::optional<Eigen::LDLT<Eigen::MatrixXd>>>;

ModeBFactors factorModeBBlocks(const PathModel& model, const Eigen::MatrixXd& correlations) {
    ModeBFactors factors(model.blockCount());
    for (int j = 0; j < model.blockCount(); ++j) {
        const Block& block = model.block(j);
        if (block.mode != OuterMode::B) continue;
        factors[j].emplace(correlations.block(block.firstIndicator, block.firstIndicator, block.indicatorCount,
                                              block.indicatorCount));
        // A zero pivot passes info() and rcond(): the solver would treat it as a zero weight.
        const Eigen::VectorXd pivots = factors[j]->vectorD().cwiseAbs();
        if (factors[j]->info() != Eigen::Success || !(factors[j]->rcond() > 1e-12) ||
            !(pivots.minCoeff() > 1e-12 * pivots.maxCoeff())) {
            throw ProblemError("the indicators of Mode B block " + block.name + " are linearly dependent");
        }
    }
    return factors;
}

// One outer step: each block's weights from the covariances of its indicators with its inner proxy.
Eigen::VectorXd updatedWeights(const PathModel& model, const Eigen::MatrixXd& correlations,
                               const Eigen::VectorXd& weights, InnerScheme scheme, const ModeBFactors& modeB) {
    const LatentMoments moments = latentMoments(model, correlations, weights);
    const Eigen::MatrixXd e = innerWeights(model, moments.latentCorrelations, scheme);
    Eigen::VectorXd next(weights.size());
    for (int j = 0; j < model.blockCount(); ++j) {
        const Block& block = model.block(j);
        Eigen::VectorXd proxyCovariances =
            moments.indicatorCovariances.middleRows(block.firstIndicator, block.indicatorCount) *
            e.row(j).transpose();
        if (modeB[j]) proxyCovariances = modeB[j]->solve(proxyCovariances);
        next.segment(block.firstIndicator, block.indicatorCount) = proxyCovariances;
    }
    normalizeWeights(model, correlations, next);
    return next;
}

void computeInnerModel(const PathModel& model, PlsEstimate& estimate) {
    const int blocks = model.blockCount();
    estimate.pathCoefficients = Eigen::MatrixXd::Zero(blocks, blocks);
    estimate.rSquare = Eigen::VectorXd::Zero(blocks);
    for (int j = 0; j < blocks; ++j) {
        const std::vector<int> predecessors = model.predecessors(j);
        if (predecessors.empty()) continue;
        const Eigen::VectorXd beta = regressionCoefficients(model, estimate.latentCorrelations, j, predecessors);
        for (std::size_t p = 0; p < predecessors.size(); ++p) {
            estimate.pathCoefficients(j, predecessors[p]) = beta(Eigen::Index(p));
            estimate.rSquare(j) += beta(Eigen::Index(p)) * estimate.latentCorrelations(predecessors[p], j);
        }
    }
}

}  // namespace

PlsEstimate estimatePls(const PathModel& model, const Eigen::MatrixXd& correlations,
                        const EstimationSettings& settings) {
    const ModeBFactors modeB = factorModeBBlocks(model, correlations);
    PlsEstimate estimate;
    estimate.weights = Eigen::VectorXd::Ones(model.indicatorCount());
    normalizeWeights(model, correlations, estimate.weights);
    const int limit = std::clamp(settings.maxIterations, 1, kIterationLimit);
    while (estimate.iterations < limit && !estimate.converged) {
        Eigen::VectorXd next = updatedWeights(model, correlations, estimate.weights, settings.scheme, modeB);
        estimate.lastChange = (next - estimate.weights).cwiseAbs().maxCoeff();
        estimate.weights = std::move(next);
        ++estimate.iterations;
        estimate.converged = estimate.lastChange < settings.tolerance;
    }
    const LatentMoments moments = latentMoments(model, correlations, estimate.weights);
    estimate.latentCorrelations = moments.latentCorrelations;
    estimate.loadings.resize(model.indicatorCount());
    for (int j = 0; j < model.blockCount(); ++j) {
        const Block& block = model.block(j);
        estimate.loadings.segment(block.firstIndicator, block.indicatorCount) =
            moments.indicatorCovariances.col(j).segment(block.firstIndicator, block.indicatorCount);
    }
    computeInnerModel(model, estimate);
    if (!estimate.weights.allFinite() || !estimate.latentCorrelations.allFinite()) {
        throw ProblemError("the estimates are not finite numbers");
    }
    return estimate;
}

}  // namespace lvpls
