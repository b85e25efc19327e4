#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/assessment/Assessment.h"
#include "core/results/ResultCommandFrame.h"
#include "core/results/ResultContext.h"

namespace qv {

// The assessment of the last estimate, from the data as read through the case selection.
class AssessmentCommand {
public:
    explicit AssessmentCommand(ResultContext context);
    explicit AssessmentCommand(Workbench& workbench);

    // Nothing when the model holds no estimate or cannot be assessed; the reason is told.
    std::optional<Assessment> assess();

    // Assesses, then writes the assessment's CSV files beside the model. Returns the paths
    // written, or nothing when the assessment or a file failed (told).
    std::optional<std::vector<std::string>> writeTables();

    // The data of the last assessment.
    const AssessmentData& data() const { return data_; }

private:
    std::nullopt_t refuse(const std::string& reason) const;

    ResultContext c_;
    ResultCommandFrame frame_;
    AssessmentData data_;
};

}  // namespace qv
