#pragma once

#include "core/model/ProjectModel.h"
#include "core/results/ResamplingStore.h"

namespace qv {

// The subsample estimates of a resampling run, each subsample's constructs turned to face
// the same way as in the entire sample. A construct's orientation is arbitrary in each
// estimate, so values taken as they come mix both signs and the spread of a coefficient near
// zero comes out too small (or, over absolute values, its mean too large).
//
// A construct is negated in a subsample when the sum over its indicators of the subsample
// loading times the entire-sample loading is negative; negating it negates its loadings and
// weights and the coefficient of every path that has it at exactly one end (a path between
// two negated constructs keeps its sign).
//
// entireSample: the records holding the entire-sample estimates (the loadings decide) and
// the indicators' constructs and the paths' ends, as the store was recorded from them.
// Returns a store of the same size and subsample numbers; the statistics, the per-subsample
// sections of the summaries and any interval or test built on the subsamples use it.
ResamplingStore AlignedSubsamples(const ProjectModel& entireSample,
                                  const ResamplingStore& subsamples);

}  // namespace qv
