#include "cli/ResamplingTable.h"

#include <array>
#include <cstdio>
#include <ostream>
#include <string>

#include "core/engine/AppendFormat.h"

namespace qv {
namespace {

// Where estimate, mean, standard error and t stand among a row's figures.
std::array<size_t, 4> figurePositions(SampleKind kind) {
    if (kind == SampleKind::Jackknife) return {0, 1, 3, 4};
    return {0, 1, 2, 3};
}

std::string figure(const Figures& figures, size_t at) {
    if (at >= figures.size() || !figures[at]) return "N.A.";
    return Formatted("%.6f", *figures[at]);
}

void printSection(const char* title, const std::vector<SummaryRow>& rows, SampleKind kind,
                  std::ostream& out) {
    char line[200];
    std::snprintf(line, sizeof line, "\n%s\n%-24s%12s%12s%12s%12s\n", title, "", "Estimate",
                  "Mean", "Std.Error", "T");
    out << line;
    const auto at = figurePositions(kind);
    for (const SummaryRow& row : rows) {
        const std::string label = row.dest.empty() ? row.name : row.name + " -> " + row.dest;
        std::snprintf(line, sizeof line, "%-24s%12s%12s%12s%12s\n", label.c_str(),
                      figure(row.figures, at[0]).c_str(), figure(row.figures, at[1]).c_str(),
                      figure(row.figures, at[2]).c_str(), figure(row.figures, at[3]).c_str());
        out << line;
    }
}

}  // namespace

void PrintResamplingTable(const SummaryTable& table, std::ostream& out) {
    out << KindWord(table.kind) << " summary\n";
    printSection("Loadings", table.loadings, table.kind, out);
    printSection("Weights", table.weights, table.kind, out);
    printSection("Path coefficients", table.paths, table.kind, out);
}

}  // namespace qv
