#pragma once

#include <string>
#include <vector>

#include "core/engine/ControlFileWriter.h"
#include "core/model/ProjectModel.h"
#include "core/results/ResamplingFigures.h"

namespace qv {

// One row of a summary table.
struct SummaryRow {
    std::string construct;  // the construct's caption on its first row, empty on the others
    std::string name;       // the indicator's caption, or the caption of a path's source
    std::string dest;       // the caption of a path's destination
    int index = 0;          // the construct index of an indicator row, the path index of a
                            // path row: even and odd rows differ in colour in the web report
    bool first = false;     // the first row of its construct
    Figures figures;
};

// What the three summaries show, computed once: loadings and weights per construct in
// construct order, each construct's indicators in table order, then the paths.
struct SummaryTable {
    SampleKind kind = SampleKind::Bootstrap;
    int subsamples = 0;  // the subsamples the statistics were computed from
    int leftOut = 0;     // the subsamples the engine rejected, which the statistics left out
    bool consistent = false;  // the figures of consistent PLS, of the sample and every subsample
    std::vector<SummaryRow> loadings;
    std::vector<SummaryRow> weights;
    std::vector<SummaryRow> paths;
};

SummaryTable BuildSummaryTable(const ProjectModel& model, SampleKind kind, int cases);

// "BootStrap" or "JackKnife".
const char* KindWord(SampleKind kind);

}  // namespace qv
