#pragma once

#include <string>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// The sizes of the two groups of a comparison.
struct GroupSizes {
    int n1 = 0;
    int n2 = 0;

    int degreesOfFreedom() const { return n1 + n2 - 2; }
};

// One path's coefficient of each group with its bootstrap standard error.
struct GroupEstimates {
    double c1 = 0;
    double se1 = 0;
    double c2 = 0;
    double se2 = 0;
};

// t = (C1 - C2) / (sqrt(1/N1 + 1/N2) * sqrt(k1 SE1^2 + k2 SE2^2)), where k1 and k2 are the
// integer quotients of (N1 - 1)^2 and (N2 - 1)^2 by N1 + N2 - 2: the remainder is dropped, as
// the comparison has always done. 0 when the groups give no pooled error.
double GroupTStatistic(const GroupEstimates& estimates, GroupSizes sizes);

// Fills groupStatistic of every path of the group-2 table from the group-1 table (the main
// one) and the group-2 table, and the comparison's df.
void ComputeGroupStatistics(ProjectModel& model, GroupSizes sizes);

// One line of the comparison's table: group 1 from the main tables, group 2 from the
// second-group tables.
struct GroupComparisonRow {
    std::string source;
    std::string destination;
    float coefficient1 = 0;
    double se1 = 0;
    float t1 = 0;
    float coefficient2 = 0;
    double se2 = 0;
    float t2 = 0;
    double difference = 0;  // C1 - C2
    float statistic = 0;
};

std::vector<GroupComparisonRow> GroupComparisonRows(const ProjectModel& model);

}  // namespace qv
