#include "core/assessment/AssessmentTables.h"

#include "core/assessment/FigureText.h"

namespace qv {
namespace {

// A lower triangle: a header of the constructs, then each row up to the diagonal, which
// comes from `diagonal` when given.
FigureTable triangle(const char* title, const ModelShape& shape, const Eigen::MatrixXd& values,
                     const Eigen::VectorXd* diagonal = nullptr) {
    FigureTable table{title, {{""}}};
    for (const std::string& construct : shape.constructs) table.rows[0].push_back(construct);
    for (int row = diagonal ? 0 : 1; row < shape.constructCount(); ++row) {
        std::vector<std::string> fields{shape.constructs[row]};
        for (int column = 0; column < row; ++column) fields.push_back(FigureText(values(row, column)));
        if (diagonal) fields.push_back(FigureText((*diagonal)(row)));
        table.rows.push_back(std::move(fields));
    }
    return table;
}

}  // namespace

std::vector<FigureTable> DiscriminantTables(const Assessment& a) {
    return {triangle("HTMT", a.shape, a.htmt), triangle("HTMT2", a.shape, a.htmt2),
            triangle("Fornell-Larcker", a.shape, a.estimate().scoreCorrelations, &a.sqrtAve)};
}

std::vector<FigureTable> VifTables(const Assessment& a) {
    const ModelShape& shape = a.shape;
    FigureTable outer{"Outer VIF", {{"Construct", "Indicator", "VIF"}}};
    for (int i = 0; i < shape.indicatorCount(); ++i)
        outer.rows.push_back({shape.constructs[shape.blockOf[i]], shape.indicators[i], FigureText(a.vifOuter(i))});
    FigureTable inner{"Inner VIF", {{"Construct", "Predictor", "VIF"}}};
    for (int to = 0; to < shape.constructCount(); ++to)
        for (int from : shape.predictors(to))
            inner.rows.push_back({shape.constructs[to], shape.constructs[from], FigureText(a.vifInner(from, to))});
    return {outer, inner};
}

std::vector<FigureTable> F2Tables(const Assessment& a) {
    FigureTable table{"Effect size f2", {{"From", "To", "f2"}}};
    for (const auto& [from, to] : a.shape.paths)
        table.rows.push_back({a.shape.constructs[from], a.shape.constructs[to], FigureText(a.f2(from, to))});
    return {table};
}

std::vector<FigureTable> ReliabilityTables(const Assessment& a) {
    const ConstructReliability& r = a.reliability;
    FigureTable table{"Reliability", {{"Construct", "Cronbach Alpha", "rho_A", "rho_C", "AVE"}}};
    for (int k = 0; k < a.shape.constructCount(); ++k)
        table.rows.push_back({a.shape.constructs[k], FigureText(r.alpha(k)), FigureText(r.rhoA(k)),
                              FigureText(r.rhoC(k)), FigureText(r.ave(k))});
    return {table};
}

std::vector<FigureTable> EffectTables(const Assessment& a) {
    const Effects& e = a.effects;
    FigureTable table{"Effects", {{"From", "To", "Direct", "Indirect", "Total"}}};
    for (int from = 0; from < a.shape.constructCount(); ++from)
        for (int to = 0; to < a.shape.constructCount(); ++to)
            if (e.total(from, to) != 0)
                table.rows.push_back({a.shape.constructs[from], a.shape.constructs[to],
                                      FigureText(e.direct(from, to)), FigureText(e.indirect(from, to)),
                                      FigureText(e.total(from, to))});
    return {table};
}

std::vector<FigureTable> FitTables(const Assessment& a) {
    FigureTable rSquare{"Explained variance", {{"Construct", "R-square", "Adjusted R-square"}}};
    for (int k = 0; k < a.shape.constructCount(); ++k)
        if (a.shape.endogenous(k))
            rSquare.rows.push_back({a.shape.constructs[k], FigureText(a.rSquare(k)), FigureText(a.rSquareAdjusted(k))});
    const Srmr& s = a.srmr;
    FigureTable srmr{"SRMR", {{"Variant", "Saturated model", "Estimated model"},
                              {"Common factor", FigureText(s.commonFactor.saturated), FigureText(s.commonFactor.estimated)},
                              {"Composite", FigureText(s.composite.saturated), FigureText(s.composite.estimated)}}};
    return {rSquare, srmr};
}

std::vector<AssessmentFile> AssessmentFiles(const Assessment& a) {
    return {{"_htmt.csv", {"HTMT", "Discriminant Validity: HTMT and Fornell-Larcker", DiscriminantTables(a)}},
            {"_vif.csv", {"VIF", "Collinearity: Variance Inflation Factors", VifTables(a)}},
            {"_f2.csv", {"EFFECTSIZE", "Effect Sizes f2", F2Tables(a)}},
            {"_reliability.csv", {"RELIABILITY", "Reliability: Alpha, rho_A, rho_C and AVE", ReliabilityTables(a)}},
            {"_effects.csv", {"EFFECTS", "Direct, Indirect and Total Effects", EffectTables(a)}},
            {"_fit.csv", {"FIT", "Explained Variance and Model Fit (SRMR)", FitTables(a)}}};
}

std::vector<FigureTable> InferenceTables(const Inference& inference) {
    const std::string level = FigureText(inference.confidence * 100, 0) + "%";
    FigureTable table{"Bootstrap inference: " + std::to_string(inference.samples) + " subsamples, " +
                          std::to_string(inference.rejected) + " rejected, seed " + std::to_string(inference.seed) +
                          ", confidence " + level,
                      {{"Group", "Parameter", "Estimate", "Mean", "Standard error", "t", "p",
                        "Percentile " + level + " lower", "Percentile " + level + " upper",
                        "BCa " + level + " lower", "BCa " + level + " upper"}}};
    for (const InferenceRow& row : inference.rows) {
        const IntervalEstimate& f = row.figures;
        table.rows.push_back({InferenceGroupKey(row.parameter.group), row.parameter.key, FigureText(f.estimate),
                              FigureText(f.mean), FigureText(f.se), FigureText(f.t, 3), FigureText(f.p),
                              FigureText(f.percentile[0]), FigureText(f.percentile[1]), FigureText(f.bca[0]),
                              FigureText(f.bca[1])});
    }
    return {table};
}

FigureSection InferenceSection(const Inference& inference) {
    return {kInferenceAnchor, kInferenceCaption, InferenceTables(inference)};
}

}  // namespace qv
