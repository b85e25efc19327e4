#pragma once

#include <string>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// What the construct dialog shows for one construct: the captions of the unassigned
// indicators, of the construct's own indicators (both in index order) and its mode.
struct ConstructAssignment {
    std::vector<std::string> unused;
    std::vector<std::string> assigned;
    int type = 0;
};

ConstructAssignment LoadAssignment(const ProjectModel& model, int construct);

// The dialog's checks on a new name, in order: a blank at its start or end (MSG_NoSpace), an indicator's caption
// (MSG_DuplicateName1), another construct's caption (MSG_DuplicateName2). Returns the key of
// the failed check, or an empty text.
std::string CheckConstructName(const ProjectModel& model, int construct, const std::string& name);

// The dialog's OK after the checks passed: the construct takes the name, the mode and exactly
// the indicators whose captions are listed. An estimate no longer fits when the set changed.
void CommitAssignment(ProjectModel& model, int construct, const std::string& name,
                      const ConstructAssignment& assignment);

// Removes one indicator from its construct (the tree's "Remove Item from Construct"). Returns
// false when the indicator is unknown or unassigned. Resampling results read from the first
// path's t statistic no longer fit and are dropped; *resamplingDropped tells whether they were.
bool RemoveFromConstruct(ProjectModel& model, int indicator, bool* resamplingDropped);

}  // namespace qv
