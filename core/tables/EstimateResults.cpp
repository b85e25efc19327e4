#include "core/tables/EstimateResults.h"

#include <cmath>
#include <limits>

#include "core/results/ConstructScores.h"

namespace qv {
namespace {

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

TableCell text(const std::string& value) { return TableCell::ofText(value); }
TableCell number(double value, std::initializer_list<Threshold> checks = {}) {
    return TableCell::ofNumber(value, checks);
}

const std::string& captionOf(const ProjectModel& model, int construct) {
    return model.constructs[construct].caption;
}

int predecessorCount(const ProjectModel& model, int construct) {
    int count = 0;
    for (int p = 0; p < model.nPath; ++p) count += model.paths[p].dest == construct;
    return count;
}

// 1 - (1 - R²)(n - 1)/(n - k - 1); undefined without predictors or without degrees of freedom left.
double adjustedRSquare(double rSquare, int cases, int predictors) {
    if (predictors == 0 || cases - predictors - 1 <= 0) return kNoValue;
    return 1 - (1 - rSquare) * (cases - 1) / (cases - predictors - 1);
}

}  // namespace

ResultTable PathListResults(const ProjectModel& model) {
    ResultTable table{"paths", "Path coefficients", {"From", "To", "Coefficient"}, {}, {}};
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[p];
        table.rows.push_back({text(captionOf(model, path.src)), text(captionOf(model, path.dest)),
                              number(path.coefficient)});
    }
    return table;
}

ResultTable PathMatrixResults(const ProjectModel& model) {
    ResultTable table{"path_matrix", "Path coefficients (matrix)", {"From \\ To"}, {}, {}};
    for (int c = 0; c < model.nConstruct; ++c) {
        table.columns.push_back(captionOf(model, c));
        table.rows.push_back(TableRow(model.nConstruct + 1, text("")));
        table.rows.back()[0] = text(captionOf(model, c));
    }
    for (int p = 0; p < model.nPath; ++p)
        table.rows[model.paths[p].src][model.paths[p].dest + 1] = number(model.paths[p].coefficient);
    return table;
}

ResultTable ExplainedVarianceResults(const ProjectModel& model, int cases) {
    ResultTable table{"r_square", "R-square and Q-square",
                      {"Construct", "R-square", "Adjusted R-square", "Q-square", "Q-square SD"}, {}, {}};
    bool withoutBlindfolding = false;
    for (int c = 0; c < model.nConstruct; ++c) {
        const Construct& construct = model.constructs[c];
        const int predictors = predecessorCount(model, c);
        const double rSquare = predictors > 0 ? construct.rSquare : kNoValue;
        const bool hasQ2 = construct.q2Kind != 0 && construct.q2Missing.empty();
        table.rows.push_back({text(construct.caption), number(rSquare),
                              number(adjustedRSquare(rSquare, cases, predictors)),
                              number(hasQ2 ? construct.q2 : kNoValue), number(hasQ2 ? construct.q2sd : kNoValue)});
        if (!construct.q2Missing.empty())
            table.notes.push_back("Q-square of " + construct.caption + ": n/a, " + construct.q2Missing);
        withoutBlindfolding = withoutBlindfolding || construct.q2Kind == 0;
    }
    table.notes.insert(table.notes.begin(), "R-square: n/a for a construct without predecessors.");
    if (withoutBlindfolding)
        table.notes.push_back("Q-square: n/a where the estimate did not include blindfolding "
                              "(Model Parameter: blindfolding type and omission distance).");
    return table;
}

ResultTable OuterModelResults(const ProjectModel& model, const std::vector<LoadingBlock>& blocks) {
    ResultTable table{"outer_model", "Outer loadings and weights",
                      {"Construct", "Indicator", "Mean", "Stdev", "Loading", "Residual", "Weight"}, {}, {}};
    for (size_t b = 0; b < blocks.size(); ++b) {
        const bool reflective = b < static_cast<size_t>(model.nConstruct) && model.constructs[b].type == 0;
        for (const LoadingRow& row : blocks[b].rows)
            table.rows.push_back({text(blocks[b].construct), text(row.indicator), number(row.mean), number(row.stdev),
                                  reflective ? number(row.loading, {Threshold::LowLoading}) : number(row.loading),
                                  number(row.residual), number(row.weight)});
    }
    return table;
}

ResultTable CorrelationResults(const ProjectModel& model, const CorrelationMatrix& matrix, const char* key,
                               const char* title) {
    ResultTable table{key, title, {""}, {}, {}};
    for (size_t k = 0; k < matrix.participants.size(); ++k) {
        table.columns.push_back(captionOf(model, matrix.participants[k]));
        TableRow row{text(captionOf(model, matrix.participants[k]))};
        for (const double value : matrix.lower[k]) row.push_back(number(value));
        row.push_back(number(1.0));
        table.rows.push_back(std::move(row));
    }
    return table;
}

ResultTable CrossLoadingResults(const ProjectModel& model, const FactorStructure& structure) {
    ResultTable table{"cross_loadings", "Loadings and cross-loadings", {"Indicator", "Construct"}, {}, {}};
    for (int c = 0; c < model.nConstruct; ++c) table.columns.push_back(captionOf(model, c));
    for (const FactorStructureRow& row : structure.rows) {
        TableRow cells{text(row.indicator), text(row.construct >= 0 ? captionOf(model, row.construct) : "")};
        const bool owned = row.construct >= 0 && static_cast<size_t>(row.construct) < row.correlations.size();
        const double own = owned ? row.correlations[row.construct] : kNoValue;
        for (const double value : row.correlations) {
            cells.push_back(number(value));
            if (std::fabs(value) > std::fabs(own)) cells.back().mark = Threshold::CrossLoading;
        }
        table.rows.push_back(std::move(cells));
    }
    table.notes.push_back("Each indicator should correlate more with its own construct than with any other.");
    return table;
}

ResultTable ScoreResults(const ProjectModel& model, const RawDataTable& table) {
    ResultTable scores{"scores", "Construct scores", {"Case"}, {}, {}};
    for (int c = 0; c < model.nConstruct; ++c) scores.columns.push_back(captionOf(model, c));
    for (int row = 1; row < table.rowCount(); ++row) {
        TableRow cells{TableCell::ofNumber(table.number(0, row).value_or(row), {}, 0)};
        for (int c = 0; c < model.nConstruct; ++c)
            cells.push_back(number(table.number(scoreColumn(model, table, c), row).value_or(kNoValue)));
        scores.rows.push_back(std::move(cells));
    }
    return scores;
}

}  // namespace qv
