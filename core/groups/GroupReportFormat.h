#pragma once

#include <string>
#include <vector>

#include "core/groups/GroupStatistic.h"

namespace qv {

// The comparison's report page: the report head with its date text, the diagram picture
// (when one was made), the table of the t test with one row per path, and the report foot.
// Captions are escaped.
std::string FormatGroupReport(const std::vector<GroupComparisonRow>& rows, int df,
                              const std::string& dateText, bool picture);

}  // namespace qv
