#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/assessment/Assessment.h"
#include "core/results/ResultCommandFrame.h"
#include "core/results/ResultContext.h"

namespace qv {

// Why the assessment does not cover the model (second-order constructs, a construct without
// indicators); nothing when it does.
std::optional<std::string> WhyUnassessable(const ProjectModel& model, const ModelShape& shape);

// The assessment of the last estimate, from the data as read through the case selection.
class AssessmentCommand {
public:
    explicit AssessmentCommand(ResultContext context);
    explicit AssessmentCommand(Workbench& workbench);

    // Nothing when the model holds no estimate or cannot be assessed; the reason is told.
    std::optional<Assessment> assess();

    // Assesses, then writes the assessment's CSV files beside the model, and "_inference.csv"
    // when the model's last bootstrap kept its inference. Returns the paths written, or
    // nothing when the assessment or a file failed (told).
    std::optional<std::vector<std::string>> writeTables();

    // Assesses, then writes the file of AssessmentFiles with this suffix beside the model and
    // opens it.
    bool writeTable(const std::string& suffix);
    // Writes "_inference.csv" from the inference the model's last bootstrap kept and opens
    // it; tells when there is none.
    bool writeInferenceTable();

    // The data of the last assessment.
    const AssessmentData& data() const { return data_; }
    // The words a refusal begins with, in place of "The model cannot be assessed: ".
    void tellRefusalsAs(std::string lead) { refusalLead_ = std::move(lead); }

private:
    std::nullopt_t refuse(const std::string& reason) const;
    std::optional<std::string> keptInference() const;

    ResultContext c_;
    ResultCommandFrame frame_;
    AssessmentData data_;
    std::string refusalLead_ = "The model cannot be assessed: ";
};

}  // namespace qv
