#pragma once

#include <Eigen/Dense>

#include "core/assessment/AssessmentData.h"
#include "core/assessment/Collinearity.h"
#include "core/assessment/ConstructReliability.h"
#include "core/assessment/EffectSizes.h"
#include "core/assessment/ModelFit.h"
#include "core/assessment/ModelShape.h"
#include "core/assessment/PlsEstimate.h"

namespace qv {

// The figures a reviewer asks of a PLS model, all at full precision from the data and the
// estimate. Vectors run over the shape's constructs or indicators, matrices over pairs of
// constructs as (from, to) or (row, column); kUndefined marks a figure without a value.
struct Assessment {
    ModelShape shape;
    int cases = 0;
    PlsFit fit;
    Eigen::MatrixXd htmt;
    Eigen::MatrixXd htmt2;
    Eigen::VectorXd sqrtAve;  // Fornell-Larcker's diagonal; the scores' correlations beside it
    Eigen::VectorXd vifOuter;
    Eigen::MatrixXd vifInner;
    Eigen::MatrixXd f2;
    ConstructReliability reliability;
    Eigen::VectorXd rSquare;  // undefined for exogenous constructs
    Eigen::VectorXd rSquareAdjusted;
    Effects effects;
    Srmr srmr;

    const PlsEstimate& estimate() const { return fit.estimate; }
};

// Re-converges the estimate from the start weights (an engine's, good to its printed
// digits) and derives every figure from it.
Assessment Assess(const ModelShape& shape, const AssessmentData& data, const Eigen::VectorXd& startWeights);

// The outer weights the model's records hold, in the shape's order; a block whose weights are
// all 0 starts from equal weights.
Eigen::VectorXd RecordedWeights(const ModelShape& shape, const ProjectModel& model);

}  // namespace qv
