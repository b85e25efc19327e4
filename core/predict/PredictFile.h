#pragma once

#include <optional>
#include <string>

#include "core/predict/PredictRun.h"
#include "core/results/ResultContext.h"

namespace qv {

// Writes the prediction's tables as CSV into "<model>_predict.csv" beside the model file;
// the path written, or nothing after telling why the file cannot be written.
std::optional<std::string> WritePredictFile(const ResultContext& context, const PredictResult& result);

}  // namespace qv
