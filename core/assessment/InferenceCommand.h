#pragma once

#include <memory>
#include <optional>

#include "core/assessment/Assessment.h"
#include "core/assessment/BootstrapInference.h"
#include "core/results/ResamplingRun.h"

namespace qv {

class Workbench;

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
// subsamples, signs aligned with the entire sample and rejected ones left out, at the
// confidence of the resampling options. Writes "_inference.csv" beside the model and keeps
// it with the report's inference section in the work folder.
class InferenceCommand {
public:
    explicit InferenceCommand(Workbench& workbench) : workbench_(workbench) {}

    // Nothing when the run or the assessment failed (told why), or when the model is one the
    // assessment does not cover and the inference is not required (not told).
    std::optional<AssessedBootstrap> run(bool required);
    // Whether the bootstrap itself succeeded in the last run.
    bool ran() const { return ran_; }
    // After the records took consistent PLS's figures: the run's summaries again, saying so.
    bool writeConsistentSummaries();

private:
    Workbench& workbench_;
    std::unique_ptr<ResamplingRun> bootstrap_;
    bool ran_ = false;
};

}  // namespace qv
