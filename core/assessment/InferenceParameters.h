#pragma once

#include <string>
#include <vector>

#include <Eigen/Dense>

#include "core/assessment/Assessment.h"

namespace qv {

// The kinds of parameters the bootstrap infers, in the order the outputs list them.
enum class InferenceGroup { Paths, Loadings, Weights, Indirect, Total, RSquare, Htmt, F2 };
inline constexpr InferenceGroup kInferenceGroups[] = {
    InferenceGroup::Paths,    InferenceGroup::Loadings, InferenceGroup::Weights, InferenceGroup::Indirect,
    InferenceGroup::Total,    InferenceGroup::RSquare,  InferenceGroup::Htmt,    InferenceGroup::F2};

// "paths", "loadings", "weights", "indirect", "total", "r2", "htmt", "f2".
const char* InferenceGroupKey(InferenceGroup group);

// One parameter: its group, its key ("FROM->TO", an indicator, a construct, "A|B") and
// where its value stands (row, and column for pairs).
struct InferenceParameter {
    InferenceGroup group;
    std::string key;
    int row = 0;
    int column = 0;
};

// Every parameter of the model: each path, loading and weight, each indirect and total
// effect the model has, the R² of each endogenous construct, the HTMT of each pair and the
// f² of each path.
std::vector<InferenceParameter> InferenceParameters(const Assessment& assessment);

// The values of the parameters in one estimate from the indicator correlations r.
Eigen::VectorXd InferenceValues(const ModelShape& shape, const std::vector<InferenceParameter>& parameters,
                                const Eigen::MatrixXd& r, const PlsEstimate& estimate);

}  // namespace qv
