#include "lvpls/ProblemRunner.h"

#include "lvpls/Blindfolding.h"
#include "lvpls/CardParser.h"
#include "lvpls/ListingPrinter.h"
#include "lvpls/MissingValues.h"
#include "lvpls/ProblemError.h"
#include "lvpls/ProblemFailure.h"

#include <optional>

namespace lvpls {
namespace {

void estimateAndPrint(Problem& problem, std::string& out) {
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

std::string runProblem(ProblemText& text, const SampleSource* source, Problem& workspace) {
    std::string out;
    appendProblemHead(out, text.number, problemTitle(text));
    const std::size_t head = out.size();
    const std::string failure = problemFailure([&] {
        if (text.sampleLine.empty()) {
            parseProblem(text, workspace);
        } else {
            drawProblem(text, source, workspace);
        }
        text.release();
        estimateAndPrint(workspace, out);
    });
    if (failure.empty()) return out;
    out.resize(head);
    appendErrorLine(out, failure);
    return out;
}

std::string runProblem(ProblemText text) {
    Problem workspace;
    return runProblem(text, nullptr, workspace);
}

}  // namespace lvpls
