#include "cli/EstimateJson.h"

#include <cmath>

#include "core/consistent/ConsistentCommand.h"
#include "core/model/NumberText.h"
#include "core/model/WholeFile.h"

namespace qv {
namespace {

using Json = nlohmann::ordered_json;

// The engine prints six decimals; the JSON keeps them and no float noise behind them.
double figure(double value) { return std::round(value * 1e6) / 1e6; }

const char* innerWeighting(int position) {
    static constexpr const char* kNames[] = {"path", "centroid", "factor"};
    return position >= 0 && position < 3 ? kNames[position] : "path";
}

const char* blindfolding(int type) {
    static constexpr const char* kNames[] = {"none", "redundancy", "communality"};
    return type >= 0 && type < 3 ? kNames[type] : "none";
}

Json integerOrNull(const std::string& text) {
    const auto value = parseInteger(text);
    return value ? Json(*value) : Json(nullptr);
}

// Loadings above 1 in size, or an R-square outside 0..1, cannot come from a proper solution.
bool admissible(const ProjectModel& model) {
    for (int i = 0; i < model.nIndicator; ++i)
        if (model.indicators[i].construct >= 0 && std::fabs(model.indicators[i].loading) > 1.0f) return false;
    for (int c = 0; c < model.nConstruct; ++c)
        if (model.constructs[c].rSquare < 0.0f || model.constructs[c].rSquare > 1.0f) return false;
    return true;
}

Json settingsJson(const ProjectModel& model, const EstimateRunSettings& run) {
    const ModelParameters& parameters = run.parameters;
    Json settings;
    settings["model_file"] = run.files.project;
    settings["data_file"] = run.dataFile;
    settings["cases"] = run.cases;
    settings["inner_weighting"] = innerWeighting(parameters.innerWeighting);
    settings["max_iterations"] = integerOrNull(parameters.maxIteration);
    settings["missing_value"] = integerOrNull(parameters.missingValue);
    settings["blindfolding"] = blindfolding(parameters.blindFoldingType);
    settings["omission_distance"] =
        parameters.blindFoldingDistance > 0 ? Json(parameters.blindFoldingDistance + 3) : Json(nullptr);
    settings["stages"] = model.estimationStage;
    return settings;
}

}  // namespace

Json EstimateJson(const ProjectModel& model, const std::vector<std::optional<double>>& rhoA,
                  const EstimateRunSettings& run) {
    Json json;
    json["consistent"] = false;
    json["admissible"] = admissible(model);
    Json constructs = Json::array(), r2 = Json::object();
    for (int c = 0; c < model.nConstruct; ++c) {
        constructs.push_back(model.constructs[c].caption);
        r2[model.constructs[c].caption] = figure(model.constructs[c].rSquare);
    }
    json["constructs"] = constructs;
    Json paths = Json::array();
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[p];
        paths.push_back({{"from", model.constructs[path.src].caption},
                         {"to", model.constructs[path.dest].caption},
                         {"coefficient", figure(path.coefficient)}});
    }
    json["paths"] = paths;
    json["r2"] = r2;
    Json loadings = Json::object(), weights = Json::object();
    for (int c = 0; c < model.nConstruct; ++c)
        for (int i = 0; i < model.nIndicator; ++i) {
            const Indicator& indicator = model.indicators[i];
            if (indicator.construct != c) continue;
            loadings[indicator.caption] = figure(indicator.loading);
            weights[indicator.caption] = figure(indicator.weight);
        }
    json["loadings"] = loadings;
    json["weights"] = weights;
    Json reliability = Json::object();
    for (int c = 0; c < model.nConstruct && c < static_cast<int>(rhoA.size()); ++c)
        reliability[model.constructs[c].caption] =
            rhoA[c] ? Json(figure(*rhoA[c])) : Json(nullptr);
    json["rho_a"] = reliability;
    json["settings"] = settingsJson(model, run);
    return json;
}

void AddConsistentJson(Json& json, const ConsistentRun& run) {
    json["consistent"] = true;
    json["admissible"] = json["admissible"].get<bool>() && run.estimate.admissible();
    Json reliability = Json::object();
    for (int k = 0; k < run.shape.constructCount(); ++k)
        reliability[run.shape.constructs[static_cast<size_t>(k)]] = figure(run.estimate.rhoA(k));
    json["rho_a"] = reliability;
}

std::optional<std::string> WriteJsonFile(const std::filesystem::path& file, const Json& json) {
    return WriteWholeFile(file, json.dump(2) + '\n');
}

}  // namespace qv
