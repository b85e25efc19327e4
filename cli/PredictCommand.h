#pragma once

#include <iosfwd>

#include "cli/BatchOptions.h"
#include "core/app/Workbench.h"

namespace qv {

// predict: PLSpredict with the options' folds, repetitions, seed and technique; prints the
// tables, writes them into MODEL_predict.csv beside the model (its path printed last) and,
// with --json, as JSON. False when the run or a file failed (told).
bool PredictModel(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace qv
