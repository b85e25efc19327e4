#pragma once

#include <string>
#include <vector>

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"
#include "core/assessment/PlsEstimate.h"

namespace qv {

// The consistent (PLSc) estimate of the common-factor model behind the reflective blocks:
// the composites' correlations corrected for attenuation by each block's rho_A, and the inner
// model refitted on them. Vectors run over the shape's constructs or indicators.
struct ConsistentEstimate {
    Eigen::VectorXd rhoA;               // per construct; 1 for a formative block
    Eigen::MatrixXd correlations;       // corrected construct correlations, 1 on the diagonal
    Eigen::VectorXd loadings;           // consistent for Mode A blocks, the composite's otherwise
    Eigen::VectorXd weights;            // the ordinary estimate's, unchanged
    Eigen::MatrixXd paths;              // (from, to) least squares on the corrected correlations
    Eigen::VectorXd rSquare;            // 0 for a construct without predictors
    std::vector<std::string> inadmissible;  // each reason the solution is improper; empty when proper

    bool admissible() const { return inadmissible.empty(); }
};

// Corrects the estimate the weights of `estimate` imply on the indicator correlations r.
// A Mode A block's loadings are c * w with c² = w'(S - diag S)w / w'(ww' - diag ww')w
// (w scaled to unit composite variance), so that rho_A = (w'w)² c².
ConsistentEstimate MakeConsistent(const ModelShape& shape, const Eigen::MatrixXd& r, const PlsEstimate& estimate);

// The estimate as consistent PLS reports it: the corrected loadings, construct correlations,
// paths and R² in place of the composites'; weights and these cross-loadings stay the composites'
// (the result tables correct theirs on their own).
PlsEstimate ConsistentFigures(PlsEstimate ordinary, const ConsistentEstimate& consistent);

// The figures of one estimate as reported: corrected when consistent, else the estimate's own.
// The subsamples and jackknife fits of the bootstrap pass through here as the sample does.
PlsEstimate ReportedFigures(const ModelShape& shape, const Eigen::MatrixXd& r, PlsEstimate estimate, bool consistent);

}  // namespace qv
