#pragma once

#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

#include "core/model/ModelParameters.h"
#include "core/model/ProjectModel.h"

namespace qv {

struct ConsistentRun;

// What an estimate ran on, for the "settings" object of the JSON output.
struct EstimateRunSettings {
    const ProjectFiles& files;
    const std::string& dataFile;
    int cases = 0;
    const ModelParameters& parameters;
};

// The last estimate under the keys that docs/batch-json.md documents: consistent,
// admissible, constructs, paths, r2, loadings, weights, rho_a (per construct, null for one
// without indicators of its own) and settings.
nlohmann::ordered_json EstimateJson(const ProjectModel& model, const std::vector<std::optional<double>>& rhoA,
                                    const EstimateRunSettings& settings);

// Marks the JSON of a model whose records hold the consistent figures as consistent, with
// the correction's admissibility and reliabilities.
void AddConsistentJson(nlohmann::ordered_json& json, const ConsistentRun& run);

// Writes the JSON into the file through WriteWholeFile: "cannot write FILE: reason" or nothing.
std::optional<std::string> WriteJsonFile(const std::filesystem::path& file, const nlohmann::ordered_json& json);

}  // namespace qv
