#include "tests/lvpls/support/TextbookPls.h"

#include <cmath>

namespace lvpls::testing {
namespace {

double correlation(const Eigen::VectorXd& a, const Eigen::VectorXd& b) {
    const Eigen::VectorXd x = a.array() - a.mean();
    const Eigen::VectorXd y = b.array() - b.mean();
    return x.dot(y) / std::sqrt(x.squaredNorm() * y.squaredNorm());
}

std::vector<int> predecessors(const TextbookModel& model, int j) {
    std::vector<int> result;
    for (const auto& [from, to] : model.paths) {
        if (to == j) result.push_back(from);
    }
    return result;
}

Eigen::VectorXd regress(const Eigen::MatrixXd& scores, int j, const std::vector<int>& predictors) {
    Eigen::MatrixXd x(scores.rows(), Eigen::Index(predictors.size()));
    for (std::size_t p = 0; p < predictors.size(); ++p) x.col(Eigen::Index(p)) = scores.col(predictors[p]);
    return x.colPivHouseholderQr().solve(scores.col(j));
}

Eigen::VectorXd proxy(const TextbookModel& model, const Eigen::MatrixXd& y, int j) {
    Eigen::VectorXd z = Eigen::VectorXd::Zero(y.rows());
    bool any = false;
    const std::vector<int> before = predecessors(model, j);
    if (model.scheme == 1 && !before.empty()) {
        const Eigen::VectorXd beta = regress(y, j, before);
        for (std::size_t p = 0; p < before.size(); ++p) z += beta(Eigen::Index(p)) * y.col(before[p]);
        any = true;
    }
    for (const auto& [from, to] : model.paths) {
        const int other = from == j ? to : (to == j ? from : -1);
        if (other < 0 || (model.scheme == 1 && to == j)) continue;
        const double r = correlation(y.col(j), y.col(other));
        z += (model.scheme == 2 ? (r < 0 ? -1.0 : 1.0) : r) * y.col(other);
        any = true;
    }
    return any ? z : Eigen::VectorXd(y.col(j));
}

}  // namespace

Eigen::MatrixXd standardizeColumns(const Eigen::MatrixXd& data) {
    Eigen::MatrixXd z = data.rowwise() - data.colwise().mean();
    for (Eigen::Index c = 0; c < z.cols(); ++c) z.col(c) /= std::sqrt(z.col(c).squaredNorm() / double(z.rows() - 1));
    return z;
}

namespace {

// Iterates outer and inner estimation until the weights settle; returns the unit-variance scores.
Eigen::MatrixXd iterateScores(const std::vector<Eigen::MatrixXd>& x, const TextbookModel& model, double tolerance,
                              std::vector<Eigen::VectorXd>& w) {
    const int blocks = int(x.size());
    const double n1 = double(x.front().rows() - 1);
    Eigen::MatrixXd y(x.front().rows(), blocks);
    auto scoreAll = [&] {
        for (int j = 0; j < blocks; ++j) {
            w[j] /= std::sqrt((x[j] * w[j]).squaredNorm() / n1);
            y.col(j) = x[j] * w[j];
        }
    };
    scoreAll();
    for (int iteration = 0; iteration < 1000; ++iteration) {
        const std::vector<Eigen::VectorXd> old = w;
        for (int j = 0; j < blocks; ++j) {
            const Eigen::VectorXd zj = proxy(model, y, j);
            w[j] = model.modeB[j] ? Eigen::VectorXd(x[j].colPivHouseholderQr().solve(zj))
                                  : Eigen::VectorXd(x[j].transpose() * zj);
        }
        scoreAll();
        double change = 0;
        for (int j = 0; j < blocks; ++j) change = std::max(change, (w[j] - old[j]).cwiseAbs().maxCoeff());
        if (change < tolerance) break;
    }
    return y;
}

void innerModel(const TextbookModel& model, TextbookResult& result) {
    const int blocks = int(model.blocks.size());
    const Eigen::MatrixXd& y = result.scores;
    result.paths = Eigen::MatrixXd::Zero(blocks, blocks);
    result.rSquare = Eigen::VectorXd::Zero(blocks);
    for (int j = 0; j < blocks; ++j) {
        const std::vector<int> before = predecessors(model, j);
        if (before.empty()) continue;
        const Eigen::VectorXd beta = regress(y, j, before);
        Eigen::VectorXd fitted = Eigen::VectorXd::Zero(y.rows());
        for (std::size_t p = 0; p < before.size(); ++p) {
            result.paths(j, before[p]) = beta(Eigen::Index(p));
            fitted += beta(Eigen::Index(p)) * y.col(before[p]);
        }
        result.rSquare(j) = fitted.squaredNorm() / y.col(j).squaredNorm();
    }
}

}  // namespace

TextbookResult textbookPls(const Eigen::MatrixXd& data, const TextbookModel& model, double tolerance) {
    const Eigen::MatrixXd z = standardizeColumns(data);
    std::vector<Eigen::MatrixXd> x;
    std::vector<Eigen::VectorXd> w;
    for (const auto& columns : model.blocks) {
        x.emplace_back(z(Eigen::all, columns));
        w.push_back(Eigen::VectorXd::Ones(Eigen::Index(columns.size())));
    }
    TextbookResult result;
    result.scores = iterateScores(x, model, tolerance, w);
    std::vector<double> weights, loadings;
    for (std::size_t j = 0; j < x.size(); ++j) {
        for (Eigen::Index i = 0; i < w[j].size(); ++i) {
            weights.push_back(w[j](i));
            loadings.push_back(correlation(x[j].col(i), result.scores.col(Eigen::Index(j))));
        }
    }
    result.weights = Eigen::Map<Eigen::VectorXd>(weights.data(), Eigen::Index(weights.size()));
    result.loadings = Eigen::Map<Eigen::VectorXd>(loadings.data(), Eigen::Index(loadings.size()));
    innerModel(model, result);
    return result;
}

}  // namespace lvpls::testing
