#include "core/predict/FoldPrediction.h"

#include <cmath>
#include <functional>

#include "core/assessment/PlsEstimate.h"

namespace qv {
namespace {

using Eigen::MatrixXd;

// The constructs, each after every construct that predicts it.
std::vector<int> causalOrder(const ModelShape& shape) {
    std::vector<int> order;
    std::vector<bool> placed(static_cast<size_t>(shape.constructCount()), false);
    std::function<void(int)> place = [&](int k) {
        if (placed[static_cast<size_t>(k)]) return;
        placed[static_cast<size_t>(k)] = true;
        for (int predictor : shape.predictors(k)) place(predictor);
        order.push_back(k);
    };
    for (int k = 0; k < shape.constructCount(); ++k) place(k);
    return order;
}

MatrixXd predictScores(const ModelShape& shape, const MatrixXd& scores, const MatrixXd& paths,
                       PredictTechnique technique) {
    if (technique == PredictTechnique::DirectAntecedents) return scores * paths;
    MatrixXd predicted = scores;
    for (int k : causalOrder(shape))
        if (shape.endogenous(k)) predicted.col(k) = predicted * paths.col(k);
    return predicted;
}

MatrixXd weightMatrix(const ModelShape& shape, const Eigen::VectorXd& weights) {
    MatrixXd w = MatrixXd::Zero(shape.indicatorCount(), shape.constructCount());
    for (int i = 0; i < shape.indicatorCount(); ++i) w(i, shape.blockOf[static_cast<size_t>(i)]) = weights(i);
    return w;
}

// Each endogenous indicator regressed on an intercept and the exogenous indicators of the
// training cases, applied to the held-out cases.
MatrixXd benchmarkPrediction(const ModelShape& shape, const MatrixXd& training, const MatrixXd& heldOut) {
    const std::vector<int> exogenous = IndicatorsOf(shape, false), endogenous = IndicatorsOf(shape, true);
    const auto withIntercept = [&](const MatrixXd& cases) {
        MatrixXd x(cases.rows(), static_cast<Eigen::Index>(exogenous.size()) + 1);
        x << Eigen::VectorXd::Ones(cases.rows()), cases(Eigen::all, exogenous);
        return x;
    };
    const MatrixXd coefficients = withIntercept(training).colPivHouseholderQr().solve(training(Eigen::all, endogenous));
    MatrixXd prediction = MatrixXd::Zero(heldOut.rows(), shape.indicatorCount());
    prediction(Eigen::all, endogenous) = withIntercept(heldOut) * coefficients;
    return prediction;
}

}  // namespace

std::vector<int> IndicatorsOf(const ModelShape& shape, bool endogenous) {
    std::vector<int> indicators;
    for (int i = 0; i < shape.indicatorCount(); ++i)
        if (shape.endogenous(shape.blockOf[static_cast<size_t>(i)]) == endogenous) indicators.push_back(i);
    return indicators;
}

FoldPrediction PredictFold(const ModelShape& shape, const MatrixXd& raw, const std::vector<int>& trainingRows,
                           const std::vector<int>& heldOutRows, const Eigen::VectorXd& startWeights,
                           PredictTechnique technique) {
    FoldPrediction fold;
    const MatrixXd training = raw(trainingRows, Eigen::all), heldOut = raw(heldOutRows, Eigen::all);
    fold.trainingMeans = training.colwise().mean();
    const MatrixXd centred = training.rowwise() - fold.trainingMeans;
    const double n1 = static_cast<double>(training.rows() - 1);
    const Eigen::RowVectorXd sd = (centred.colwise().squaredNorm() / n1).cwiseSqrt();
    for (int i = 0; i < shape.indicatorCount(); ++i)
        if (!(sd(i) > 1e-12 * (std::abs(fold.trainingMeans(i)) + 1))) {
            fold.error = "indicator " + shape.indicators[static_cast<size_t>(i)] + " has the same value in every training case";
            return fold;
        }
    const MatrixXd z = centred.array().rowwise() / sd.array();
    MatrixXd r = z.transpose() * z / n1;
    r.diagonal().setOnes();
    const PlsFit fit = FitPls(shape, r, startWeights);
    if (!fit.converged) {
        fold.error = "the estimate of the training cases does not converge again from the engine's weights";
        return fold;
    }
    const PlsEstimate& estimate = fit.estimate;
    const MatrixXd heldOutZ = (heldOut.rowwise() - fold.trainingMeans).array().rowwise() / sd.array();
    fold.scores = heldOutZ * weightMatrix(shape, estimate.weights);
    fold.predictedScores = predictScores(shape, fold.scores, estimate.paths, technique);
    fold.model = MatrixXd::Zero(heldOut.rows(), shape.indicatorCount());
    for (int i : IndicatorsOf(shape, true)) {
        const int k = shape.blockOf[static_cast<size_t>(i)];
        fold.model.col(i) = (fold.predictedScores.col(k) * (estimate.loadings(i) * sd(i))).array() + fold.trainingMeans(i);
    }
    fold.benchmark = benchmarkPrediction(shape, training, heldOut);
    return fold;
}

}  // namespace qv
