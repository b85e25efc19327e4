#include "core/results/ResamplingSummaryTable.h"

namespace qv {

SummaryTable BuildSummaryTable(const ProjectModel& model, SampleKind kind, int cases) {
    SummaryTable table;
    table.kind = kind;
    for (int k = 0; k < model.nConstruct; ++k) {
        const std::string& construct = model.constructs[static_cast<size_t>(k)].caption;
        bool first = true;
        for (int i = 0; i < model.nIndicator; ++i) {
            const Indicator& indicator = model.indicators[static_cast<size_t>(i)];
            if (indicator.construct != k) continue;
            const std::string shown = first ? construct : std::string();
            table.loadings.push_back({shown, indicator.caption, "", k, first,
                                      LoadingFigures(indicator, kind, cases)});
            table.weights.push_back({shown, indicator.caption, "", k, first,
                                     WeightFigures(indicator, kind, cases)});
            first = false;
        }
    }
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[static_cast<size_t>(p)];
        table.paths.push_back({"", model.constructs[static_cast<size_t>(path.src)].caption,
                               model.constructs[static_cast<size_t>(path.dest)].caption, p, false,
                               PathFigures(path, kind, cases)});
    }
    return table;
}

const char* KindWord(SampleKind kind) {
    return kind == SampleKind::Jackknife ? "JackKnife" : "BootStrap";
}

}  // namespace qv
