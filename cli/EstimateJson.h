#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "core/model/ModelParameters.h"
#include "core/model/ProjectModel.h"

namespace qv {

// What an estimate ran on, for the "settings" object of the JSON output.
struct EstimateRunSettings {
    const ProjectFiles& files;
    const std::string& dataFile;
    int cases = 0;
    const ModelParameters& parameters;
};

// The last estimate under the keys that docs/batch-json.md documents: consistent,
// admissible, constructs, paths, r2, loadings, weights and settings.
nlohmann::ordered_json EstimateJson(const ProjectModel& model, const EstimateRunSettings& settings);

// Writes the JSON into the file; the error names the file when it cannot be written.
std::optional<std::string> WriteJsonFile(const std::filesystem::path& file, const nlohmann::ordered_json& json);

}  // namespace qv
