#include "core/assessment/EffectSizes.h"

#include <algorithm>

#include "core/assessment/DiscriminantValidity.h"

namespace qv {

Effects ComputeEffects(const Eigen::MatrixXd& paths) {
    Effects effects;
    effects.direct = paths;
    // A recursive model's B is nilpotent: (I - B)⁻¹ - I = B + B² + ... + B^K, and the sum
    // keeps an effect without a chain of paths exactly 0, where an inverse might not.
    effects.total = paths;
    Eigen::MatrixXd power = paths;
    for (Eigen::Index chain = 2; chain <= paths.rows() && !power.isZero(0); ++chain) {
        power = power * paths;
        effects.total += power;
    }
    effects.indirect = effects.total - paths;
    return effects;
}

Eigen::MatrixXd EffectSizeF2(const ModelShape& shape, const PlsEstimate& estimate) {
    const int constructs = shape.constructCount();
    Eigen::MatrixXd f2 = Eigen::MatrixXd::Constant(constructs, constructs, kUndefined);
    for (const auto& [from, to] : shape.paths) {
        std::vector<int> others = shape.predictors(to);
        std::erase(others, from);
        const double included = estimate.rSquare(to);
        const double excluded =
            others.empty() ? 0.0 : RegressScores(estimate.scoreCorrelations, others, to).rSquare;
        f2(from, to) = (included - excluded) / (1 - included);
    }
    return f2;
}

Eigen::VectorXd AdjustedRSquare(const ModelShape& shape, const Eigen::VectorXd& rSquare, int cases) {
    Eigen::VectorXd adjusted = Eigen::VectorXd::Constant(shape.constructCount(), kUndefined);
    for (int k = 0; k < shape.constructCount(); ++k) {
        const int predictors = static_cast<int>(shape.predictors(k).size());
        if (predictors == 0 || cases - predictors - 1 <= 0) continue;
        adjusted(k) = 1 - (1 - rSquare(k)) * (cases - 1) / static_cast<double>(cases - predictors - 1);
    }
    return adjusted;
}

}  // namespace qv
