#include "core/editing/DiagramLabels.h"

#include "core/engine/AppendFormat.h"

namespace qv {
namespace {

enum class Shown { First, Second, Both };

Shown shownGroups(const ProjectModel& model) {
    if (!model.groupRun) return Shown::First;
    return model.groupDisplayMode == 1 ? Shown::Second : model.groupDisplayMode == 2 ? Shown::Both : Shown::First;
}

std::string printed(const char* layout, double first, double second = 0) {
    return Formatted(layout, first, second);
}

// One value, or both groups' values side by side.
std::string groupValues(const char* one, const char* both, Shown shown, double first, double second) {
    if (shown == Shown::Both) return printed(both, first, second);
    return printed(one, shown == Shown::Second ? second : first);
}

}  // namespace

std::string RSquareLabel(const ProjectModel& model, int construct) {
    const float first = model.constructs[construct].rSquare;
    if (first == 0) return {};
    return groupValues("RSq=%5.3f", "RSq=%5.3f %5.3f", shownGroups(model), first,
                       model.groupConstructs[construct].rSquare);
}

// Only kind 1 is redundancy; every other kind is shown as communality. A Q-square that
// could not be computed shows as n/a, never as a number.
std::string Q2Label(const Construct& construct) {
    const bool missing = !construct.q2Missing.empty();
    if (construct.rSquare == 0 || construct.q2Kind == 0 || (construct.q2 == 0 && !missing)) return {};
    const char kind = construct.q2Kind == 1 ? 'R' : 'C';
    if (missing) return Formatted("Q2(%c)=n/a", kind);
    return Formatted("Q2(%c)=%5.3f", kind, construct.q2);
}

std::string CoefficientLabel(const ProjectModel& model, int path) {
    const float first = model.paths[path].coefficient;
    if (first == 0) return {};
    return groupValues("%5.3f", "%5.3f %5.3f", shownGroups(model), first, model.groupPaths[path].coefficient);
}

// Both groups together show the test statistic of their difference.
std::string StatisticLabel(const ProjectModel& model, int path) {
    if (model.paths[path].coefficient == 0) return {};
    const Shown shown = shownGroups(model);
    const float statistic = shown == Shown::First    ? model.paths[path].coefficientT
                            : shown == Shown::Second ? model.groupPaths[path].coefficientT
                                                     : model.groupPaths[path].groupStatistic;
    return statistic == 0 ? std::string() : printed("(%5.3f)", statistic);
}

std::string PathLabel(const ProjectModel& model, int path) {
    const std::string coefficient = CoefficientLabel(model, path);
    const std::string statistic = StatisticLabel(model, path);
    return statistic.empty() ? coefficient : coefficient + " " + statistic;
}

}  // namespace qv
