#include "core/tables/ResamplingResults.h"

#include <limits>

namespace qv {
namespace {

TableCell text(const std::string& value) { return TableCell::ofText(value); }

TableCell figure(const Figures& figures, size_t at) {
    const bool present = at < figures.size() && figures[at];
    return TableCell::ofNumber(present ? *figures[at] : std::numeric_limits<double>::quiet_NaN());
}

void addRows(ResultTable& table, const char* kind, const std::vector<SummaryRow>& rows, size_t columns) {
    std::string construct;
    for (const SummaryRow& row : rows) {
        if (!row.construct.empty()) construct = row.construct;
        TableRow cells{text(kind), text(row.dest.empty() ? construct : row.name),
                       text(row.dest.empty() ? row.name : row.dest)};
        for (size_t at = 0; at < columns; ++at) cells.push_back(figure(row.figures, at));
        table.rows.push_back(std::move(cells));
    }
}

}  // namespace

ResultTable SummaryResults(const SummaryTable& summary) {
    const bool jackknife = summary.kind == SampleKind::Jackknife;
    ResultTable table{jackknife ? "jackknife" : "bootstrap",
                      std::string(KindWord(summary.kind)) + " summary",
                      {"Kind", "Construct / From", "Indicator / To", "Estimate", "Mean"},
                      {},
                      {}};
    if (jackknife)
        table.columns.insert(table.columns.end(), {"Jackknife estimate", "Std.Error", "T", "Adjusted Std.Error",
                                                   "Adjusted T"});
    else
        table.columns.insert(table.columns.end(), {"Std.Error", "T"});
    const size_t columns = jackknife ? kJackknifeColumns : kBootstrapColumns;
    addRows(table, "Loading", summary.loadings, columns);
    addRows(table, "Weight", summary.weights, columns);
    addRows(table, "Path", summary.paths, columns);
    if (HasUndefined(table)) table.notes.push_back("n/a: the statistic has no value (its divisor is 0).");
    return table;
}

ResultTable GroupComparisonResults(const std::vector<GroupComparisonRow>& rows, int degreesOfFreedom) {
    ResultTable table{"groups", "Group comparison",
                      {"From", "To", "Group 1 path", "Group 1 Stdev", "Group 1 t", "Group 2 path", "Group 2 Stdev",
                       "Group 2 t", "Difference", "df", "t"},
                      {},
                      {}};
    for (const GroupComparisonRow& row : rows)
        table.rows.push_back({text(row.source), text(row.destination), TableCell::ofNumber(row.coefficient1),
                              TableCell::ofNumber(row.se1), TableCell::ofNumber(row.t1),
                              TableCell::ofNumber(row.coefficient2), TableCell::ofNumber(row.se2),
                              TableCell::ofNumber(row.t2), TableCell::ofNumber(row.difference),
                              TableCell::ofNumber(degreesOfFreedom, {}, 0), TableCell::ofNumber(row.statistic)});
    return table;
}

}  // namespace qv
