#include "core/assessment/Assessment.h"

#include "core/assessment/DiscriminantValidity.h"

namespace qv {

Assessment Assess(const ModelShape& shape, const AssessmentData& data, const Eigen::VectorXd& startWeights,
                  bool consistent) {
    const Eigen::MatrixXd r = IndicatorCorrelations(data);
    Assessment a;
    a.shape = shape;
    a.cases = data.cases();
    a.fit = FitPls(shape, r, startWeights);
    if (consistent) a.consistent = MakeConsistent(shape, r, a.fit.estimate);
    a.reported = a.consistent ? ConsistentFigures(a.fit.estimate, *a.consistent) : a.fit.estimate;
    const PlsEstimate& estimate = a.reported;
    a.htmt = HeterotraitMonotrait(shape, r);
    a.htmt2 = HeterotraitMonotraitGeometric(shape, r);
    a.vifOuter = OuterVif(shape, r);
    a.vifInner = InnerVif(shape, estimate.scoreCorrelations);
    a.f2 = EffectSizeF2(shape, estimate);
    a.reliability = ComputeConstructReliability(shape, r, estimate.weights, estimate.loadings, data.raw);
    a.sqrtAve = a.reliability.ave.cwiseSqrt();
    a.rSquare = estimate.rSquare;
    for (int k = 0; k < shape.constructCount(); ++k)
        if (!shape.endogenous(k)) a.rSquare(k) = kUndefined;
    a.rSquareAdjusted = AdjustedRSquare(shape, estimate.rSquare, a.cases);
    a.effects = ComputeEffects(estimate.paths);
    a.srmr = ComputeSrmr(shape, r, a.fit.estimate);
    return a;
}

Eigen::VectorXd RecordedWeights(const ModelShape& shape, const ProjectModel& model) {
    Eigen::VectorXd weights(shape.indicatorCount());
    for (int i = 0; i < shape.indicatorCount(); ++i)
        weights(i) = model.indicators[static_cast<size_t>(shape.modelIndicators[static_cast<size_t>(i)])].weight;
    for (int k = 0; k < shape.constructCount(); ++k) {
        const std::vector<int> block = shape.block(k);
        if (weights(block).isZero()) weights(block).setOnes();
    }
    return weights;
}

}  // namespace qv
