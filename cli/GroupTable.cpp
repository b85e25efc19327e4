#include "cli/GroupTable.h"

#include <ostream>
#include <string>

#include "core/engine/AppendFormat.h"

namespace qv {

void PrintGroupTable(const std::vector<GroupComparisonRow>& rows, GroupSizes sizes,
                     std::ostream& out) {
    std::string text;
    AppendFormat(text, "Results of MultiGroup t test (Group1: %d cases, Group2: %d cases)\n",
                 sizes.n1, sizes.n2);
    AppendFormat(text, "%-25s %-26s %s\n", "", "Group 1", "Group 2");
    AppendFormat(text, "%-25s %8s %8s %8s %8s %8s %8s %10s %6s %10s\n", "Path", "Path", "Stdev",
                 "t", "Path", "Stdev", "t", "Difference", "df", "t");
    for (const GroupComparisonRow& row : rows) {
        const std::string path = row.source + " -> " + row.destination;
        AppendFormat(text, "%-25s %8.3f %8.3f %8.3f %8.3f %8.3f %8.3f %10.3f %6d %10.3f\n",
                     path.c_str(), row.coefficient1, row.se1, row.t1, row.coefficient2, row.se2,
                     row.t2, row.difference, sizes.degreesOfFreedom(), row.statistic);
    }
    out << text;
}

}  // namespace qv
