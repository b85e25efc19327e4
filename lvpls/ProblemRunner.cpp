#include "lvpls/ProblemRunner.h"

#include "lvpls/Blindfolding.h"
#include "lvpls/CardParser.h"
#include "lvpls/ListingPrinter.h"
#include "lvpls/MissingValues.h"
#include "lvpls/ProblemError.h"

#include <exception>
#include <new>
#include <optional>

namespace lvpls {
namespace {

void estimateAndPrint(const ProblemText& text, std::string& out) {
    Problem problem = parseProblem(text);
    const std::vector<int> replaced = replaceMissingByMeans(problem.data, problem.missingCodes, problem.model);
    const StandardizedData described = describeData(problem.data, problem.model);
    const PlsEstimate estimate = estimatePls(problem.model, described.correlations, problem.settings);
    const ScaledOuterModel scaled = scaleForMetric(problem.metric, problem.model, estimate, described);
    std::optional<BlindfoldResult> crossvalidation;
    std::string crossvalidationFailure;
    try {
        if (problem.blindfold.distance > 0) crossvalidation = blindfold(problem, problem.data, described);
    } catch (const CrossValidationError& failure) {
        crossvalidationFailure = failure.what();
    }
    const ProblemReport report{problem, replaced, estimate, scaled, crossvalidation ? &*crossvalidation : nullptr};
    appendEcho(out, report);
    appendPathCoefficients(out, report);
    appendOuterModel(out, report);
    appendInnerModel(out, report);
    appendLatentCorrelations(out, report);
    if (crossvalidation) appendCrossvalidation(out, report);
    if (!crossvalidationFailure.empty()) appendCrossvalidationFailure(out, crossvalidationFailure);
    appendStandardizedOuterModel(out, report);
}

}  // namespace

std::string runProblem(const ProblemText& text) {
    std::string head;
    appendProblemHead(head, text.number, problemTitle(text));
    std::string body;
    try {
        estimateAndPrint(text, body);
    } catch (const ProblemError& error) {
        body.clear();
        appendErrorLine(body, error.what());
    } catch (const std::bad_alloc&) {
        body.clear();
        appendErrorLine(body, "the problem is too large for the memory");
    } catch (const std::exception& failure) {
        // Whatever went wrong stays with this problem; the next one is still estimated.
        body.clear();
        appendErrorLine(body, std::string("the problem could not be estimated: ") + failure.what());
    }
    return head + body;
}

}  // namespace lvpls
