#include "core/app/EstimateInputs.h"

#include <tuple>

#include "core/app/Workbench.h"
#include "core/rawdata/StoredCaseFilter.h"

namespace qv {
namespace {

auto estimated(const ModelParameters& p) {
    return std::tie(p.missingValue, p.blindfolding, p.iterationCycle, p.specification, p.result, p.innerWeighting,
                    p.maxIteration, p.decimal, p.metric, p.blindFoldingType, p.blindFoldingDistance, p.consistent);
}

}  // namespace

EstimateInputs InputsOf(Workbench& workbench) {
    EstimateInputs inputs{workbench.rawData().raw, workbench.rawData().sheet, CaseFilterText(workbench.caseFilter()),
                          std::nullopt, workbench.parameters()};
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(inputs.dataFile, error);
    if (error) return inputs;
    const auto time = std::filesystem::last_write_time(inputs.dataFile, error);
    if (!error) inputs.file = EstimateInputs::FileState{size, time};
    return inputs;
}

bool SameInputs(const EstimateInputs& a, const EstimateInputs& b) {
    const bool sameFile = !a.file || !b.file || (a.file->size == b.file->size && a.file->time == b.file->time);
    return sameFile && a.dataFile == b.dataFile && a.sheet == b.sheet && a.caseSelection == b.caseSelection &&
           estimated(a.parameters) == estimated(b.parameters);
}

}  // namespace qv
