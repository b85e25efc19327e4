#pragma once

#include <optional>
#include <string>

#include "core/assessment/ModelShape.h"
#include "core/consistent/ConsistentPls.h"

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

}  // namespace qv
