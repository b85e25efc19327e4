#include "core/results/EstimateScores.h"

#include <algorithm>

#include "core/results/ConstructScores.h"

namespace qv {

int ResultIndicatorCount(const ProjectModel& model, const RawDataTable& table) {
    const int scoreIndicators = model.estimationStage == 2 ? model.nConstruct : 0;
    return std::min(table.nFields() + model.nProduct + scoreIndicators, kMaxIndicators);
}

std::string ComputeEstimateScores(ProjectModel& model, RawDataTable& table,
                                  std::optional<double> missingCode) {
    const int indicators = model.nIndicator;
    model.nIndicator = ResultIndicatorCount(model, table);
    std::string error = ComputeConstructScores(model, table, model.estimationStage, missingCode);
    model.nIndicator = indicators;
    return error;
}

}  // namespace qv
