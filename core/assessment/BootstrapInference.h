#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include <Eigen/Dense>

#include "core/assessment/Assessment.h"
#include "core/assessment/InferenceParameters.h"
#include "core/assessment/IntervalEstimates.h"

namespace qv {

struct InferenceRow {
    InferenceParameter parameter;
    IntervalEstimate figures;
};

// The bootstrap's inference on every parameter of the assessment.
struct Inference {
    int samples = 0;  // subsamples asked for
    std::uint32_t seed = 0;
    int rejected = 0;  // subsamples the engine rejected, left out
    double confidence = 0.95;
    std::vector<InferenceRow> rows;
};

// One subsample the run kept: the cases drawn (0-based, repeats counted) and its outer
// weights in the shape's order, signs aligned with the entire sample.
struct SubsampleEstimate {
    std::vector<int> cases;
    Eigen::VectorXd weights;
};
// Fills the next kept subsample; false when there is none left.
using NextSubsample = std::function<bool(SubsampleEstimate&)>;

// Each subsample's parameters follow from its weights and its cases' correlations, corrected
// as the sample's are under consistent PLS; the leave-one-out estimates for the BCa
// acceleration are fitted here, from the sample's weights. samples, seed and rejected are the
// caller's to fill.
Inference InferFromSubsamples(const Assessment& assessment, const AssessmentData& data,
                              const NextSubsample& next, double confidence);

}  // namespace qv
