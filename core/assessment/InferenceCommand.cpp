#include "core/assessment/InferenceCommand.h"

#include <memory>

#include "core/app/Workbench.h"
#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/AssessmentTables.h"
#include "core/assessment/InferenceFiles.h"
#include "core/model/NumberText.h"
#include "core/report/FigureSectionHtml.h"
#include "core/results/ResamplingRun.h"
#include "core/results/ResultCommandFrame.h"

namespace qv {
namespace {

// The run's subsamples drawn again from its seed, in the order it drew them: the control
// file holds them in that order, and only the kept ones are handed on.
NextSubsample keptSubsamples(const ResamplingRun& run, const ModelShape& shape, int cases) {
    auto generator = std::make_shared<ResamplingGenerator>();
    generator->seed(run.seedUsed());
    auto drawn = std::make_shared<int>(0);
    auto place = std::make_shared<int>(0);
    return [&run, &shape, cases, generator, drawn, place](SubsampleEstimate& subsample) {
        const ResamplingStore& store = run.alignedSubsamples();
        if (*place >= store.subsamples()) return false;
        std::vector<int> draw;
        while (*drawn <= store.number(*place)) {
            draw = DrawBootstrapCases(*generator, cases);
            ++*drawn;
        }
        subsample.cases.resize(draw.size());
        for (size_t c = 0; c < draw.size(); ++c) subsample.cases[c] = draw[c] - 1;
        subsample.weights.resize(shape.indicatorCount());
        for (int i = 0; i < shape.indicatorCount(); ++i)
            subsample.weights(i) = store.weights(shape.modelIndicators[static_cast<size_t>(i)])[static_cast<size_t>(*place)];
        ++*place;
        return true;
    };
}

}  // namespace

Inference InferFromRun(const ResamplingRun& run, const Assessment& assessment, const AssessmentData& data,
                       int samples, double confidence) {
    Inference inference =
        InferFromSubsamples(assessment, data, keptSubsamples(run, assessment.shape, data.cases()), confidence);
    inference.samples = samples;
    inference.seed = run.seedUsed();
    inference.rejected = static_cast<int>(run.leftOut().size());
    return inference;
}

std::optional<AssessedBootstrap> InferenceCommand::run(bool required) {
    const ResultContext context = ResultContext::of(workbench_);
    std::error_code ignored;
    for (const auto& kept : {InferenceFragmentPath(context.tempDir), InferenceTablesPath(context.tempDir)})
        std::filesystem::remove(kept, ignored);  // never a previous run's
    bootstrap_ = std::make_unique<ResamplingRun>(workbench_);
    ResamplingRun& bootstrap = *bootstrap_;
    ran_ = bootstrap.run(SampleKind::Bootstrap);
    if (!ran_) return std::nullopt;
    // A model the assessment does not cover keeps its bootstrap without inference, unless
    // the caller asks for the inference itself.
    if (!required && WhyUnassessable(context.model, ShapeOf(context.model, context.parameters.innerWeighting)))
        return std::nullopt;
    AssessmentCommand command(context);
    std::optional<Assessment> assessment = command.assess();
    if (!assessment) return std::nullopt;
    const ResamplingOptions& options = workbench_.resampling();
    Inference inference = InferFromRun(bootstrap, *assessment, command.data(),
                                       parseInteger(options.nSample).value_or(0), options.confidence / 100.0);
    const ResultCommandFrame frame(context);
    std::string section;
    AppendFigureSection(section, InferenceSection(inference));
    const std::string tables = FormatCsvTables(InferenceTables(inference));
    if (!frame.write(frame.fileName("_inference.csv"), tables) ||
        !frame.write(InferenceTablesPath(context.tempDir).string(), tables) ||
        !frame.write(InferenceFragmentPath(context.tempDir).string(), section))
        return std::nullopt;
    return AssessedBootstrap{std::move(*assessment), std::move(inference)};
}

bool InferenceCommand::writeConsistentSummaries() { return ran_ && bootstrap_->writeConsistentSummaries(); }

}  // namespace qv
