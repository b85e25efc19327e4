#pragma once

#include <optional>
#include <string>

#include "core/assessment/BootstrapInference.h"
#include "core/assessment/ConsistentPls.h"
#include "core/assessment/ModelShape.h"

namespace qv {

class Workbench;
struct ProjectModel;

struct ConsistentRun {
    ModelShape shape;
    ConsistentEstimate estimate;
};

// The consistent estimate of the model's last estimate, from the data as read through the
// case selection; nothing when the model holds no estimate or cannot be corrected (told).
std::optional<ConsistentRun> CorrectEstimate(Workbench& workbench);

// Puts the consistent path coefficients, loadings and R² into the model's records, so that
// every view of the estimate shows them; the weights stay the estimate's.
void ApplyConsistent(ProjectModel& model, const ConsistentRun& run);

// "The consistent estimate is inadmissible: CAUSE; CAUSE. ...", empty for a proper solution.
std::string InadmissibleWarning(const ConsistentEstimate& estimate);

// The bootstrap means, standard errors and t values of the records' paths, loadings and
// weights from the bootstrap's inference on the consistent figures, in place of the engine's,
// which describe the composites.
void ApplyConsistentInference(ProjectModel& model, const ModelShape& shape, const Inference& inference);

}  // namespace qv
