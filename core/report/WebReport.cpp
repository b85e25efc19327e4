#include "core/report/WebReport.h"

#include "core/app/DerivedFileNames.h"
#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/AssessmentTables.h"
#include "core/assessment/InferenceFiles.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/model/WholeFile.h"
#include "core/ports/WriteFailure.h"
#include "core/report/PictureArea.h"
#include "core/report/ReportFolder.h"
#include "core/report/WebReportFigures.h"
#include "core/report/WebReportFormat.h"
#include "core/results/EstimateScores.h"
#include "core/results/RawValues.h"
#include "core/results/ResamplingSummary.h"
#include "core/results/TableCommands.h"

namespace qv {

WebReport::WebReport(ResultContext context, Clock clock)
    : c_(context), frame_(c_), clock_(std::move(clock)) {}

WebReport::WebReport(Workbench& workbench) : WebReport(ResultContext::of(workbench)) {}

std::tm WebReport::localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

bool WebReport::failed(const std::string& error) const {
    if (!error.empty()) frame_.tellText(error);
    return !error.empty();
}

// The fragment's bytes; a fragment that cannot be read is told and left out.
std::optional<std::string> WebReport::readFragment(const std::filesystem::path& path,
                                                   const char* separator) {
    std::string reason;
    auto bytes = ReadWholeFile(path, reason);
    if (!bytes) {
        Message message = c_.texts.message("MSG_OpenError");
        message.text += separator + path.string() + ")";
        c_.ports.prompts.tell(message);
    }
    return bytes;
}

void WebReport::copyFactorStructure(WebReportContents& contents, const Assessment* assessment) {
    TableCommands commands(c_);
    commands.setCorrections({nullptr, [this, assessment](FactorStructure& structure) {
                                 return CorrectCrossLoadings(c_, assessment, structure);
                             }});
    if (!commands.factorStructureReport()) {
        contents.factorStructureState = FactorStructureSection::NotComputed;
        return;
    }
    const auto fragment = readFragment(c_.tempDir / "efa.html", " \n  (");
    contents.factorStructureState =
        fragment ? FactorStructureSection::Copied : FactorStructureSection::Missing;
    contents.factorStructure = fragment.value_or("");
}

// Loadings, reliability and scores, from the raw values beside freshly computed scores.
std::optional<std::string> WebReport::readFragment(SampleKind kind) {
    return readFragment(ResamplingSummaryNames(kind, c_.files.project, c_.tempDir).html, "\n(");
}

bool WebReport::addEstimateTables(WebReportContents& contents) {
    if (!TableCommands(c_).computeCronbachAlpha()) return false;
    const std::optional<double> missing = MissingValueCode(c_.parameters);
    if (failed(ComputeEstimateScores(c_.model, c_.table, missing)) ||
        !ReloadRawValues(c_, ProductTerms::Recomputed))
        return false;
    const int indicators = ResultIndicatorCount(c_.model, c_.table);
    ReportLoadings loadings = ComputeReportLoadings(c_.model, c_.table, indicators, missing);
    if (failed(loadings.error)) return false;
    contents.loadings = std::move(loadings.blocks);
    if (c_.model.hasSecondOrder) {
        ReportLoadings second = ComputeSecondOrderLoadings(c_.model, c_.table, missing);
        if (failed(second.error)) return false;
        contents.secondOrderLoadings = std::move(second.blocks);
    }
    contents.reliability = ComputeReliability(c_.model, indicators);
    contents.rSquare = ReportRSquareOf(c_.model);
    ReadReportScores(c_.model, c_.table, contents);
    return true;
}

bool WebReport::addCorrelations(WebReportContents& contents, const Assessment* assessment) {
    const auto readListing = [this](const std::string& path) {
        std::string reason;
        auto listing = ReadWholeFile(path, reason);
        if (!listing) frame_.tellText(UnreadableListingText(reason, path));
        return listing;
    };
    const auto firstStage = readListing(c_.files.result);
    if (!firstStage) return false;
    contents.hasSecondOrder = c_.model.hasSecondOrder;
    CorrelationMatrix firstOrder =
        ReadParticipantCorrelations(c_.model, *firstStage, kFirstStage, FirstOrderParticipants(c_.model));
    if (!CorrectCorrelations(c_, assessment, firstOrder)) return false;
    contents.correlations = FirstOrderReportMatrix(c_.model, firstOrder);
    if (c_.model.estimationStage != 2) return true;
    const auto secondStage = readListing(modelFileName(c_.files.result, "_2.out"));
    if (!secondStage) return false;
    contents.secondStageCorrelations = SecondStageReportMatrix(c_.model, *secondStage);
    return true;
}

// The assessment's sections; a model it does not cover (second order) has none, and one it
// could not assess (told why) leaves them out rather than the whole report.
void WebReport::addAssessment(WebReportContents& contents, const std::optional<Assessment>& assessment) {
    if (!assessment) return;
    for (AssessmentFile& file : AssessmentFiles(*assessment)) contents.assessment.push_back(std::move(file.section));
}

std::optional<std::filesystem::path> WebReport::run() {
    if (!c_.model.estimated) {
        c_.ports.prompts.tell(c_.texts.message("MSG_InvalidModelStop", "MSG_Invalid"));
        return std::nullopt;
    }
    if (!ReloadRawValues(c_, ProductTerms::Recomputed)) return std::nullopt;
    WebReportContents contents;
    contents.dateText = ReportDateText(clock_());
    contents.consistent = c_.parameters.consistent;
    const ReportFolder prepared = PrepareReportFolder(c_.files.project, "_report", c_.dataDir);
    if (!WriteSucceeded(c_.ports.prompts, prepared.error)) return std::nullopt;
    const std::filesystem::path& folder = prepared.path;
    const SavedPicture picture = SaveDiagramPicture(c_.ports.picture, c_.model, folder / "Model.bmp");
    if (!WriteSucceeded(c_.ports.prompts, picture.failure)) return std::nullopt;
    contents.picture = picture.saved;
    contents.pictureShown = picture.shown;
    if (!addEstimateTables(contents)) return std::nullopt;
    // One assessment gives its sections and, under consistent PLS, the corrected correlations
    // and cross-loadings.
    const std::optional<Assessment> assessment =
        c_.model.hasSecondOrder ? std::nullopt : AssessmentCommand(c_).assess();
    copyFactorStructure(contents, assessment ? &*assessment : nullptr);
    if (!addCorrelations(contents, assessment ? &*assessment : nullptr)) return std::nullopt;
    addAssessment(contents, assessment);
    if (c_.model.bootstrapDone) {
        contents.bootstrapSection = readFragment(SampleKind::Bootstrap);
        if (KeptInferenceIsCurrent(c_.model, c_.files.project, c_.tempDir))
            contents.inferenceSection = readFragment(InferenceFragmentPath(c_.tempDir), "\n(");
    }
    if (c_.model.jackknifeDone) contents.jackknifeSection = readFragment(SampleKind::Jackknife);
    contents.prediction = prediction_;
    const std::filesystem::path report = folder / "WebOutput.html";
    if (!frame_.writeAndOpen(report.string(), FormatWebReport(contents))) return std::nullopt;
    return report;
}

}  // namespace qv
