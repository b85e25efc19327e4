#include "core/assessment/ConstructReliability.h"

#include <cmath>

#include "core/assessment/DiscriminantValidity.h"
#include "core/results/CronbachAlpha.h"
#include "core/results/RhoA.h"

namespace qv {
namespace {

double cronbachAlpha(const Eigen::MatrixXd& items) {
    std::vector<std::vector<double>> columns;
    for (Eigen::Index c = 0; c < items.cols(); ++c) columns.emplace_back(items.col(c).begin(), items.col(c).end());
    return CronbachAlphaOf(columns).value_or(kUndefined);
}

double compositeReliability(const Eigen::VectorXd& l) {
    const double sum = l.sum();
    return sum * sum / (sum * sum + (1.0 - l.array().square()).sum());
}

}  // namespace

// The workbench's one rho_A, on the assessment's matrices.
double BlockRhoA(const Eigen::VectorXd& w, const Eigen::MatrixXd& s) {
    std::vector<std::vector<double>> correlations;
    for (Eigen::Index row = 0; row < s.rows(); ++row)
        correlations.emplace_back(s.row(row).begin(), s.row(row).end());
    return RhoAOfCorrelations(correlations, std::vector<double>(w.begin(), w.end()));
}

ConstructReliability ComputeConstructReliability(const ModelShape& shape, const Eigen::MatrixXd& r,
                                                 const Eigen::VectorXd& weights,
                                                 const Eigen::VectorXd& loadings,
                                                 const Eigen::MatrixXd& raw) {
    const int constructs = shape.constructCount();
    ConstructReliability result;
    for (Eigen::VectorXd* figure : {&result.rhoA, &result.rhoC, &result.ave, &result.alpha})
        figure->setConstant(constructs, kUndefined);
    for (int k = 0; k < constructs; ++k) {
        const std::vector<int> block = shape.block(k);
        if (shape.formative[static_cast<size_t>(k)] || block.empty()) continue;
        const Eigen::VectorXd l = loadings(block);
        result.rhoA(k) = BlockRhoA(weights(block), r(block, block));
        result.rhoC(k) = compositeReliability(l);
        result.ave(k) = l.squaredNorm() / static_cast<double>(l.size());
        result.alpha(k) = cronbachAlpha(raw(Eigen::all, block));
    }
    return result;
}

}  // namespace qv
