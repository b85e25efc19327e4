#include "core/assessment/Collinearity.h"

#include "core/assessment/DiscriminantValidity.h"

namespace qv {
namespace {

Eigen::VectorXd inverseDiagonal(const Eigen::MatrixXd& correlations) {
    const Eigen::FullPivLU<Eigen::MatrixXd> lu(correlations);
    if (!lu.isInvertible()) return Eigen::VectorXd::Constant(correlations.rows(), kUndefined);
    return lu.inverse().diagonal();
}

}  // namespace

Eigen::VectorXd OuterVif(const ModelShape& shape, const Eigen::MatrixXd& r) {
    Eigen::VectorXd vif(shape.indicatorCount());
    for (int k = 0; k < shape.constructCount(); ++k) {
        const std::vector<int> block = shape.block(k);
        vif(block) = inverseDiagonal(r(block, block));
    }
    return vif;
}

Eigen::MatrixXd InnerVif(const ModelShape& shape, const Eigen::MatrixXd& phi) {
    const int constructs = shape.constructCount();
    Eigen::MatrixXd vif = Eigen::MatrixXd::Constant(constructs, constructs, kUndefined);
    for (int to = 0; to < constructs; ++to) {
        const std::vector<int> predictors = shape.predictors(to);
        if (predictors.empty()) continue;
        const Eigen::VectorXd own = inverseDiagonal(phi(predictors, predictors));
        for (size_t p = 0; p < predictors.size(); ++p) vif(predictors[p], to) = own(p);
    }
    return vif;
}

}  // namespace qv
