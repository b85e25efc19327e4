#include "core/predict/PredictRun.h"

#include <ctime>
#include <memory>
#include <string_view>

#include "core/app/Workbench.h"
#include "core/assessment/Assessment.h"
#include "core/assessment/AssessmentCommand.h"
#include "core/engine/AppendFormat.h"
#include "core/engine/ControlFileWriter.h"
#include "core/engine/ListingReader.h"
#include "core/files/DiskRoom.h"
#include "core/files/ReplacedFile.h"
#include "core/model/WholeFile.h"
#include "core/ports/WriteFailure.h"
#include "core/predict/PredictFolds.h"
#include "core/results/RawValues.h"
#include "core/results/ResamplingListing.h"

namespace qv {
namespace {

std::string problemTitle(int problem) {
    std::string title;
    AppendFormat(title, "SubSample %d", problem);
    return title;
}

// The engine's "Error: REASON" line without its prefix.
std::string engineReason(std::string_view line) {
    constexpr std::string_view kPrefix = "Error: ";
    if (line.starts_with(kPrefix)) line.remove_prefix(kPrefix.size());
    return std::string(line);
}

}  // namespace

PredictRun::PredictRun(Workbench& workbench)
    : workbench_(workbench), engineFiles_{workbench.folders().engine, workbench.folders().tempDir} {}

void PredictRun::tellText(const std::string& text) { workbench_.ports().prompts.tell({"", text, ""}); }

bool PredictRun::refuse(const std::string& reason) {
    tellText("The model cannot be predicted: " + reason);
    return false;
}

std::optional<PredictResult> PredictRun::run(const PredictOptions& options) {
    Ports& ports = workbench_.ports();
    ports.status.showStatus(workbench_.texts().lookup("MSG_Running"), "PLSpredict...");
    options_ = options;
    std::optional<PredictResult> result;
    if (check(options) && writeControlFile())
        if (const std::optional<std::string> listing = runEngine()) {
            PredictionSums sums(shape_, data_.cases());
            if (predictFolds(*listing, sums)) result = PredictResult{shape_, options_, data_.cases(), sums.accuracy(data_.raw),
                                                         workbench_.parameters().consistent};
        }
    ports.status.showStatus(workbench_.texts().lookup("MSG_Ready"), result ? "PLSpredict done." : "PLSpredict failed.");
    return result;
}

// The model, its data and the options, then the folds of every repetition.
bool PredictRun::check(const PredictOptions& options) {
    const ProjectModel& model = workbench_.model();
    shape_ = ShapeOf(model, workbench_.parameters().innerWeighting);
    if (const auto reason = WhyUnassessable(model, shape_)) return refuse(*reason);
    if (IndicatorsOf(shape_, true).empty()) return refuse("it has no endogenous construct to predict.");
    if (!EngineExists(engineFiles_)) {
        workbench_.ports().prompts.tell({"MSG_PLSNotFound", engineFiles_.engine().string() + " " +
                                                                workbench_.texts().lookup("MSG_PLSNotFound"), ""});
        return false;
    }
    if (!ReloadRawValues(ResultContext::of(workbench_), ProductTerms::Recomputed)) return false;
    data_ = ReadAssessmentData(shape_, workbench_.rawData(), MissingValueCode(workbench_.parameters()));
    if (!data_.error.empty()) return refuse(data_.error);
    const int cases = data_.cases();
    if (options.folds < PredictOptions::kFoldsLow || options.folds > cases)
        return refuse(Formatted("the folds must number from %d to the %d cases; %d were asked for.",
                                PredictOptions::kFoldsLow, cases, options.folds));
    if (options.repetitions < PredictOptions::kRepetitionsLow || options.repetitions > PredictOptions::kRepetitionsHigh)
        return refuse(Formatted("the repetitions must number from %d to %d; %d were asked for.",
                                PredictOptions::kRepetitionsLow, PredictOptions::kRepetitionsHigh, options.repetitions));
    // A seed other than 0 makes the run repeatable; 0 takes the clock, as the bootstrap does.
    options_.seed = options.seed != 0 ? options.seed : static_cast<int>(std::time(nullptr));
    ResamplingGenerator generator;
    generator.seed(static_cast<std::uint32_t>(options_.seed));
    foldOf_.clear();
    for (int r = 0; r < options.repetitions; ++r) foldOf_.push_back(DrawFolds(generator, cases, options.folds));
    return true;
}

// Problem r * k + f holds the training cases of fold f in repetition r. The problems go out
// one at a time, and a file that would not fit, with its listing, is refused after the first.
bool PredictRun::writeControlFile() {
    Prompts& prompts = workbench_.ports().prompts;
    ControlFileWriter writer(workbench_.model(), workbench_.parameters(), workbench_.rawData(), prompts);
    ReplacedFile out(engineFiles_.controlFile());
    std::string text;
    for (int problem = 0; problem < problems() && !out.error(); ++problem) {
        ControlRun run;
        run.sampleKind = SampleKind::Bootstrap;
        run.subsample = problem;
        for (int row : TrainingRows(foldOf_[static_cast<size_t>(problem / options_.folds)], problem % options_.folds))
            run.drawnCases.push_back(row + 1);
        text.clear();
        if (!writer.WriteControlRun(text, run) || (problem == 0 && !roomFor(text.size()))) return false;
        out.write(text);
    }
    out.write("STOP");
    return WriteSucceeded(prompts, out.error()) && WriteSucceeded(prompts, out.commit());
}

bool PredictRun::roomFor(size_t problemSize) {
    const ProjectModel& model = workbench_.model();
    const auto count = static_cast<std::uintmax_t>(problems());
    const std::uintmax_t needed = problemSize * count + ListingSizeEstimate(model.nIndicator, model.nConstruct, count);
    const auto shortage = RoomShortage("control file and listing of " + std::to_string(count) + " training samples",
                                       engineFiles_.workDir, needed);
    if (shortage) tellText(*shortage);
    return !shortage;
}

std::optional<std::string> PredictRun::runEngine() {
    EngineRunner runner(engineFiles_);
    const EngineOutcome outcome =
        runner.run(workbench_.ports().progress, "PLSpredict: estimating the training samples", problems());
    runner.CleanEngineFiles();
    if (outcome != EngineOutcome::Finished) {
        const bool cancelled = outcome == EngineOutcome::Cancelled;
        workbench_.ports().prompts.tell(workbench_.texts().message(cancelled ? "MSG_EngineCancelled" : "MSG_EngineNoListing"));
        if (!cancelled) tellText("(" + runner.failureReason(outcome) + ")");
        return std::nullopt;
    }
    std::string reason;
    std::optional<std::string> listing = runner.loadListing(reason);
    if (!listing) tellText(UnreadableListingText(reason, engineFiles_.listing()));
    return listing;
}

// Each problem's weights, read as the listing gives them, start the training estimate that
// predicts the fold's held-out cases.
bool PredictRun::predictFolds(const std::string& listing, PredictionSums& sums) {
    auto scratch = std::make_unique<ProjectModel>(workbench_.model());
    scratch->nBlindfolding = 0;
    ListingReader reader(listing, *scratch, ListingErrorReport{workbench_.ports().prompts, workbench_.ports().desktop,
                                                               workbench_.texts(), engineFiles_.listing().string()});
    TextPos searched = 0;
    for (int problem = 0; problem < problems(); ++problem) {
        const int repetition = problem / options_.folds, fold = problem % options_.folds;
        const std::string title = problemTitle(problem);
        const ProblemAnswer answer = AnswerTo(listing, title, searched);
        const std::string where = Formatted("repetition %d, fold %d: ", repetition + 1, fold + 1);
        if (!answer.found) return refuse("the listing " + engineFiles_.listing().string() + " ends before " + title + ".");
        if (!answer.rejection.empty()) return refuse("the engine rejected the training cases of " + where + engineReason(answer.rejection) + ".");
        for (Indicator& indicator : scratch->indicators) indicator.weight = 0;
        if (!reader.ReadNextListing(title, kRegularStage)) return false;
        const std::vector<int>& foldOf = foldOf_[static_cast<size_t>(repetition)];
        const std::vector<int> heldOut = HeldOutRows(foldOf, fold);
        const FoldPrediction prediction = PredictFold(shape_, data_.raw, TrainingRows(foldOf, fold), heldOut,
                                                      RecordedWeights(shape_, *scratch), options_.technique);
        if (!prediction.error.empty()) return refuse("in " + where + prediction.error + ".");
        sums.add(heldOut, prediction);
    }
    return true;
}

}  // namespace qv
