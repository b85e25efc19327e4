#pragma once

#include <nlohmann/json.hpp>

#include "core/predict/PredictRun.h"

namespace qv {

// The prediction under the keys the batch's JSON output keeps: technique ("da" or "ea"),
// folds, repetitions, seed (the one used), cases, indicators [{name, construct, rmse_pls, mae_pls, q2_predict, rmse_lm,
// mae_lm}] and constructs [{name, q2_predict, rmse}].
nlohmann::ordered_json PredictJson(const PredictResult& result);

}  // namespace qv
