#include "lvpls/LatentMoments.h"

#include "lvpls/ProblemError.h"

namespace lvpls {

inline constexpr double kSingularCondition = 1e-12;

LatentMoments latentMoments(const PathModel& model, const Eigen::MatrixXd& correlations,
                            const Eigen::VectorXd& weights) {
    const int blocks = model.blockCount();
    LatentMoments moments;
    moments.indicatorCovariances.resize(correlations.rows(), blocks);
    for (int k = 0; k < blocks; ++k) {
        const Block& block = model.block(k);
        moments.indicatorCovariances.col(k).noalias() =
            correlations.middleCols(block.firstIndicator, block.indicatorCount) *
            weights.segment(block.firstIndicator, block.indicatorCount);
    }
    moments.latentCorrelations.resize(blocks, blocks);
    for (int j = 0; j < blocks; ++j) {
        const Block& block = model.block(j);
        moments.latentCorrelations.row(j).noalias() =
            weights.segment(block.firstIndicator, block.indicatorCount).transpose() *
            moments.indicatorCovariances.middleRows(block.firstIndicator, block.indicatorCount);
    }
    return moments;
}

Eigen::VectorXd solveSymmetric(const Eigen::MatrixXd& matrix, const Eigen::VectorXd& rhs,
                               const std::string& reason) {
    const Eigen::LDLT<Eigen::MatrixXd> factor(matrix);
    if (factor.info() != Eigen::Success || !(factor.rcond() > kSingularCondition)) {
        throw ProblemError(reason);
    }
    return factor.solve(rhs);
}

Eigen::VectorXd regressionCoefficients(const PathModel& model, const Eigen::MatrixXd& latentCorrelations,
                                       int dependent, const std::vector<int>& predictors) {
    const auto count = static_cast<Eigen::Index>(predictors.size());
    Eigen::MatrixXd predictorCorrelations(count, count);
    Eigen::VectorXd rhs(count);
    for (Eigen::Index a = 0; a < count; ++a) {
        rhs(a) = latentCorrelations(predictors[a], dependent);
        for (Eigen::Index b = 0; b < count; ++b) {
            predictorCorrelations(a, b) = latentCorrelations(predictors[a], predictors[b]);
        }
    }
    return solveSymmetric(predictorCorrelations, rhs,
                          "the predictors of block " + model.block(dependent).name + " are collinear");
}

}  // namespace lvpls
