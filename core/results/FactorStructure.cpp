#include "core/results/FactorStructure.h"

#include <cmath>

#include "core/engine/AppendFormat.h"
#include "core/rawdata/ColumnStatistics.h"
#include "core/report/HtmlText.h"
#include "core/results/ConstructScores.h"
#include "core/results/CsvText.h"

namespace qv {
namespace {

// A column's deviations from its mean and its sample variance.
struct CentredColumn {
    std::vector<double> deviations;
    double variance = 0;
    std::string error;
};

CentredColumn centred(const RawDataTable& table, int column) {
    ColumnNumbers numbers = columnNumbers(table, column);
    CentredColumn result{std::move(numbers.values), 0, std::move(numbers.error)};
    const size_t n = result.deviations.size();
    const double mean = statisticsOf(result.deviations).mean;
    double squares = 0;
    for (double& value : result.deviations) {
        value -= mean;
        squares += value * value;
    }
    if (n > 1) result.variance = squares / static_cast<double>(n - 1);
    return result;
}

double correlation(const CentredColumn& a, const CentredColumn& b) {
    if (a.variance == 0 || b.variance == 0) return 0;
    double products = 0;
    for (size_t r = 0; r < a.deviations.size() && r < b.deviations.size(); ++r)
        products += a.deviations[r] * b.deviations[r];
    const double covariance = products / static_cast<double>(a.deviations.size() - 1);
    return covariance / std::sqrt(a.variance * b.variance);
}

}  // namespace

FactorStructure ComputeFactorStructure(const ProjectModel& model, const RawDataTable& table,
                                       int indicatorCount) {
    FactorStructure structure;
    std::vector<CentredColumn> scores;
    for (int k = 0; k < model.nConstruct; ++k) {
        scores.push_back(centred(table, scoreColumn(model, table, k)));
        if (!scores.back().error.empty()) return {{}, scores.back().error};
    }
    for (int k = 0; k < model.nConstruct; ++k)
        for (int i = 0; i < indicatorCount; ++i) {
            if (model.indicators[i].construct != k) continue;
            const CentredColumn indicator = centred(table, i + 1);
            if (!indicator.error.empty()) return {{}, indicator.error};
            FactorStructureRow row{model.indicators[i].caption, k, {}};
            for (const CentredColumn& score : scores)
                row.correlations.push_back(correlation(indicator, score));
            structure.rows.push_back(std::move(row));
        }
    return structure;
}

std::string FormatFactorStructureCsv(const ProjectModel& model, const FactorStructure& structure) {
    std::string text = "Factor Structure Matrix of Loadings and Cross-Loadings\n" +
                       std::string(69, '-') + "\nScale Items   ";
    for (int k = 0; k < model.nConstruct; ++k) text += "," + CsvText(model.constructs[k].caption);
    text += "\n";
    for (const FactorStructureRow& row : structure.rows) {
        text += CsvText(row.indicator);
        for (double value : row.correlations) AppendFormat(text, ",%6.4f", value);
        text += "\n";
    }
    return text;
}

std::string FormatFactorStructureHtml(const ProjectModel& model, const FactorStructure& structure) {
    std::string text =
        "<hr><P><center><table border=0 width=80% bgcolor=FFFFDD>"
        "<caption><U><B><a name=EFA>Factor Structure Matrix of Loadings and Cross-Loadings</a>"
        "</B></U></caption><a href=#HOME><img src='icon_182.jpg' border=0></a>"
        "\n<tr><th bgcolor=008080><font color=white>Scale Items   ";
    for (int k = 0; k < model.nConstruct; ++k)
        text += "<th bgcolor=008080><font color=white>" + HtmlEscaped(model.constructs[k].caption);
    for (const FactorStructureRow& row : structure.rows) {
        AppendFormat(text, "\n<tr bgcolor=%s align=right><td align=center>%s",
                     row.construct % 2 == 0 ? "FFFFDD" : "FFDDFF", HtmlEscaped(row.indicator).c_str());
        for (size_t h = 0; h < row.correlations.size(); ++h)
            AppendFormat(text, static_cast<int>(h) == row.construct ? "<td><B>%6.4f</B>" : "<td>%6.4f",
                         row.correlations[h]);
    }
    return text + "\n</table></center>";
}

}  // namespace qv
