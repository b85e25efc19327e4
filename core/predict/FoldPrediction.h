#pragma once

#include <string>
#include <vector>

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"
#include "core/model/PredictOptions.h"

namespace qv {

// What the estimate of one fold's training cases predicts for its held-out cases. Rows run
// over the held-out cases in the order given, columns over the shape's indicators or
// constructs; only the columns of endogenous constructs and their indicators hold predictions.
struct FoldPrediction {
    Eigen::MatrixXd model;             // the PLS prediction of each indicator, in its own units
    Eigen::MatrixXd benchmark;         // least squares on the exogenous indicators, with intercept
    Eigen::RowVectorXd trainingMeans;  // per indicator: the naive prediction
    Eigen::MatrixXd scores;            // each case's score by the training estimate
    Eigen::MatrixXd predictedScores;   // the endogenous scores as the technique predicts them
    std::string error;                 // why the training sample gives no prediction; empty when it does
};

// Standardizes the indicators with the training cases' means and standard deviations
// (divisor n - 1), converges the PLS estimate of the training cases from the start weights
// (an engine's, good to its printed digits) and predicts the held-out cases: their scores
// are the training weights applied to their standardized indicators; an endogenous
// construct's predicted score is the paths applied to its direct antecedents' scores, or, by
// earliest antecedents, to their predicted scores, so that only exogenous scores enter; an
// indicator's prediction is its loading times its construct's predicted score, taken back to
// the indicator's units. raw: every case's indicators (cases x shape indicators).
FoldPrediction PredictFold(const ModelShape& shape, const Eigen::MatrixXd& raw, const std::vector<int>& trainingRows,
                           const std::vector<int>& heldOutRows, const Eigen::VectorXd& startWeights,
                           PredictTechnique technique);

// The indicator positions of the exogenous (no predictors) or the endogenous constructs.
std::vector<int> IndicatorsOf(const ModelShape& shape, bool endogenous);

}  // namespace qv
