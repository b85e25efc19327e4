#include "core/results/Reliability.h"

#include "core/engine/AppendFormat.h"
#include "core/results/CsvText.h"

namespace qv {
namespace {

std::optional<double> ratio(double part, double rest) {
    if (part + rest == 0) return std::nullopt;
    return part / (part + rest);
}

}  // namespace

std::vector<ReliabilityRow> ComputeReliability(const ProjectModel& model, int indicatorCount) {
    std::vector<ReliabilityRow> rows;
    for (int c = 0; c < model.nConstruct; ++c) {
        const Construct& construct = model.constructs[c];
        ReliabilityRow& row = rows.emplace_back();
        row.construct = construct.caption;
        // The figures describe reflective measurement; a formative block has none of them.
        if (construct.type == 1) continue;
        float loadings = 0, squares = 0, residuals = 0;
        int count = 0;
        for (int i = 0; i < indicatorCount; ++i) {
            const Indicator& indicator = model.indicators[i];
            if (indicator.construct != c) continue;
            loadings += indicator.loading;
            squares += indicator.loading * indicator.loading;
            residuals += indicator.residual;
            ++count;
        }
        const double s = loadings;
        row.ave = ratio(squares, residuals);
        // One indicator is its own composite: there is no internal consistency to measure.
        if (count == 1) continue;
        row.compositeReliability = ratio(s * s, residuals);
        row.cronbachAlpha = construct.cronbachAlpha;
    }
    return rows;
}

std::string ReliabilityFigureText(const std::optional<double>& figure) {
    return figure ? Formatted("%f", *figure) : "n/a";
}

std::string FormatReliabilityTable(const std::vector<ReliabilityRow>& rows) {
    std::string text = Formatted("Construct,Composite,AVE,Cronbach\n ,Reliability,,Alpha (%s)\n",
                                 kAlphaMissingDataNote);
    for (const ReliabilityRow& row : rows)
        AppendFormat(text, "%s,%s,%s,%s\n", CsvText(row.construct).c_str(),
                     ReliabilityFigureText(row.compositeReliability).c_str(),
                     ReliabilityFigureText(row.ave).c_str(),
                     ReliabilityFigureText(row.cronbachAlpha).c_str());
    return text;
}

}  // namespace qv
