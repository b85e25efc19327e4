#pragma once

#include <iosfwd>

#include "cli/BatchOptions.h"
#include "core/app/Workbench.h"

namespace qv {

// assess: prints the assessment of the estimate as text tables and, with --json, writes it
// as JSON. False when the model cannot be assessed or the JSON file cannot be written (told).
bool AssessModel(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors);

// bootstrap: the run with its inference; with --json the assessment and the inference are
// written as JSON. False when the run failed or the file cannot be written (told).
bool BootstrapAndInfer(Workbench& workbench, const BatchOptions& options, std::ostream& errors);

// tables: writes the assessment's CSV files beside the model and prints their names.
bool WriteAssessmentTables(Workbench& workbench, std::ostream& out);

}  // namespace qv
