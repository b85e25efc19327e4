#include "cli/AssessCommand.h"

#include <ostream>

#include "cli/EstimateJson.h"
#include "core/assessment/AssessmentCommand.h"
#include "core/assessment/AssessmentJson.h"
#include "core/assessment/AssessmentTables.h"
#include "core/assessment/BootstrapInference.h"
#include "core/assessment/InferenceCommand.h"
#include "core/consistent/ConsistentParameter.h"

namespace qv {

namespace {

bool writeJson(const BatchOptions& options, const nlohmann::ordered_json& json, std::ostream& errors) {
    if (!options.json) return true;
    if (const auto error = WriteJsonFile(*options.json, json)) {
        errors << "quorvanta-batch: " << *error << '\n';
        return false;
    }
    return true;
}

}  // namespace

bool BootstrapAndInfer(Workbench& workbench, const BatchOptions& options, std::ostream& errors,
                       std::optional<Inference>* kept) {
    if (options.samples) workbench.resampling().nSample = *options.samples;
    if (options.seed) workbench.resampling().seed = *options.seed;
    if (options.confidence) workbench.resampling().confidence = *options.confidence;
    InferenceCommand command(workbench);
    const std::optional<AssessedBootstrap> result = command.run(options.json.has_value());
    if (command.ran() && !ApplyConsistentBootstrap(workbench, command, result ? &*result : nullptr)) return false;
    if (!result) return command.ran() && !options.json;
    if (kept) *kept = result->inference;
    nlohmann::ordered_json json = AssessmentJson(result->assessment);
    AddInferenceJson(json, result->inference);
    return writeJson(options, json, errors);
}

bool AssessModel(Workbench& workbench, const BatchOptions& options, std::ostream& out, std::ostream& errors) {
    const std::optional<Assessment> assessment = AssessmentCommand(workbench).assess();
    if (!assessment) return false;
    std::vector<FigureTable> tables;
    for (AssessmentFile& file : AssessmentFiles(*assessment))
        tables.insert(tables.end(), file.section.tables.begin(), file.section.tables.end());
    out << FormatTextTables(tables);
    return writeJson(options, AssessmentJson(*assessment), errors);
}

bool WriteAssessmentTables(Workbench& workbench, std::ostream& out) {
    const auto written = AssessmentCommand(workbench).writeTables();
    if (!written) return false;
    for (const std::string& path : *written) out << path << '\n';
    return true;
}

}  // namespace qv
