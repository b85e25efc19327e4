#include "core/assessment/AssessmentCommand.h"

#include "core/assessment/AssessmentTables.h"
#include "core/results/RawValues.h"

namespace qv {
namespace {

std::optional<std::string> unassessable(const ProjectModel& model, const ModelShape& shape) {
    if (model.hasSecondOrder) return "it has second-order constructs, which are estimated in two stages.";
    if (shape.constructCount() == 0) return "it has no constructs.";
    for (int k = 0; k < shape.constructCount(); ++k)
        if (shape.block(k).empty())
            return "construct " + shape.constructs[static_cast<size_t>(k)] + " has no indicators.";
    return std::nullopt;
}

}  // namespace

AssessmentCommand::AssessmentCommand(ResultContext context) : c_(context), frame_(c_) {}

AssessmentCommand::AssessmentCommand(Workbench& workbench)
    : AssessmentCommand(ResultContext::of(workbench)) {}

std::nullopt_t AssessmentCommand::refuse(const std::string& reason) const {
    frame_.tellText("The model cannot be assessed: " + reason);
    return std::nullopt;
}

std::optional<Assessment> AssessmentCommand::assess() {
    if (!c_.model.estimated) {
        c_.ports.prompts.tell(c_.texts.message("MSG_InvalidModelStop", "MSG_Invalid"));
        return std::nullopt;
    }
    const ModelShape shape = ShapeOf(c_.model, c_.parameters.innerWeighting);
    if (const auto reason = unassessable(c_.model, shape)) return refuse(*reason);
    if (!ReloadRawValues(c_, ProductTerms::Recomputed)) return std::nullopt;
    data_ = ReadAssessmentData(shape, c_.table, MissingValueCode(c_.parameters));
    if (!data_.error.empty()) return refuse(data_.error);
    Assessment assessment = Assess(shape, data_, RecordedWeights(shape, c_.model));
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
    return written;
}

}  // namespace qv
