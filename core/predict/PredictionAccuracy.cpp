#include "core/predict/PredictionAccuracy.h"

#include <cmath>

namespace qv {
namespace {

using Eigen::VectorXd;

double rootMeanSquare(const VectorXd& errors) { return std::sqrt(errors.squaredNorm() / static_cast<double>(errors.size())); }
double meanAbsolute(const VectorXd& errors) { return errors.cwiseAbs().mean(); }
double q2Predict(const VectorXd& errors, const VectorXd& naiveErrors) {
    return 1 - errors.squaredNorm() / naiveErrors.squaredNorm();
}

}  // namespace

PredictionSums::PredictionSums(const ModelShape& shape, int cases)
    : shape_(shape),
      model_(Eigen::MatrixXd::Zero(cases, shape.indicatorCount())),
      benchmark_(model_),
      naive_(model_),
      scoreErrors_(Eigen::MatrixXd::Zero(cases, shape.constructCount())),
      scores_(scoreErrors_),
      predictions_(Eigen::VectorXi::Zero(cases)) {}

void PredictionSums::add(const std::vector<int>& heldOutRows, const FoldPrediction& fold) {
    for (size_t h = 0; h < heldOutRows.size(); ++h) {
        const int row = heldOutRows[h];
        const auto at = static_cast<Eigen::Index>(h);
        model_.row(row) += fold.model.row(at);
        benchmark_.row(row) += fold.benchmark.row(at);
        naive_.row(row) += fold.trainingMeans;
        scoreErrors_.row(row) += fold.scores.row(at) - fold.predictedScores.row(at);
        scores_.row(row) += fold.scores.row(at);
        ++predictions_(row);
    }
}

PredictionAccuracy PredictionSums::accuracy(const Eigen::MatrixXd& raw) const {
    const VectorXd times = predictions_.cast<double>();
    const auto averaged = [&](const Eigen::MatrixXd& sums, int column) -> VectorXd {
        return sums.col(column).cwiseQuotient(times);
    };
    PredictionAccuracy accuracy;
    for (int i : IndicatorsOf(shape_, true)) {
        const VectorXd model = raw.col(i) - averaged(model_, i), benchmark = raw.col(i) - averaged(benchmark_, i);
        const VectorXd naive = raw.col(i) - averaged(naive_, i);
        accuracy.indicators.push_back({i, rootMeanSquare(model), meanAbsolute(model), q2Predict(model, naive),
                                       rootMeanSquare(benchmark), meanAbsolute(benchmark)});
    }
    for (int k = 0; k < shape_.constructCount(); ++k) {
        if (!shape_.endogenous(k)) continue;
        const VectorXd errors = averaged(scoreErrors_, k);
        accuracy.constructs.push_back({k, q2Predict(errors, averaged(scores_, k)), rootMeanSquare(errors), meanAbsolute(errors)});
    }
    return accuracy;
}

}  // namespace qv
