#include "core/assessment/DiscriminantValidity.h"

#include <cmath>
#include <functional>
#include <vector>

namespace qv {
namespace {

// Summarizes a set of correlations into one figure; undefined when it cannot.
using Mean = std::function<double(const std::vector<double>&)>;

double arithmeticOfAbsolute(const std::vector<double>& values) {
    double sum = 0;
    for (double value : values) sum += std::abs(value);
    return sum / static_cast<double>(values.size());
}

double geometric(const std::vector<double>& values) {
    double logSum = 0;
    bool negative = false;
    for (double value : values) {
        if (value == 0) return kUndefined;
        negative = negative != (value < 0);
        logSum += std::log(std::abs(value));
    }
    return negative ? kUndefined : std::exp(logSum / static_cast<double>(values.size()));
}

std::vector<double> monotrait(const std::vector<int>& block, const Eigen::MatrixXd& r) {
    std::vector<double> values;
    for (size_t a = 0; a < block.size(); ++a)
        for (size_t b = 0; b < a; ++b) values.push_back(r(block[a], block[b]));
    return values;
}

std::vector<double> heterotrait(const std::vector<int>& first, const std::vector<int>& second,
                                const Eigen::MatrixXd& r) {
    std::vector<double> values;
    for (int a : first)
        for (int b : second) values.push_back(r(a, b));
    return values;
}

Eigen::MatrixXd ratios(const ModelShape& shape, const Eigen::MatrixXd& r, const Mean& mean) {
    const int constructs = shape.constructCount();
    std::vector<std::vector<int>> blocks;
    std::vector<double> monotraitMeans;
    for (int k = 0; k < constructs; ++k) {
        blocks.push_back(shape.block(k));
        const std::vector<double> within = monotrait(blocks.back(), r);
        monotraitMeans.push_back(within.empty() ? 1.0 : mean(within));
    }
    Eigen::MatrixXd htmt = Eigen::MatrixXd::Constant(constructs, constructs, kUndefined);
    for (int a = 0; a < constructs; ++a)
        for (int b = 0; b < a; ++b) {
            const double product = monotraitMeans[a] * monotraitMeans[b];
            const std::vector<double> between = heterotrait(blocks[a], blocks[b], r);
            if (between.empty() || !(product > 0)) continue;
            htmt(a, b) = htmt(b, a) = mean(between) / std::sqrt(product);
        }
    return htmt;
}

}  // namespace

Eigen::MatrixXd HeterotraitMonotrait(const ModelShape& shape, const Eigen::MatrixXd& r) {
    return ratios(shape, r, arithmeticOfAbsolute);
}

Eigen::MatrixXd HeterotraitMonotraitGeometric(const ModelShape& shape, const Eigen::MatrixXd& r) {
    return ratios(shape, r, geometric);
}

}  // namespace qv
