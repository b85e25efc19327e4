#include "cli/EstimateTables.h"

#include <ostream>
#include <string>

#include "core/engine/AppendFormat.h"

namespace qv {
namespace {

// The figures carry a point whatever the locale.
template <typename... Args>
std::string formatted(const char* format, Args... args) {
    return Formatted(format, args...);
}

const char* captionOf(const ProjectModel& model, int construct) {
    return model.constructs[construct].caption.c_str();
}

bool anyQ2(const ProjectModel& model) {
    for (int c = 0; c < model.nConstruct; ++c)
        if (model.constructs[c].q2Kind != 0 &&
            (model.constructs[c].q2 != 0 || !model.constructs[c].q2Missing.empty()))
            return true;
    return false;
}

void printPaths(const ProjectModel& model, std::ostream& out) {
    out << "Path coefficients\n" << formatted("%-12s%-12s%12s\n", "From", "To", "Coefficient");
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[p];
        out << formatted("%-12s%-12s%12.6f\n", captionOf(model, path.src),
                         captionOf(model, path.dest), path.coefficient);
    }
}

void printConstructs(const ProjectModel& model, std::ostream& out) {
    const bool withQ2 = anyQ2(model);
    out << "\nConstructs\n" << formatted("%-12s%12s", "Construct", "R-square");
    if (withQ2) out << formatted("%12s%12s", "Q-square", "Q2 SD");
    out << '\n';
    for (int c = 0; c < model.nConstruct; ++c) {
        const Construct& construct = model.constructs[c];
        out << formatted("%-12s%12.6f", construct.caption.c_str(), construct.rSquare);
        if (withQ2 && !construct.q2Missing.empty())
            out << formatted("%12s%12s", "n/a", "n/a") << "  (" << construct.q2Missing << ")";
        else if (withQ2)
            out << formatted("%12.6f%12.6f", construct.q2, construct.q2sd);
        out << '\n';
    }
}

void printOuterModel(const ProjectModel& model, std::ostream& out) {
    out << "\nOuter model\n"
        << formatted("%-12s%-12s%12s%12s\n", "Indicator", "Construct", "Loading", "Weight");
    for (int c = 0; c < model.nConstruct; ++c)
        for (int i = 0; i < model.nIndicator; ++i) {
            const Indicator& indicator = model.indicators[i];
            if (indicator.construct != c) continue;
            out << formatted("%-12s%-12s%12.6f%12.6f\n", indicator.caption.c_str(),
                             captionOf(model, c), indicator.loading, indicator.weight);
        }
}

}  // namespace

void PrintEstimateTables(const ProjectModel& model, std::ostream& out) {
    printPaths(model, out);
    printConstructs(model, out);
    printOuterModel(model, out);
}

}  // namespace qv
