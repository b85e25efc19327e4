#include "core/assessment/ConstructReliability.h"

#include <cmath>

#include "core/assessment/DiscriminantValidity.h"

namespace qv {
namespace {

double rhoAOf(const Eigen::VectorXd& w, const Eigen::MatrixXd& s) {
    if (w.size() == 1) return 1;
    const double squaredNorm = w.squaredNorm();
    const double offDiagonal = w.dot(s * w) - w.cwiseAbs2().dot(s.diagonal());
    const double denominator = squaredNorm * squaredNorm - w.array().pow(4).sum();
    return squaredNorm * squaredNorm * offDiagonal / denominator;
}

double compositeReliability(const Eigen::VectorXd& l) {
    const double sum = l.sum();
    return sum * sum / (sum * sum + (1.0 - l.array().square()).sum());
}

double cronbachAlpha(const Eigen::MatrixXd& items) {
    const double k = static_cast<double>(items.cols());
    if (items.cols() < 2) return kUndefined;
    const auto variance = [](const Eigen::VectorXd& v) {
        return (v.array() - v.mean()).square().sum() / static_cast<double>(v.size() - 1);
    };
    double itemVariances = 0;
    for (Eigen::Index c = 0; c < items.cols(); ++c) itemVariances += variance(items.col(c));
    const double total = variance(items.rowwise().sum());
    return k * (total - itemVariances) / (total * (k - 1));
}

}  // namespace

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
        result.rhoA(k) = rhoAOf(weights(block), r(block, block));
        result.rhoC(k) = compositeReliability(l);
        result.ave(k) = l.squaredNorm() / static_cast<double>(l.size());
        result.alpha(k) = cronbachAlpha(raw(Eigen::all, block));
    }
    return result;
}

}  // namespace qv
