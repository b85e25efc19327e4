#pragma once

#include <iosfwd>

#include "cli/BatchOptions.h"

namespace qv {

class Workbench;

// The estimate's tables on `out`, corrected first when consistent PLS is asked for (by the
// option or the model), and the JSON file when one is asked for; the exit status.
int PrintEstimate(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors);

}  // namespace qv
