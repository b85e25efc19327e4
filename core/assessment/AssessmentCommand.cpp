#include "core/assessment/AssessmentCommand.h"

#include "core/assessment/AssessmentTables.h"
#include "core/assessment/InferenceFiles.h"
#include "core/model/WholeFile.h"
#include "core/results/RawValues.h"

namespace qv {

std::optional<std::string> WhyUnassessable(const ProjectModel& model, const ModelShape& shape) {
    if (model.hasSecondOrder) return "it has second-order constructs, which are estimated in two stages.";
    if (shape.constructCount() == 0) return "it has no constructs.";
    for (int k = 0; k < shape.constructCount(); ++k)
        if (shape.block(k).empty())
            return "construct " + shape.constructs[static_cast<size_t>(k)] + " has no indicators.";
    return std::nullopt;
}

AssessmentCommand::AssessmentCommand(ResultContext context) : c_(context), frame_(c_) {}

AssessmentCommand::AssessmentCommand(Workbench& workbench)
    : AssessmentCommand(ResultContext::of(workbench)) {}

std::nullopt_t AssessmentCommand::refuse(const std::string& reason) const {
    frame_.tellText(refusalLead_ + reason);
    return std::nullopt;
}

std::optional<Assessment> AssessmentCommand::assess() {
    if (!c_.model.estimated) {
        c_.ports.prompts.tell(c_.texts.message("MSG_InvalidModelStop", "MSG_Invalid"));
        return std::nullopt;
    }
    const ModelShape shape = ShapeOf(c_.model, c_.parameters.innerWeighting);
    if (const auto reason = WhyUnassessable(c_.model, shape)) return refuse(*reason);
    if (!ReloadRawValues(c_, ProductTerms::Recomputed)) return std::nullopt;
    data_ = ReadAssessmentData(shape, c_.table, MissingValueCode(c_.parameters));
    if (!data_.error.empty()) return refuse(data_.error);
    Assessment assessment = Assess(shape, data_, RecordedWeights(shape, c_.model), c_.parameters.consistent);
    if (!assessment.fit.converged) return refuse("the estimate does not converge again from its weights.");
    return assessment;
}

std::optional<std::vector<std::string>> AssessmentCommand::writeTables() {
    const std::optional<Assessment> assessment = assess();
    if (!assessment) return std::nullopt;
    std::vector<std::string> written;
    for (const AssessmentFile& file : AssessmentFiles(*assessment)) {
        written.push_back(frame_.fileName(file.suffix));
        if (!frame_.write(written.back(), FormatCsvTables(file.section.tables))) return std::nullopt;
    }
    if (KeptInferenceIsCurrent(c_.model, c_.files.project, c_.tempDir)) {
        const std::optional<std::string> inference = keptInference();
        if (!inference) return std::nullopt;
        written.push_back(frame_.fileName("_inference.csv"));
        if (!frame_.write(written.back(), *inference)) return std::nullopt;
    }
    return written;
}

bool AssessmentCommand::writeTable(const std::string& suffix) {
    const std::optional<Assessment> assessment = assess();
    if (!assessment) return false;
    for (const AssessmentFile& file : AssessmentFiles(*assessment))
        if (file.suffix == suffix) return frame_.writeAndOpen(frame_.fileName(suffix), FormatCsvTables(file.section.tables));
    return false;
}

bool AssessmentCommand::writeInferenceTable() {
    if (!KeptInferenceIsCurrent(c_.model, c_.files.project, c_.tempDir)) {
        frame_.tellText("There is no bootstrap inference of this model yet: run the bootstrap first.");
        return false;
    }
    const std::optional<std::string> inference = keptInference();
    return inference && frame_.writeAndOpen(frame_.fileName("_inference.csv"), *inference);
}

std::optional<std::string> AssessmentCommand::keptInference() const {
    std::string reason;
    const std::filesystem::path kept = InferenceTablesPath(c_.tempDir);
    std::optional<std::string> text = ReadWholeFile(kept, reason);
    if (!text) frame_.tellText("The bootstrap's inference cannot be read from " + kept.string() + ": " + reason);
    return text;
}

}  // namespace qv
