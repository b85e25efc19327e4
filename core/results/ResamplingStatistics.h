#pragma once

#include <span>

#include "core/engine/ControlFileWriter.h"
#include "core/model/ProjectModel.h"
#include "core/results/ResamplingStore.h"

namespace qv {

// Mean and standard deviation of one parameter over the subsamples.
struct SubsampleSpread {
    double mean = 0;
    double sd = 0;
};

// The subsample values count by their absolute size and the mean takes the sign of the
// entire-sample estimate. A jackknife whose estimate lies too far from that mean
// (S |e| - (S - 1) |mean| < 0) uses the signed values instead. Needs two values or more.
SubsampleSpread SubsampleStatistics(double estimate, std::span<const float> values,
                                    SampleKind kind);

// Fills mean, standard error and t of every loading, weight (indicators with a construct)
// and path coefficient from the subsamples in the store and the entire-sample estimates in
// the records. After a jackknife the coefficient's t is the adjusted one of the summaries.
void ComputeResamplingStatistics(ProjectModel& model, const ResamplingStore& store,
                                 SampleKind kind);

}  // namespace qv
