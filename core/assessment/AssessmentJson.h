#pragma once

#include <nlohmann/json.hpp>

#include "core/assessment/Assessment.h"
#include "core/assessment/BootstrapInference.h"

namespace qv {

// The assessment under the keys the batch's JSON output keeps: constructs, htmt, htmt2,
// fornell_larcker, vif_outer, vif_inner, f2, rho_a, rho_c, ave, alpha, r2, r2_adjusted,
// effects and srmr. An undefined figure is null.
nlohmann::ordered_json AssessmentJson(const Assessment& assessment);

// Adds the bootstrap's keys: inference ({group: {key: {estimate, mean, se, t, p,
// ci_percentile, ci_bca}}}), samples, seed, rejected and confidence.
void AddInferenceJson(nlohmann::ordered_json& json, const Inference& inference);

// A figure as JSON: null when undefined.
nlohmann::ordered_json JsonFigure(double value);

}  // namespace qv
