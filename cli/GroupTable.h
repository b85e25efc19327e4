#pragma once

#include <iosfwd>
#include <vector>

#include "core/groups/GroupStatistic.h"

namespace qv {

// The table of the comparison's report as aligned plain text: per path each group's
// coefficient, standard error and t, the difference, df and the t statistic of the test.
void PrintGroupTable(const std::vector<GroupComparisonRow>& rows, GroupSizes sizes,
                     std::ostream& out);

}  // namespace qv
