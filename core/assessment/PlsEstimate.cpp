#include "core/assessment/PlsEstimate.h"

#include <cmath>
#include <utility>

namespace qv {
namespace {

Eigen::MatrixXd weightMatrix(const ModelShape& shape, const Eigen::VectorXd& weights) {
    Eigen::MatrixXd w = Eigen::MatrixXd::Zero(shape.indicatorCount(), shape.constructCount());
    for (int i = 0; i < shape.indicatorCount(); ++i) w(i, shape.blockOf[static_cast<size_t>(i)]) = weights(i);
    return w;
}

Eigen::MatrixXd submatrix(const Eigen::MatrixXd& m, const std::vector<int>& rows,
                          const std::vector<int>& columns) {
    Eigen::MatrixXd part(rows.size(), columns.size());
    for (size_t a = 0; a < rows.size(); ++a)
        for (size_t b = 0; b < columns.size(); ++b) part(a, b) = m(rows[a], columns[b]);
    return part;
}

// Each block's weights divided by the standard deviation of its score.
Eigen::VectorXd scaled(const ModelShape& shape, const Eigen::MatrixXd& r, Eigen::VectorXd weights) {
    for (int k = 0; k < shape.constructCount(); ++k) {
        const std::vector<int> block = shape.block(k);
        const Eigen::VectorXd w = weights(block);
        const double variance = w.dot(submatrix(r, block, block) * w);
        if (variance > 0) weights(block) /= std::sqrt(variance);
    }
    return weights;
}

// E(k, j): the weight of score k in the inner proxy of construct j.
Eigen::MatrixXd innerWeights(const ModelShape& shape, const Eigen::MatrixXd& phi) {
    const int constructs = shape.constructCount();
    Eigen::MatrixXd e = Eigen::MatrixXd::Zero(constructs, constructs);
    for (const auto& [from, to] : shape.paths) {
        for (const auto& [k, j] : {std::pair{from, to}, std::pair{to, from}}) {
            if (shape.scheme == InnerScheme::Centroid)
                e(k, j) = phi(k, j) < 0 ? -1.0 : 1.0;
            else
                e(k, j) = phi(k, j);
        }
    }
    // The path scheme weighs a construct's predecessors by their regression coefficients.
    if (shape.scheme == InnerScheme::Path)
        for (int j = 0; j < constructs; ++j) {
            const std::vector<int> predictors = shape.predictors(j);
            if (predictors.empty()) continue;
            const Regression fit = RegressScores(phi, predictors, j);
            for (size_t p = 0; p < predictors.size(); ++p) e(predictors[p], j) = fit.coefficients(p);
        }
    // A construct without neighbours is its own proxy, so its weights follow its loadings.
    for (int j = 0; j < constructs; ++j)
        if (e.col(j).isZero()) e(j, j) = 1;
    return e;
}

Eigen::VectorXd outerWeights(const ModelShape& shape, const Eigen::MatrixXd& r,
                             const Eigen::MatrixXd& covariances) {
    Eigen::VectorXd weights(shape.indicatorCount());
    for (int k = 0; k < shape.constructCount(); ++k) {
        const std::vector<int> block = shape.block(k);
        Eigen::VectorXd own(block.size());
        for (size_t a = 0; a < block.size(); ++a) own(a) = covariances(block[a], k);
        if (shape.formative[static_cast<size_t>(k)]) own = submatrix(r, block, block).ldlt().solve(own);
        weights(block) = own;
    }
    return weights;
}

}  // namespace

Regression RegressScores(const Eigen::MatrixXd& phi, const std::vector<int>& predictors, int to) {
    Regression fit;
    const Eigen::VectorXd covariances = phi(predictors, to);
    fit.coefficients = submatrix(phi, predictors, predictors).ldlt().solve(covariances);
    fit.rSquare = covariances.dot(fit.coefficients);
    return fit;
}

PlsEstimate EstimateFromWeights(const ModelShape& shape, const Eigen::MatrixXd& r,
                                Eigen::VectorXd weights) {
    PlsEstimate estimate;
    estimate.weights = scaled(shape, r, std::move(weights));
    const Eigen::MatrixXd w = weightMatrix(shape, estimate.weights);
    estimate.crossLoadings = r * w;
    estimate.scoreCorrelations = w.transpose() * estimate.crossLoadings;
    estimate.scoreCorrelations.diagonal().setOnes();
    estimate.loadings.resize(shape.indicatorCount());
    for (int i = 0; i < shape.indicatorCount(); ++i)
        estimate.loadings(i) = estimate.crossLoadings(i, shape.blockOf[static_cast<size_t>(i)]);
    InnerModel inner = FitInnerModel(shape, estimate.scoreCorrelations);
    estimate.paths = std::move(inner.paths);
    estimate.rSquare = std::move(inner.rSquare);
    return estimate;
}

InnerModel FitInnerModel(const ModelShape& shape, const Eigen::MatrixXd& phi) {
    const int constructs = shape.constructCount();
    InnerModel inner{Eigen::MatrixXd::Zero(constructs, constructs), Eigen::VectorXd::Zero(constructs)};
    for (int j = 0; j < constructs; ++j) {
        const std::vector<int> predictors = shape.predictors(j);
        if (predictors.empty()) continue;
        const Regression fit = RegressScores(phi, predictors, j);
        for (size_t p = 0; p < predictors.size(); ++p) inner.paths(predictors[p], j) = fit.coefficients(p);
        inner.rSquare(j) = fit.rSquare;
    }
    return inner;
}

PlsFit FitPls(const ModelShape& shape, const Eigen::MatrixXd& r, const Eigen::VectorXd& start,
              double tolerance, int maxIterations) {
    Eigen::VectorXd weights = scaled(shape, r, start);
    PlsFit fit;
    while (fit.iterations < maxIterations && !fit.converged) {
        const Eigen::MatrixXd w = weightMatrix(shape, weights);
        const Eigen::MatrixXd covariances = r * w;
        Eigen::MatrixXd phi = w.transpose() * covariances;
        phi.diagonal().setOnes();
        const Eigen::VectorXd next =
            scaled(shape, r, outerWeights(shape, r, covariances * innerWeights(shape, phi)));
        fit.converged = (next - weights).cwiseAbs().maxCoeff() < tolerance;
        weights = next;
        ++fit.iterations;
    }
    fit.estimate = EstimateFromWeights(shape, r, weights);
    return fit;
}

}  // namespace qv
