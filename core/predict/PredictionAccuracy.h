#pragma once

#include <vector>

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"
#include "core/predict/FoldPrediction.h"

namespace qv {

// The out-of-sample accuracy of one endogenous indicator: the PLS model's, Q²predict against
// the training means, and the linear benchmark's.
struct IndicatorAccuracy {
    int indicator = 0;  // position in the shape
    double rmseModel = 0, maeModel = 0, q2Predict = 0;
    double rmseBenchmark = 0, maeBenchmark = 0;
};

// The same for an endogenous construct's score: predicted against the score the training
// estimate gives the held-out case, whose training mean is 0.
struct ConstructAccuracy {
    int construct = 0;
    double q2Predict = 0, rmse = 0, mae = 0;
};

struct PredictionAccuracy {
    std::vector<IndicatorAccuracy> indicators;
    std::vector<ConstructAccuracy> constructs;
};

// Gathers the folds' predictions case by case. Every repetition predicts every case once;
// a case's prediction is the average of its repetitions' predictions (and its naive
// prediction the average of its training means), so the errors summed over the cases are
// those of the averaged predictions.
class PredictionSums {
public:
    PredictionSums(const ModelShape& shape, int cases);

    void add(const std::vector<int>& heldOutRows, const FoldPrediction& fold);

    // raw: the cases' indicators as predicted (cases x shape indicators).
    PredictionAccuracy accuracy(const Eigen::MatrixXd& raw) const;

private:
    ModelShape shape_;
    Eigen::MatrixXd model_, benchmark_, naive_;  // cases x indicators
    Eigen::MatrixXd scoreErrors_, scores_;       // cases x constructs
    Eigen::VectorXi predictions_;                // per case: how many folds predicted it
};

}  // namespace qv
