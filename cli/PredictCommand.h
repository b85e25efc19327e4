#pragma once

#include <iosfwd>

#include "cli/BatchOptions.h"
#include "core/app/Workbench.h"

namespace qv {

class WebReport;

// predict: PLSpredict with the options' folds, repetitions, seed and technique; prints the
// tables, writes them into MODEL_predict.csv beside the model (its path printed last) and,
// with --json, as JSON. False when the run or a file failed (told).
bool PredictModel(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors);

// report --predict: PLSpredict with the same options, its section handed to the report.
// False when the run failed (told).
bool PredictForReport(Workbench& workbench, const BatchOptions& options, WebReport& report);

}  // namespace qv
