#pragma once

#include "lvpls/ProblemError.h"

#include "lvpls/Problem.h"
#include "lvpls/StandardizedData.h"

#include <vector>

namespace lvpls {

// The estimate stands, but its rounds cannot be cross-validated (a round omits every value
// of an indicator, or the omitted points do not vary): the listing says so instead of
// printing a Q-square.
class CrossValidationError : public ProblemError {
public:
    using ProblemError::ProblemError;
};

struct BlindfoldRound {
    double sse = 0;
    double sso = 0;
    int omittedPoints = 0;
    double q2 = 0;
};

struct BlindfoldResult {
    std::vector<BlindfoldRound> rounds;
    double sse = 0;
    double sso = 0;
    int omittedPoints = 0;
    double q2 = 0;  // pooled: 1 - sum SSE / sum SSO
    double roundMean = 0;
    double roundMin = 0;
    double roundMax = 0;
    double roundDeviation = 0;  // sample standard deviation of the rounds' Q2
};

// Cross-validated Q2 of the target block by omitting its data points in `distance` rounds.
// `data` holds the completed raw data, `full` its description. Throws ProblemError.
BlindfoldResult blindfold(const Problem& problem, const Eigen::MatrixXd& data, const StandardizedData& full);

}  // namespace lvpls
