#pragma once

#include <iosfwd>
#include <optional>

#include "cli/BatchOptions.h"
#include "core/app/Workbench.h"

namespace qv {

// Declared only: its header needs Eigen, which the batch program's own file does not use.
struct Inference;

// assess: prints the assessment of the estimate as text tables and, with --json, writes it
// as JSON. False when the model cannot be assessed or the JSON file cannot be written (told).
bool AssessModel(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors);

// bootstrap: the run with its inference; with --json the assessment and the inference are
// written as JSON. False when the run failed or the file cannot be written (told). The
// inference is kept in `kept` when given.
bool BootstrapAndInfer(Workbench& workbench, const BatchOptions& options, std::ostream& errors,
                       std::optional<Inference>* kept = nullptr);

// tables: writes the assessment's CSV files beside the model and prints their names.
bool WriteAssessmentTables(Workbench& workbench, std::ostream& out);

}  // namespace qv
