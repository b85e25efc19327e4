#pragma once

#include <optional>

#include <Eigen/Dense>

#include "core/assessment/AssessmentData.h"
#include "core/assessment/Collinearity.h"
#include "core/assessment/ConsistentPls.h"
#include "core/assessment/ConstructReliability.h"
#include "core/assessment/EffectSizes.h"
#include "core/assessment/ModelFit.h"
#include "core/assessment/ModelShape.h"
#include "core/assessment/PlsEstimate.h"

namespace qv {

// The figures a reviewer asks of a PLS model, all at full precision from the data and the
// estimate (corrected for attenuation under consistent PLS). Vectors run over the shape's
// constructs or indicators, matrices over pairs of constructs as (from, to) or (row, column);
// kUndefined marks a figure without a value.
struct Assessment {
    ModelShape shape;
    int cases = 0;
    PlsFit fit;                                    // the composites' estimate
    std::optional<ConsistentEstimate> consistent;  // its correction, under consistent PLS
    PlsEstimate reported;                          // the figures the tables show: fit's or corrected
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
// digits), corrects it when consistent, and derives every figure from it. HTMT, the outer
// VIF, ρA and SRMR describe the composites and the data either way.
Assessment Assess(const ModelShape& shape, const AssessmentData& data, const Eigen::VectorXd& startWeights,
                  bool consistent = false);

// The outer weights the model's records hold, in the shape's order; a block whose weights are
// all 0 starts from equal weights.
Eigen::VectorXd RecordedWeights(const ModelShape& shape, const ProjectModel& model);

}  // namespace qv
