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

Eigen::MatrixXd CorrelationsOfCases(const Eigen::MatrixXd& z, const std::vector<int>& rows) {
    Eigen::MatrixXd drawn(rows.size(), z.cols());
    for (size_t i = 0; i < rows.size(); ++i) drawn.row(static_cast<Eigen::Index>(i)) = z.row(rows[i]);
    Eigen::MatrixXd products = Eigen::MatrixXd::Zero(z.cols(), z.cols());
    products.selfadjointView<Eigen::Lower>().rankUpdate(drawn.transpose());
    products = products.selfadjointView<Eigen::Lower>();
    return correlations(std::move(products), drawn.colwise().sum().transpose(), static_cast<double>(rows.size()));
}

Eigen::MatrixXd CorrelationsWithout(const Eigen::MatrixXd& z, const Eigen::MatrixXd& zz, int row) {
    const Eigen::VectorXd left = z.row(row).transpose();
    return correlations(zz - left * left.transpose(), -left, static_cast<double>(z.rows() - 1));
}

}  // namespace qv
