#include "core/groups/GroupStatistic.h"

#include <cmath>

namespace qv {
namespace {

std::string captionOf(const ProjectModel& model, int construct) {
    if (construct < 0 || construct >= model.nConstruct) return {};
    return model.constructs[static_cast<size_t>(construct)].caption;
}

}  // namespace

double GroupTStatistic(const GroupEstimates& e, GroupSizes sizes) {
    const long long df = sizes.degreesOfFreedom();
    if (sizes.n1 <= 0 || sizes.n2 <= 0 || df <= 0) return 0;
    const long long k1 = (sizes.n1 - 1LL) * (sizes.n1 - 1LL) / df;
    const long long k2 = (sizes.n2 - 1LL) * (sizes.n2 - 1LL) / df;
    const double pooled = std::sqrt(static_cast<double>(k1) * e.se1 * e.se1 +
                                    static_cast<double>(k2) * e.se2 * e.se2);
    const double root = std::sqrt(1.0 / sizes.n1 + 1.0 / sizes.n2);
    const double denominator = root * pooled;
    return denominator > 0 ? (e.c1 - e.c2) / denominator : 0;
}

void ComputeGroupStatistics(ProjectModel& model, GroupSizes sizes) {
    for (int p = 0; p < model.nPath; ++p) {
        const Path& group1 = model.paths[static_cast<size_t>(p)];
        Path& group2 = model.groupPaths[static_cast<size_t>(p)];
        group2.groupStatistic = static_cast<float>(GroupTStatistic(
            {group1.coefficient, group1.coefficientSE, group2.coefficient, group2.coefficientSE},
            sizes));
    }
    model.groupDf = sizes.degreesOfFreedom();
}

std::vector<GroupComparisonRow> GroupComparisonRows(const ProjectModel& model) {
    std::vector<GroupComparisonRow> rows;
    for (int p = 0; p < model.nPath; ++p) {
        const Path& group1 = model.paths[static_cast<size_t>(p)];
        const Path& group2 = model.groupPaths[static_cast<size_t>(p)];
        rows.push_back({captionOf(model, group1.src), captionOf(model, group1.dest),
                        group1.coefficient, group1.coefficientSE, group1.coefficientT,
                        group2.coefficient, group2.coefficientSE, group2.coefficientT,
                        static_cast<double>(group1.coefficient) - group2.coefficient,
                        group2.groupStatistic});
    }
    return rows;
}

}  // namespace qv
