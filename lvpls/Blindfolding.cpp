#include "lvpls/Blindfolding.h"

#include "lvpls/PlsEstimate.h"
#include "lvpls/ProblemError.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace lvpls {
namespace {

constexpr int kMaxOmissionDistance = 100;

struct RoundContext {
    const Problem& problem;
    const Eigen::MatrixXd& data;
    const StandardizedData& full;
    int target;
    int distance;
};

std::string roundText(int round) { return "blindfolding round " + std::to_string(round + 1); }

// Sets the round's omitted points of the target block to the mean of the indicator's other
// values. Points are numbered indicator by indicator (point = indicator position x N + case),
// so that a round omits every D-th case of each indicator, whatever the indicator count; a
// distance of at most N cases keeps at least one value of every indicator.
Eigen::MatrixXd omitPoints(const RoundContext& context, int round, std::vector<char>& omitted) {
    const Block& block = context.problem.model.block(context.target);
    Eigen::MatrixXd roundData = context.data;
    const std::size_t cases = std::size_t(roundData.rows());
    omitted.assign(cases * std::size_t(block.indicatorCount), 0);
    for (std::size_t point = std::size_t(round); point < omitted.size(); point += std::size_t(context.distance)) {
        omitted[point] = 1;
    }
    for (int i = 0; i < block.indicatorCount; ++i) {
        auto column = roundData.col(block.firstIndicator + i);
        const char* omittedHere = omitted.data() + std::size_t(i) * cases;
        double sum = 0;
        int kept = 0;
        for (std::size_t c = 0; c < cases; ++c) {
            if (omittedHere[c]) continue;
            sum += column(Eigen::Index(c));
            ++kept;
        }
        for (std::size_t c = 0; c < cases; ++c) {
            if (omittedHere[c]) column(Eigen::Index(c)) = sum / kept;
        }
    }
    return roundData;
}

// The target's score as the round's estimate predicts it: its own score or the inner model's fit.
Eigen::VectorXd predictedScore(const RoundContext& context, const PlsEstimate& estimate, const Eigen::MatrixXd& standardized) {
    const PathModel& model = context.problem.model;
    Eigen::VectorXd prediction = Eigen::VectorXd::Zero(standardized.rows());
    for (int k = 0; k < model.blockCount(); ++k) {
        const double factor = context.problem.blindfold.redundancy ? estimate.pathCoefficients(context.target, k)
                                                                   : (k == context.target ? 1.0 : 0.0);
        if (factor == 0) continue;
        const Block& block = model.block(k);
        prediction += factor * (standardized.middleCols(block.firstIndicator, block.indicatorCount) *
                                estimate.weights.segment(block.firstIndicator, block.indicatorCount));
    }
    return prediction;
}

BlindfoldRound runRound(const RoundContext& context, int round) {
    std::vector<char> omitted;
    const Eigen::MatrixXd roundData = omitPoints(context, round, omitted);
    StandardizedData described;
    try {
        described = describeData(roundData, context.problem.model);
    } catch (const ProblemError& error) {
        throw CrossValidationError(roundText(round) + ": " + error.what());
    }
    const PlsEstimate estimate = estimatePls(context.problem.model, described.correlations, context.problem.settings);
    const Eigen::VectorXd score = predictedScore(context, estimate, described.standardize(roundData));
    const Block& block = context.problem.model.block(context.target);
    BlindfoldRound result;
    for (std::size_t point = 0; point < omitted.size(); ++point) {
        if (!omitted[point]) continue;
        const Eigen::Index c = Eigen::Index(point % std::size_t(context.data.rows()));
        const int column = block.firstIndicator + int(point / std::size_t(context.data.rows()));
        const double value = context.data(c, column);
        const double mean = described.means(column);
        const double predicted = mean + described.deviations(column) * estimate.loadings(column) * score(c);
        const double scale = context.full.deviations(column);
        result.sse += std::pow((value - predicted) / scale, 2);
        result.sso += std::pow((value - mean) / scale, 2);
        ++result.omittedPoints;
    }
    result.q2 = result.sso > 0 ? 1.0 - result.sse / result.sso : 0.0;
    return result;
}

void summarize(BlindfoldResult& result) {
    if (!(result.sso > 0)) throw CrossValidationError("blindfolding: the omitted points do not vary");
    result.q2 = 1.0 - result.sse / result.sso;
    const double count = double(result.rounds.size());
    result.roundMin = result.rounds.front().q2;
    result.roundMax = result.rounds.front().q2;
    for (const BlindfoldRound& round : result.rounds) {
        result.roundMean += round.q2 / count;
        result.roundMin = std::min(result.roundMin, round.q2);
        result.roundMax = std::max(result.roundMax, round.q2);
    }
    double squares = 0;
    for (const BlindfoldRound& round : result.rounds) squares += std::pow(round.q2 - result.roundMean, 2);
    result.roundDeviation = count > 1 ? std::sqrt(squares / (count - 1)) : 0.0;
}

}  // namespace

BlindfoldResult blindfold(const Problem& problem, const Eigen::MatrixXd& data, const StandardizedData& full) {
    const BlindfoldSettings& settings = problem.blindfold;
    const Block& block = problem.model.block(settings.targetBlock);
    // Every round is a full estimate, so the number of rounds is bounded as well.
    const Eigen::Index largest = std::min<Eigen::Index>(kMaxOmissionDistance, data.rows());
    if (settings.distance < 2 || settings.distance > largest) {
        throw ProblemError("omission distance " + std::to_string(settings.distance) + " must lie between 2 and " +
                           std::to_string(largest) + " (at most " + std::to_string(kMaxOmissionDistance) +
                           " and the number of cases)");
    }
    if (settings.redundancy && problem.model.predecessors(settings.targetBlock).empty()) {
        throw ProblemError("redundancy blindfolding needs a target block with predecessors; " + block.name +
                           " has none");
    }
    const RoundContext context{problem, data, full, settings.targetBlock, settings.distance};
    BlindfoldResult result;
    for (int round = 0; round < settings.distance; ++round) {
        result.rounds.push_back(runRound(context, round));
        result.sse += result.rounds.back().sse;
        result.sso += result.rounds.back().sso;
        result.omittedPoints += result.rounds.back().omittedPoints;
    }
    summarize(result);
    return result;
}

}  // namespace lvpls
