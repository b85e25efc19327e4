#include "core/assessment/AssessmentJson.h"

#include <cmath>

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

Json perConstruct(const ModelShape& shape, const Eigen::VectorXd& values) {
    Json object = Json::object();
    for (int k = 0; k < shape.constructCount(); ++k) object[shape.constructs[k]] = JsonFigure(values(k));
    return object;
}

// Every pair of different constructs, in both orders.
Json pairs(const ModelShape& shape, const Eigen::MatrixXd& values) {
    Json object = Json::object();
    for (int a = 0; a < shape.constructCount(); ++a) {
        Json row = Json::object();
        for (int b = 0; b < shape.constructCount(); ++b)
            if (a != b) row[shape.constructs[b]] = JsonFigure(values(a, b));
        object[shape.constructs[a]] = std::move(row);
    }
    return object;
}

Json perPath(const ModelShape& shape, const Eigen::MatrixXd& values) {
    Json object = Json::object();
    for (const auto& [from, to] : shape.paths) object[shape.pathKey(from, to)] = JsonFigure(values(from, to));
    return object;
}

Json nonzero(const ModelShape& shape, const Eigen::MatrixXd& values) {
    Json object = Json::object();
    for (int from = 0; from < shape.constructCount(); ++from)
        for (int to = 0; to < shape.constructCount(); ++to)
            if (values(from, to) != 0) object[shape.pathKey(from, to)] = JsonFigure(values(from, to));
    return object;
}

Json innerVif(const ModelShape& shape, const Eigen::MatrixXd& vif) {
    Json object = Json::object();
    for (int to = 0; to < shape.constructCount(); ++to) {
        if (!shape.endogenous(to)) continue;
        Json row = Json::object();
        for (int from : shape.predictors(to)) row[shape.constructs[from]] = JsonFigure(vif(from, to));
        object[shape.constructs[to]] = std::move(row);
    }
    return object;
}

Json outerVif(const ModelShape& shape, const Eigen::VectorXd& vif) {
    Json object = Json::object();
    for (int i = 0; i < shape.indicatorCount(); ++i) object[shape.indicators[i]] = JsonFigure(vif(i));
    return object;
}

Json srmrPair(const SrmrPair& pair) {
    return Json{{"saturated", JsonFigure(pair.saturated)}, {"estimated", JsonFigure(pair.estimated)}};
}

Json interval(const std::array<double, 2>& bounds) {
    return Json::array({JsonFigure(bounds[0]), JsonFigure(bounds[1])});
}

Json inferenceFigures(const IntervalEstimate& f) {
    return Json{{"estimate", JsonFigure(f.estimate)}, {"mean", JsonFigure(f.mean)}, {"se", JsonFigure(f.se)},
                {"t", JsonFigure(f.t)},
                {"p", JsonFigure(f.p)},
                {"ci_percentile", interval(f.percentile)},
                {"ci_bca", interval(f.bca)}};
}

}  // namespace

void AddInferenceJson(Json& json, const Inference& inference) {
    Json groups = Json::object();
    for (InferenceGroup group : kInferenceGroups) groups[InferenceGroupKey(group)] = Json::object();
    for (const InferenceRow& row : inference.rows)
        groups[InferenceGroupKey(row.parameter.group)][row.parameter.key] = inferenceFigures(row.figures);
    json["inference"] = std::move(groups);
    json["samples"] = inference.samples;
    json["seed"] = inference.seed;
    json["rejected"] = inference.rejected;
    json["confidence"] = inference.confidence;
}

Json JsonFigure(double value) { return std::isfinite(value) ? Json(value) : Json(nullptr); }

Json AssessmentJson(const Assessment& a) {
    const ModelShape& shape = a.shape;
    const PlsEstimate& estimate = a.reported;
    Json json = Json::object();
    json["constructs"] = shape.constructs;
    json["htmt"] = pairs(shape, a.htmt);
    json["htmt2"] = pairs(shape, a.htmt2);
    json["fornell_larcker"] = Json{{"sqrt_ave", perConstruct(shape, a.sqrtAve)},
                                   {"correlations", pairs(shape, estimate.scoreCorrelations)}};
    json["vif_outer"] = outerVif(shape, a.vifOuter);
    json["vif_inner"] = innerVif(shape, a.vifInner);
    json["f2"] = perPath(shape, a.f2);
    json["rho_a"] = perConstruct(shape, a.reliability.rhoA);
    json["rho_c"] = perConstruct(shape, a.reliability.rhoC);
    json["ave"] = perConstruct(shape, a.reliability.ave);
    json["alpha"] = perConstruct(shape, a.reliability.alpha);
    json["r2"] = perConstruct(shape, a.rSquare);
    json["r2_adjusted"] = perConstruct(shape, a.rSquareAdjusted);
    json["effects"] = Json{{"direct", nonzero(shape, a.effects.direct)},
                           {"indirect", nonzero(shape, a.effects.indirect)},
                           {"total", nonzero(shape, a.effects.total)}};
    json["srmr"] = Json{{"common_factor", srmrPair(a.srmr.commonFactor)}, {"composite", srmrPair(a.srmr.composite)}};
    json["consistent"] = a.consistent.has_value();
    return json;
}

}  // namespace qv
