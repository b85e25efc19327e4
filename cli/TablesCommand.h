#pragma once

#include <iosfwd>

#include "cli/BatchOptions.h"
#include "core/app/Workbench.h"

namespace qv {

// tables: after the estimate (and the bootstrap with --bootstrap), writes every result table
// beside the model as CSV and prints the name of each file written; with --xlsx the results
// window's tables go into one workbook, with --csv-folder into a folder of CSV files, and
// their names are printed too. False when a file could not be written (told).
bool WriteTables(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace qv
