#include "core/assessment/AssessmentTables.h"

#include <algorithm>
#include <cmath>

#include "core/assessment/FigureText.h"

namespace qv {
namespace {

using T = Threshold;

TableCell text(const std::string& value) { return TableCell::ofText(value); }
TableCell number(double value, std::initializer_list<Threshold> checks = {}) {
    return TableCell::ofNumber(value, checks);
}

// A lower triangle: a header of the constructs, then each row up to the diagonal, which
// comes from `diagonal` when given.
ResultTable triangle(const char* key, const char* title, const ModelShape& shape, const Eigen::MatrixXd& values,
                     std::initializer_list<Threshold> checks, const Eigen::VectorXd* diagonal = nullptr) {
    ResultTable table{key, title, {""}, {}, {}};
    for (const std::string& construct : shape.constructs) table.columns.push_back(construct);
    for (int row = diagonal ? 0 : 1; row < shape.constructCount(); ++row) {
        TableRow cells{text(shape.constructs[row])};
        for (int column = 0; column < row; ++column) cells.push_back(number(values(row, column), checks));
        if (diagonal) cells.push_back(number((*diagonal)(row)));
        table.rows.push_back(std::move(cells));
    }
    return table;
}

std::vector<FigureTable> figureTables(const std::vector<ResultTable>& tables) {
    std::vector<FigureTable> figures;
    for (const ResultTable& table : tables) figures.push_back(FigureTableOf(table));
    return figures;
}

// A correlation beyond the square root of either construct's AVE fails the criterion.
void markFornellLarcker(ResultTable& table, const Eigen::VectorXd& sqrtAve) {
    for (size_t row = 0; row < table.rows.size(); ++row)
        for (size_t column = 1; column + 1 < table.rows[row].size(); ++column) {
            TableCell& cell = table.rows[row][column];
            const double limit = std::min(sqrtAve(static_cast<Eigen::Index>(row)), sqrtAve(static_cast<Eigen::Index>(column - 1)));
            if (std::abs(cell.number) > limit) cell.mark = T::AboveRootAve;
        }
}

}  // namespace

std::vector<ResultTable> DiscriminantResults(const Assessment& a) {
    ResultTable fornellLarcker = triangle("fornell_larcker", "Fornell-Larcker", a.shape,
                                          a.reported.scoreCorrelations, {}, &a.sqrtAve);
    markFornellLarcker(fornellLarcker, a.sqrtAve);
    fornellLarcker.notes.push_back("The diagonal holds the square root of each construct's AVE; "
                                   "below it stand the correlations of the construct scores.");
    return {triangle("htmt", "HTMT", a.shape, a.htmt, {T::HtmtAbove085, T::HtmtAbove090}),
            triangle("htmt2", "HTMT2", a.shape, a.htmt2, {T::HtmtAbove085, T::HtmtAbove090}), fornellLarcker};
}

std::vector<ResultTable> VifResults(const Assessment& a) {
    const ModelShape& shape = a.shape;
    ResultTable outer{"outer_vif", "Outer VIF", {"Construct", "Indicator", "VIF"}, {}, {}};
    for (int i = 0; i < shape.indicatorCount(); ++i)
        outer.rows.push_back({text(shape.constructs[shape.blockOf[i]]), text(shape.indicators[i]),
                              number(a.vifOuter(i), {T::VifAbove3, T::VifAbove5})});
    ResultTable inner{"inner_vif", "Inner VIF", {"Construct", "Predictor", "VIF"}, {}, {}};
    for (int to = 0; to < shape.constructCount(); ++to)
        for (int from : shape.predictors(to))
            inner.rows.push_back({text(shape.constructs[to]), text(shape.constructs[from]),
                                  number(a.vifInner(from, to), {T::VifAbove3, T::VifAbove5})});
    return {outer, inner};
}

std::vector<ResultTable> F2Results(const Assessment& a) {
    ResultTable table{"f2", "Effect size f2", {"From", "To", "f2"}, {}, {}};
    for (const auto& [from, to] : a.shape.paths)
        table.rows.push_back({text(a.shape.constructs[from]), text(a.shape.constructs[to]), number(a.f2(from, to))});
    return {table};
}

std::vector<ResultTable> ReliabilityResults(const Assessment& a) {
    const ConstructReliability& r = a.reliability;
    ResultTable table{"reliability", "Reliability", {"Construct", "Cronbach Alpha", "rho_A", "rho_C", "AVE"}, {}, {}};
    for (int k = 0; k < a.shape.constructCount(); ++k)
        table.rows.push_back({text(a.shape.constructs[k]), number(r.alpha(k), {T::LowReliability}),
                              number(r.rhoA(k), {T::LowReliability}), number(r.rhoC(k), {T::LowReliability}),
                              number(r.ave(k), {T::LowAve})});
    if (HasUndefined(table))
        table.notes.push_back("n/a: undefined for a formative block, and alpha for a block of one indicator.");
    return {table};
}

std::vector<ResultTable> EffectResults(const Assessment& a) {
    const Effects& e = a.effects;
    ResultTable table{"effects", "Effects", {"From", "To", "Direct", "Indirect", "Total"}, {}, {}};
    for (int from = 0; from < a.shape.constructCount(); ++from)
        for (int to = 0; to < a.shape.constructCount(); ++to)
            if (e.total(from, to) != 0)
                table.rows.push_back({text(a.shape.constructs[from]), text(a.shape.constructs[to]),
                                      number(e.direct(from, to)), number(e.indirect(from, to)),
                                      number(e.total(from, to))});
    return {table};
}

std::vector<ResultTable> FitResults(const Assessment& a) {
    ResultTable rSquare{"explained_variance", "Explained variance", {"Construct", "R-square", "Adjusted R-square"}, {}, {}};
    for (int k = 0; k < a.shape.constructCount(); ++k)
        if (a.shape.endogenous(k))
            rSquare.rows.push_back({text(a.shape.constructs[k]), number(a.rSquare(k)), number(a.rSquareAdjusted(k))});
    const Srmr& s = a.srmr;
    ResultTable srmr{"srmr", "SRMR", {"Variant", "Saturated model", "Estimated model"},
                     {{text("Common factor"), number(s.commonFactor.saturated), number(s.commonFactor.estimated)},
                      {text("Composite"), number(s.composite.saturated), number(s.composite.estimated)}},
                     {}};
    return {rSquare, srmr};
}

std::vector<FigureTable> DiscriminantTables(const Assessment& a) { return figureTables(DiscriminantResults(a)); }
std::vector<FigureTable> VifTables(const Assessment& a) { return figureTables(VifResults(a)); }
std::vector<FigureTable> F2Tables(const Assessment& a) { return figureTables(F2Results(a)); }
std::vector<FigureTable> ReliabilityTables(const Assessment& a) { return figureTables(ReliabilityResults(a)); }
std::vector<FigureTable> EffectTables(const Assessment& a) { return figureTables(EffectResults(a)); }
std::vector<FigureTable> FitTables(const Assessment& a) { return figureTables(FitResults(a)); }

std::vector<AssessmentFile> AssessmentFiles(const Assessment& a) {
    return {{"_htmt.csv", {"HTMT", "Discriminant Validity: HTMT and Fornell-Larcker", DiscriminantTables(a)}},
            {"_vif.csv", {"VIF", "Collinearity: Variance Inflation Factors", VifTables(a)}},
            {"_f2.csv", {"EFFECTSIZE", "Effect Sizes f2", F2Tables(a)}},
            {"_reliability.csv", {"RELIABILITY", "Reliability: Alpha, rho_A, rho_C and AVE", ReliabilityTables(a)}},
            {"_effects.csv", {"EFFECTS", "Direct, Indirect and Total Effects", EffectTables(a)}},
            {"_fit.csv", {"FIT", "Explained Variance and Model Fit (SRMR)", FitTables(a)}}};
}

ResultTable InferenceResults(const Inference& inference) {
    const std::string level = FigureText(inference.confidence * 100, 0) + "%";
    ResultTable table{"inference",
                      "Bootstrap inference: " + std::to_string(inference.samples) + " subsamples, " +
                          std::to_string(inference.rejected) + " rejected, seed " + std::to_string(inference.seed) +
                          ", confidence " + level,
                      {"Group", "Parameter", "Estimate", "Mean", "Standard error", "t", "p",
                       "Percentile " + level + " lower", "Percentile " + level + " upper",
                       "BCa " + level + " lower", "BCa " + level + " upper"},
                      {},
                      {}};
    for (const InferenceRow& row : inference.rows) {
        const IntervalEstimate& f = row.figures;
        table.rows.push_back({text(InferenceGroupKey(row.parameter.group)), text(row.parameter.key),
                              number(f.estimate), number(f.mean), number(f.se), TableCell::ofNumber(f.t, {}, 3),
                              number(f.p, {T::NotSignificant}), number(f.percentile[0]), number(f.percentile[1]),
                              number(f.bca[0]), number(f.bca[1])});
    }
    return table;
}

std::vector<FigureTable> InferenceTables(const Inference& inference) {
    return {FigureTableOf(InferenceResults(inference))};
}

FigureSection InferenceSection(const Inference& inference) {
    return {kInferenceAnchor, kInferenceCaption, InferenceTables(inference)};
}

}  // namespace qv
