#include "core/editing/ConstructAssignment.h"

#include <algorithm>

#include "core/editing/NodeName.h"

namespace qv {

ConstructAssignment LoadAssignment(const ProjectModel& model, int construct) {
    ConstructAssignment shown;
    for (int i = 0; i < model.nIndicator; ++i) {
        const Indicator& indicator = model.indicators[i];
        if (indicator.construct == -1) shown.unused.push_back(indicator.caption);
        if (indicator.construct == construct) shown.assigned.push_back(indicator.caption);
    }
    shown.type = model.constructs[construct].type;
    return shown;
}

std::string CheckConstructName(const ProjectModel& model, int construct, const std::string& name) {
    // Blanks inside a name are kept; at its ends they would be invisible in every output.
    if (!name.empty() && (name.front() == ' ' || name.back() == ' ')) return "MSG_NoSpace";
    if (FindIndicator(model, name) >= 0) return "MSG_DuplicateName1";
    for (int c = 0; c < model.nConstruct; ++c)
        if (c != construct && model.constructs[c].caption == name) return "MSG_DuplicateName2";
    return {};
}

void CommitAssignment(ProjectModel& model, int construct, const std::string& name,
                      const ConstructAssignment& assignment) {
    const std::vector<std::string>& listed = assignment.assigned;
    Construct& target = model.constructs[construct];
    const ConstructAssignment before = LoadAssignment(model, construct);
    // Only a changed set of indicators makes the results stale; a new name or mode does not
    // change what the engine estimated.
    if (before.assigned != listed || before.type != assignment.type) {
        model.estimated = false;
        model.resampled = false;
    }
    int count = 0;
    for (int i = 0; i < model.nIndicator; ++i) {
        Indicator& indicator = model.indicators[i];
        const int held = indicator.construct;
        if (indicator.construct == construct) indicator.construct = -1;
        if (std::find(listed.begin(), listed.end(), indicator.caption) != listed.end()) {
            if (indicator.construct >= 0 && indicator.construct < model.nConstruct)
                --model.constructs[indicator.construct].nInd;
            indicator.construct = construct;
            ++count;
        }
        // A box placed beside one construct means nothing beside another.
        if (indicator.construct != held) indicator.boxPlaced = false;
    }
    target.caption = name;
    target.type = assignment.type;
    target.nInd = count;
    model.modified = true;
}

bool RemoveFromConstruct(ProjectModel& model, int indicator, bool* resamplingDropped) {
    *resamplingDropped = false;
    if (indicator < 0 || indicator >= model.nIndicator) return false;
    Indicator& removed = model.indicators[indicator];
    if (removed.construct < 0 || removed.construct >= model.nConstruct) return false;
    --model.constructs[removed.construct].nInd;
    removed.construct = -1;
    removed.boxPlaced = false;
    if (model.nPath > 0 && model.paths[0].coefficientT != 0) {
        *resamplingDropped = true;
        model.resampled = model.bootstrapDone = model.jackknifeDone = false;
    }
    model.modified = true;
    model.estimated = false;
    return true;
}

}  // namespace qv
