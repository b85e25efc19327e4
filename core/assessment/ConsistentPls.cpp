#include "core/assessment/ConsistentPls.h"

#include <cmath>
#include <utility>

#include "core/assessment/ConstructReliability.h"
#include "core/engine/AppendFormat.h"

namespace qv {
namespace {

// Above 1 by more than rounding: the corrected figures of a proper solution can touch 1.
constexpr double kSlack = 1e-12;

std::string figure(double value) { return Formatted("%.6f", value); }

Eigen::VectorXd reliabilities(const ModelShape& shape, const Eigen::MatrixXd& r, const PlsEstimate& estimate) {
    Eigen::VectorXd rhoA = Eigen::VectorXd::Ones(shape.constructCount());
    for (int k = 0; k < shape.constructCount(); ++k) {
        const std::vector<int> block = shape.block(k);
        if (!shape.formative[static_cast<size_t>(k)] && !block.empty())
            rhoA(k) = BlockRhoA(estimate.weights(block), r(block, block));
    }
    return rhoA;
}

// c * w = sqrt(rho_A) w / (w'w) for the weights at unit composite variance.
Eigen::VectorXd consistentLoadings(const ModelShape& shape, const PlsEstimate& estimate, const Eigen::VectorXd& rhoA) {
    Eigen::VectorXd loadings = estimate.loadings;
    for (int k = 0; k < shape.constructCount(); ++k) {
        if (shape.formative[static_cast<size_t>(k)]) continue;
        const std::vector<int> block = shape.block(k);
        const Eigen::VectorXd w = estimate.weights(block);
        loadings(block) = std::sqrt(rhoA(k)) / w.squaredNorm() * w;
    }
    return loadings;
}

void checkAdmissible(const ModelShape& shape, ConsistentEstimate& c) {
    for (int k = 0; k < shape.constructCount(); ++k)
        if (!(c.rhoA(k) > 0))
            c.inadmissible.push_back("rho_A of " + shape.constructs[static_cast<size_t>(k)] + " is " +
                                     figure(c.rhoA(k)) + ", not positive");
    if (!c.inadmissible.empty()) return;  // nothing below is defined
    const Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd> eigen(c.correlations, Eigen::EigenvaluesOnly);
    if (eigen.eigenvalues().minCoeff() < -kSlack)
        c.inadmissible.push_back("the corrected construct correlations are not positive semi-definite "
                                 "(smallest eigenvalue " + figure(eigen.eigenvalues().minCoeff()) + ")");
    for (int a = 0; a < shape.constructCount(); ++a)
        for (int b = a + 1; b < shape.constructCount(); ++b)
            if (std::abs(c.correlations(a, b)) > 1 + kSlack)
                c.inadmissible.push_back("the corrected correlation of " + shape.constructs[static_cast<size_t>(a)] +
                                         " and " + shape.constructs[static_cast<size_t>(b)] + " is " +
                                         figure(c.correlations(a, b)) + ", above 1 in size");
    for (int i = 0; i < shape.indicatorCount(); ++i)
        if (std::abs(c.loadings(i)) > 1 + kSlack)
            c.inadmissible.push_back("the consistent loading of " + shape.indicators[static_cast<size_t>(i)] + " is " +
                                     figure(c.loadings(i)) + ", above 1 in size");
}

}  // namespace

ConsistentEstimate MakeConsistent(const ModelShape& shape, const Eigen::MatrixXd& r, const PlsEstimate& estimate) {
    ConsistentEstimate c;
    c.weights = estimate.weights;
    c.rhoA = reliabilities(shape, r, estimate);
    const Eigen::VectorXd root = c.rhoA.cwiseSqrt();
    c.correlations = estimate.scoreCorrelations.cwiseQuotient(root * root.transpose());
    c.correlations.diagonal().setOnes();
    c.loadings = consistentLoadings(shape, estimate, c.rhoA);
    InnerModel inner = FitInnerModel(shape, c.correlations);
    c.paths = std::move(inner.paths);
    c.rSquare = std::move(inner.rSquare);
    checkAdmissible(shape, c);
    return c;
}

PlsEstimate ConsistentFigures(PlsEstimate ordinary, const ConsistentEstimate& consistent) {
    ordinary.loadings = consistent.loadings;
    ordinary.scoreCorrelations = consistent.correlations;
    ordinary.paths = consistent.paths;
    ordinary.rSquare = consistent.rSquare;
    return ordinary;
}

PlsEstimate ReportedFigures(const ModelShape& shape, const Eigen::MatrixXd& r, PlsEstimate estimate, bool consistent) {
    if (!consistent) return estimate;
    const ConsistentEstimate corrected = MakeConsistent(shape, r, estimate);
    return ConsistentFigures(std::move(estimate), corrected);
}

}  // namespace qv
