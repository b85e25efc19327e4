#pragma once

#include "lvpls/PlsEstimate.h"
#include "lvpls/StandardizedData.h"

namespace lvpls {

// The outer-model figures as the listing prints them in the problem's metric.
struct ScaledOuterModel {
    Eigen::VectorXd weights;
    Eigen::VectorXd loadings;
    Eigen::VectorXd locations;
    Eigen::VectorXd residuals;
    Eigen::VectorXd latentLocations;
    Eigen::VectorXd latentScales;
};

// The figures of metric 1: weights and loadings of the standardized indicators, no locations.
ScaledOuterModel standardizedFigures(const PlsEstimate& estimate, int blocks);

// Throws ProblemError when a rescaling metric meets a block whose raw weights sum to zero.
ScaledOuterModel scaleForMetric(Metric metric, const PathModel& model, const PlsEstimate& estimate,
                                const StandardizedData& data);

}  // namespace lvpls
