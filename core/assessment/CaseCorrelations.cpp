#include "core/assessment/CaseCorrelations.h"

namespace qv {
namespace {

// Correlations from the cross products and column sums of `count` cases.
Eigen::MatrixXd correlations(Eigen::MatrixXd products, const Eigen::VectorXd& sums, double count) {
    products -= sums * sums.transpose() / count;
    const Eigen::VectorXd scale = products.diagonal().cwiseSqrt().cwiseInverse();
    Eigen::MatrixXd r = scale.asDiagonal() * products * scale.asDiagonal();
    r.diagonal().setOnes();
    return r;
}

}  // namespace

Eigen::MatrixXd CorrelationsOfCases(const Eigen::MatrixXd& zt, const std::vector<int>& cases) {
    Eigen::MatrixXd drawn(zt.rows(), static_cast<Eigen::Index>(cases.size()));
    for (size_t i = 0; i < cases.size(); ++i) drawn.col(static_cast<Eigen::Index>(i)) = zt.col(cases[i]);
    Eigen::MatrixXd products = Eigen::MatrixXd::Zero(zt.rows(), zt.rows());
    products.selfadjointView<Eigen::Lower>().rankUpdate(drawn);
    products = products.selfadjointView<Eigen::Lower>();
    return correlations(std::move(products), drawn.rowwise().sum(), static_cast<double>(cases.size()));
}

Eigen::MatrixXd CorrelationsWithout(const Eigen::MatrixXd& z, const Eigen::MatrixXd& zz, int row) {
    const Eigen::VectorXd left = z.row(row).transpose();
    return correlations(zz - left * left.transpose(), -left, static_cast<double>(z.rows() - 1));
}

}  // namespace qv
