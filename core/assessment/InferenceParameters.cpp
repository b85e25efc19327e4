#include "core/assessment/InferenceParameters.h"

#include <algorithm>

#include "core/assessment/DiscriminantValidity.h"

namespace qv {
namespace {

void addPairs(std::vector<InferenceParameter>& parameters, InferenceGroup group, const ModelShape& shape,
              const Eigen::MatrixXd& values) {
    for (int from = 0; from < shape.constructCount(); ++from)
        for (int to = 0; to < shape.constructCount(); ++to)
            if (values(from, to) != 0) parameters.push_back({group, shape.pathKey(from, to), from, to});
}

bool needs(const std::vector<InferenceParameter>& parameters, InferenceGroup group) {
    return std::any_of(parameters.begin(), parameters.end(),
                       [group](const InferenceParameter& p) { return p.group == group; });
}

}  // namespace

const char* InferenceGroupKey(InferenceGroup group) {
    switch (group) {
        case InferenceGroup::Paths: return "paths";
        case InferenceGroup::Loadings: return "loadings";
        case InferenceGroup::Weights: return "weights";
        case InferenceGroup::Indirect: return "indirect";
        case InferenceGroup::Total: return "total";
        case InferenceGroup::RSquare: return "r2";
        case InferenceGroup::Htmt: return "htmt";
        case InferenceGroup::F2: return "f2";
    }
    return "";
}

std::vector<InferenceParameter> InferenceParameters(const Assessment& a) {
    const ModelShape& shape = a.shape;
    std::vector<InferenceParameter> parameters;
    for (const auto& [from, to] : shape.paths)
        parameters.push_back({InferenceGroup::Paths, shape.pathKey(from, to), from, to});
    for (InferenceGroup group : {InferenceGroup::Loadings, InferenceGroup::Weights})
        for (int i = 0; i < shape.indicatorCount(); ++i) parameters.push_back({group, shape.indicators[i], i});
    addPairs(parameters, InferenceGroup::Indirect, shape, a.effects.indirect);
    addPairs(parameters, InferenceGroup::Total, shape, a.effects.total);
    for (int k = 0; k < shape.constructCount(); ++k)
        if (shape.endogenous(k)) parameters.push_back({InferenceGroup::RSquare, shape.constructs[k], k});
    for (int first = 0; first < shape.constructCount(); ++first)
        for (int second = first + 1; second < shape.constructCount(); ++second)
            parameters.push_back({InferenceGroup::Htmt, shape.constructs[first] + "|" + shape.constructs[second],
                                  first, second});
    for (const auto& [from, to] : shape.paths)
        parameters.push_back({InferenceGroup::F2, shape.pathKey(from, to), from, to});
    return parameters;
}

Eigen::VectorXd InferenceValues(const ModelShape& shape, const std::vector<InferenceParameter>& parameters,
                                const Eigen::MatrixXd& r, const PlsEstimate& estimate) {
    const Effects effects = ComputeEffects(estimate.paths);
    const Eigen::MatrixXd htmt =
        needs(parameters, InferenceGroup::Htmt) ? HeterotraitMonotrait(shape, r) : Eigen::MatrixXd();
    const Eigen::MatrixXd f2 = needs(parameters, InferenceGroup::F2) ? EffectSizeF2(shape, estimate) : Eigen::MatrixXd();
    Eigen::VectorXd values(parameters.size());
    for (size_t p = 0; p < parameters.size(); ++p) {
        const auto& [group, key, row, column] = parameters[p];
        switch (group) {
            case InferenceGroup::Paths: values(p) = estimate.paths(row, column); break;
            case InferenceGroup::Loadings: values(p) = estimate.loadings(row); break;
            case InferenceGroup::Weights: values(p) = estimate.weights(row); break;
            case InferenceGroup::Indirect: values(p) = effects.indirect(row, column); break;
            case InferenceGroup::Total: values(p) = effects.total(row, column); break;
            case InferenceGroup::RSquare: values(p) = estimate.rSquare(row); break;
            case InferenceGroup::Htmt: values(p) = htmt(row, column); break;
            case InferenceGroup::F2: values(p) = f2(row, column); break;
        }
    }
    return values;
}

}  // namespace qv
