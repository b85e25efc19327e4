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

// Mean and standard deviation (divisor S - 1) of the signed subsample values, which must be
// aligned with the entire sample (AlignedSubsamples). Needs two values or more.
SubsampleSpread SubsampleStatistics(std::span<const float> values);
SubsampleSpread SubsampleStatistics(std::span<const double> values);

// Fills mean, standard error and t of every loading, weight (indicators with a construct)
// and path coefficient from the aligned subsamples in the store and the entire-sample
// estimates in the records. After a jackknife the coefficient's t is the adjusted one of the
// summaries.
void ComputeResamplingStatistics(ProjectModel& model, const ResamplingStore& store,
                                 SampleKind kind);

}  // namespace qv
