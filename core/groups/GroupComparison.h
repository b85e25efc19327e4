#pragma once

#include <string>

#include "core/groups/GroupConditions.h"
#include "core/groups/GroupStatistic.h"
#include "core/rawdata/CaseFilter.h"

namespace qv {

class Workbench;

enum class GroupOutcome {
    Compared,   // both groups were estimated and their results kept
    Cancelled,  // the user declined at the sample sizes
    Failed,     // a group could not be read or estimated; the reason was told
};

// The two-group comparison: estimates the Workbench's model once on the cases of each
// group, keeping group 2's results in the model's second-group tables and group 1's in the
// main tables. The case selection in force before is restored afterwards and its cases are
// read again, whatever the outcome; the status line says so.
class GroupComparison {
public:
    explicit GroupComparison(Workbench& workbench);

    // Significance Test: bootstraps each group and computes every path's t statistic for the
    // difference of the two coefficients; the group files are kept as "_gp1" and "_gp2".
    GroupOutcome significanceTest(const GroupConditions& group1, const GroupConditions& group2);
    // Path Estimate: one estimate per group, coefficients and R-square only.
    GroupOutcome pathEstimate(const GroupConditions& group1, const GroupConditions& group2);

    GroupSizes sizes() const { return sizes_; }

private:
    class FilterGuard;

    bool measureGroups(const GroupConditions& group1, const GroupConditions& group2,
                       const char* title);
    bool applyGroup(const GroupConditions& group, int number, int& size);
    int casesAlsoIn(const GroupConditions& other);
    bool bootstrapGroup(const GroupConditions& group, int number);
    bool estimateGroup(const GroupConditions& group, int number);
    void keepGroupTwo(bool resampled);
    bool keepGroupFiles(int number);
    bool writeGroupLoadings(const std::string& file);
    void finished(const char* statusKey);
    void tellText(const std::string& text);

    Workbench& w_;
    GroupSizes sizes_;
    GroupOutcome failure_ = GroupOutcome::Failed;
    std::string status_;  // what the finished comparison shows in the status line
};

}  // namespace qv
