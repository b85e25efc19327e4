#pragma once

#include <optional>

#include "core/assessment/Assessment.h"
#include "core/assessment/BootstrapInference.h"

namespace qv {

class Workbench;
class ResamplingRun;

// The inference from a successful bootstrap run's kept subsamples, redrawn from its seed, on
// the assessment of its entire sample; samples is the number the run was asked for.
Inference InferFromRun(const ResamplingRun& run, const Assessment& assessment, const AssessmentData& data,
                       int samples, double confidence);

// A bootstrap with its inference.
struct AssessedBootstrap {
    Assessment assessment;
    Inference inference;
};

// Run BootStrap, then the inference on every parameter of the assessment from the run's
// subsamples, signs aligned with the entire sample and rejected ones left out. Writes
// "_inference.csv" beside the model and the report's inference section into the work folder.
class InferenceCommand {
public:
    explicit InferenceCommand(Workbench& workbench) : workbench_(workbench) {}

    // Nothing when the run or the assessment failed (told why).
    std::optional<AssessedBootstrap> run(double confidence);

private:
    Workbench& workbench_;
};

}  // namespace qv
