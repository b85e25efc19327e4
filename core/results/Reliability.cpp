#include "core/results/Reliability.h"

#include "core/engine/AppendFormat.h"

namespace qv {
namespace {

std::optional<double> ratio(double part, double rest) {
    if (part + rest == 0) return std::nullopt;
    return part / (part + rest);
}

std::string ratioText(const std::optional<double>& value) {
    std::string text;
    if (value)
        AppendFormat(text, "%f", *value);
    else
        text = "N.A.";
    return text;
}

}  // namespace

std::vector<ReliabilityRow> ComputeReliability(const ProjectModel& model, int indicatorCount) {
    std::vector<ReliabilityRow> rows;
    for (int c = 0; c < model.nConstruct; ++c) {
        float loadings = 0, squares = 0, residuals = 0;
        for (int i = 0; i < indicatorCount; ++i) {
            const Indicator& indicator = model.indicators[i];
            if (indicator.construct != c) continue;
            loadings += indicator.loading;
            squares += indicator.loading * indicator.loading;
            residuals += indicator.residual;
        }
        const double s = loadings;
        rows.push_back({model.constructs[c].caption, ratio(s * s, residuals),
                        ratio(squares, residuals), model.constructs[c].cronbachAlpha});
    }
    return rows;
}

std::string FormatReliabilityTable(const std::vector<ReliabilityRow>& rows) {
    std::string text = "Construct,Composite,AVE,Cronbach\n ,Reliability,,Alpha\n";
    for (const ReliabilityRow& row : rows)
        AppendFormat(text, "%s,%s,%s,%f\n", row.construct.c_str(),
                     ratioText(row.compositeReliability).c_str(), ratioText(row.ave).c_str(),
                     row.cronbachAlpha);
    return text;
}

}  // namespace qv
