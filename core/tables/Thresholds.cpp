#include "core/tables/Thresholds.h"

#include <cmath>
#include <limits>

namespace qv {

namespace {
constexpr double kNoBound = std::numeric_limits<double>::quiet_NaN();
constexpr const char* kReportingGuidelines = "PLS reporting guidelines, European Business Review 31(1), 2019";
constexpr const char* kHtmtCriterion = "HTMT criterion, Journal of the Academy of Marketing Science 43(1), 2015";
constexpr const char* kPredictGuidelines = "PLSpredict guidelines, European Journal of Marketing 53(11), 2019";
}  // namespace

const std::vector<ThresholdRule>& ThresholdRules() {
    static const std::vector<ThresholdRule> rules{
        {Threshold::LowLoading, 0.708, false, Severity::Caution,
         "Loading below 0.708: the construct explains less than half of the indicator's variance",
         kReportingGuidelines},
        {Threshold::LowReliability, 0.70, false, Severity::Caution,
         "Cronbach's alpha, rho_A or rho_C below 0.70", kReportingGuidelines},
        {Threshold::LowAve, 0.50, false, Severity::Problem,
         "AVE below 0.50: no convergent validity",
         "Fornell-Larcker criterion, Journal of Marketing Research 18(1), 1981"},
        {Threshold::HtmtAbove085, 0.85, true, Severity::Caution,
         "HTMT above 0.85: discriminant validity doubtful for distinct constructs", kHtmtCriterion},
        {Threshold::HtmtAbove090, 0.90, true, Severity::Problem,
         "HTMT above 0.90: no discriminant validity", kHtmtCriterion},
        {Threshold::VifAbove3, 3.0, true, Severity::Caution, "VIF above 3: possible collinearity",
         kReportingGuidelines},
        {Threshold::VifAbove5, 5.0, true, Severity::Problem, "VIF above 5: critical collinearity",
         kReportingGuidelines},
        {Threshold::NotSignificant, 0.05, true, Severity::Caution,
         "p above 0.05: not significant at the 5% level", "the conventional 5% level of significance"},
        {Threshold::AboveRootAve, kNoBound, true, Severity::Problem,
         "Correlation above the square root of either construct's AVE: no discriminant validity",
         "Fornell-Larcker criterion, Journal of Marketing Research 18(1), 1981"},
        {Threshold::CrossLoading, kNoBound, true, Severity::Problem,
         "Cross-loading above the indicator's loading on its own construct",
         "cross-loadings criterion of discriminant validity"},
        {Threshold::NoPredictivePower, 0.0, false, Severity::Problem,
         "Q2predict below 0: the model predicts worse than the training cases' mean", kPredictGuidelines},
        {Threshold::BelowBenchmark, kNoBound, true, Severity::Caution,
         "RMSE above the linear benchmark's: the model predicts this indicator less well than a "
         "regression on the exogenous indicators", kPredictGuidelines},
    };
    return rules;
}

const ThresholdRule& RuleOf(Threshold threshold) {
    for (const ThresholdRule& rule : ThresholdRules())
        if (rule.threshold == threshold) return rule;
    return ThresholdRules().front();
}

std::optional<Threshold> MissedThreshold(double value, std::initializer_list<Threshold> checks) {
    if (!std::isfinite(value)) return std::nullopt;
    std::optional<Threshold> worst;
    for (const Threshold threshold : checks) {
        const ThresholdRule& rule = RuleOf(threshold);
        const bool missed = rule.above ? value > rule.bound : value < rule.bound;
        if (missed && (!worst || RuleOf(*worst).severity < rule.severity)) worst = threshold;
    }
    return worst;
}

}  // namespace qv
