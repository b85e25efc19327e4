#pragma once

#include <optional>
#include <vector>

namespace qv {

// The rules of thumb the results mark. They are kept here, with their sources, so that
// the tables, the legend and the files agree.
enum class Threshold {
    LowLoading,       // reflective loading below 0.708
    LowReliability,   // alpha, rho_A or rho_C below 0.70
    LowAve,           // AVE below 0.50
    HtmtAbove085,
    HtmtAbove090,
    VifAbove3,
    VifAbove5,
    NotSignificant,   // p above 0.05
    AboveRootAve,     // a correlation of two constructs above either one's square root of AVE
    CrossLoading,     // an indicator loading more on another construct than on its own
    NoPredictivePower,  // Q2predict below 0
    BelowBenchmark,     // a prediction error (RMSE) above the linear benchmark's
};

// How serious a missed threshold is: worth a look, or a problem.
enum class Severity { Caution, Problem };

struct ThresholdRule {
    Threshold threshold;
    double bound;  // not a number for a rule that compares figures of one table with each other
    bool above;    // missed when the figure lies above the bound; otherwise below it
    Severity severity;
    const char* text;    // the legend's line: what the mark says
    const char* source;  // where the rule comes from
};

const std::vector<ThresholdRule>& ThresholdRules();
const ThresholdRule& RuleOf(Threshold threshold);

// The most severe of the thresholds that the value misses; nothing for a value that is not
// finite or misses none.
std::optional<Threshold> MissedThreshold(double value, std::initializer_list<Threshold> checks);

}  // namespace qv
