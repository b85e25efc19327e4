#include "lvpls/StandardizedData.h"

#include "lvpls/ProblemError.h"

#include <cmath>
#include <string>

namespace lvpls {

inline constexpr int kMinimumCases = 3;

Eigen::MatrixXd StandardizedData::standardize(const Eigen::MatrixXd& data) const {
    return (data.rowwise() - means.transpose()).array().rowwise() / deviations.transpose().array();
}

StandardizedData describeData(const Eigen::MatrixXd& data, const PathModel& model) {
    const Eigen::Index cases = data.rows();
    if (cases < kMinimumCases) {
        throw ProblemError("too few cases (" + std::to_string(cases) + "); at least " +
                           std::to_string(kMinimumCases) + " are needed");
    }
    StandardizedData result;
    result.means = data.colwise().mean().transpose();
    const Eigen::MatrixXd centered = data.rowwise() - result.means.transpose();
    Eigen::MatrixXd covariance = Eigen::MatrixXd::Zero(data.cols(), data.cols());
    covariance.selfadjointView<Eigen::Lower>().rankUpdate(centered.transpose(), 1.0 / double(cases - 1));
    covariance.triangularView<Eigen::StrictlyUpper>() = covariance.transpose();
    result.deviations = covariance.diagonal().cwiseSqrt();
    for (Eigen::Index i = 0; i < data.cols(); ++i) {
        // A column of equal values may leave rounding noise instead of an exact zero.
        const double scale = std::max(1.0, data.col(i).cwiseAbs().maxCoeff());
        if (!(result.deviations(i) > 1e-12 * scale)) {
            throw ProblemError("indicator " + model.indicatorName(int(i)) + " is constant");
        }
    }
    const Eigen::VectorXd inverse = result.deviations.cwiseInverse();
    result.correlations = inverse.asDiagonal() * covariance * inverse.asDiagonal();
    result.correlations.diagonal().setOnes();
    return result;
}

}  // namespace lvpls
