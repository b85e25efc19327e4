#include "core/assessment/ModelFit.h"

#include <cmath>

namespace qv {
namespace {

double srmr(const ModelShape& shape, const Eigen::MatrixXd& r, const Eigen::VectorXd& loadings,
            const Eigen::MatrixXd& phi, bool composite) {
    const int indicators = shape.indicatorCount();
    double sum = 0;
    for (int i = 0; i < indicators; ++i)
        for (int j = 0; j < i; ++j) {
            const int a = shape.blockOf[static_cast<size_t>(i)], b = shape.blockOf[static_cast<size_t>(j)];
            const double implied = composite && a == b ? r(i, j) : loadings(i) * loadings(j) * phi(a, b);
            sum += (r(i, j) - implied) * (r(i, j) - implied);
        }
    // The diagonal elements count, with no residual.
    const double elements = indicators * (indicators + 1) / 2.0;
    return std::sqrt(sum / elements);
}

}  // namespace

Eigen::MatrixXd ImpliedConstructCorrelations(const ModelShape& shape, const PlsEstimate& estimate) {
    const int constructs = shape.constructCount();
    Eigen::MatrixXd disturbances = Eigen::MatrixXd::Zero(constructs, constructs);
    for (int a = 0; a < constructs; ++a) {
        if (shape.endogenous(a)) {
            disturbances(a, a) = 1 - estimate.rSquare(a);
            continue;
        }
        for (int b = 0; b < constructs; ++b)
            if (!shape.endogenous(b)) disturbances(a, b) = estimate.scoreCorrelations(a, b);
    }
    const Eigen::MatrixXd identity = Eigen::MatrixXd::Identity(constructs, constructs);
    const Eigen::MatrixXd reach = (identity - estimate.paths.transpose()).partialPivLu().inverse();
    Eigen::MatrixXd implied = reach * disturbances * reach.transpose();
    implied.diagonal().setOnes();
    return implied;
}

Srmr ComputeSrmr(const ModelShape& shape, const Eigen::MatrixXd& r, const PlsEstimate& estimate) {
    const Eigen::MatrixXd implied = ImpliedConstructCorrelations(shape, estimate);
    const Eigen::MatrixXd& saturated = estimate.scoreCorrelations;
    const Eigen::VectorXd& l = estimate.loadings;
    return Srmr{{srmr(shape, r, l, saturated, false), srmr(shape, r, l, implied, false)},
                {srmr(shape, r, l, saturated, true), srmr(shape, r, l, implied, true)}};
}

}  // namespace qv
