#pragma once

#include <iosfwd>

#include "cli/BatchOptions.h"

namespace qv {

class Workbench;

// groups: the significance test of the two-group comparison on the opened model, each group
// given by its conditions ("gender=1", "age>=30"); prints the comparison's table. Conditions
// that cannot be read are told on errors and nothing is estimated.
bool CompareGroups(Workbench& workbench, const BatchOptions& options, std::ostream& out,
                   std::ostream& errors);

}  // namespace qv
