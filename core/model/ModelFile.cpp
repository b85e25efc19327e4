#include "core/model/ModelFile.h"

#include <algorithm>
#include <array>

#include "core/model/IndicatorBoxes.h"
#include "core/model/IniFile.h"
#include "core/model/NumberText.h"

namespace qv {
namespace {

std::string numbered(const char* key, int n) { return key + std::to_string(n); }

// The typed entries as the integers the file stores; the first that is not one is the error.
struct TypedEntries {
    int missingValue = 0, maxIteration = 0, decimal = 0;
    int nSample = 0, cases = 0, jackKnife = 0, seed = 0;
};

std::optional<std::string> convert(const std::string& text, int& value) {
    const auto number = parseInteger(text);
    if (!number) return integerConversionError(text);
    value = *number;
    return std::nullopt;
}

std::optional<std::string> convertResampling(const ResamplingOptions& options, TypedEntries& out) {
    for (auto [text, value] : {std::pair{&options.nSample, &out.nSample}, {&options.cases, &out.cases},
                               {&options.jackKnife, &out.jackKnife}, {&options.seed, &out.seed}})
        if (auto error = convert(*text, *value)) return error;
    return std::nullopt;
}

std::optional<std::string> convertAll(const ModelSettings& settings, TypedEntries& out) {
    const ModelParameters& parameters = settings.parameters;
    // An empty missing-value entry (no code) is stored as 0.
    if (!parameters.missingValue.empty())
        if (auto error = convert(parameters.missingValue, out.missingValue)) return error;
    if (auto error = convert(parameters.maxIteration, out.maxIteration)) return error;
    if (auto error = convert(parameters.decimal, out.decimal)) return error;
    return convertResampling(settings.resampling, out);
}

void writeBasic(IniFile& ini, const ProjectModel& model, const ModelSettings& settings, int rawVariables) {
    ini.writeString("Basic", "Raw", settings.raw);
    ini.writeString("Basic", "PLS", settings.files.pls);
    ini.writeString("Basic", "BootStrap", settings.files.bootStrap);
    ini.writeString("Basic", "JackKnife", settings.files.jackKnife);
    ini.writeString("Basic", "Result", settings.files.result);
    ini.writeInt("Basic", "Construct", model.nConstruct);
    ini.writeInt("Basic", "Indicator", rawVariables);
    ini.writeInt("Basic", "Product", model.nProduct);
    ini.writeInt("Basic", "Path", model.nPath);
    ini.writeInt("Basic", "Radius", model.radius);
}

void writeTables(IniFile& ini, const ProjectModel& model, int nIndicator) {
    for (int n = 0; n < model.nConstruct; ++n) {
        const Construct& c = model.constructs[n];
        ini.writeString("Construct", numbered("Caption_", n), c.caption);
        ini.writeInt("Construct", numbered("X_", n), c.x);
        ini.writeInt("Construct", numbered("Y_", n), c.y);
        ini.writeInt("Construct", numbered("Type_", n), c.type);
        ini.writeInt("Construct", numbered("NInd_", n), c.nInd);
        ini.writeInt("Construct", numbered("Order_", n), c.order);
        ini.writeInt("Construct", numbered("nCon_", n), c.nCon);
        ini.writeInt("Construct", numbered("Construct_", n), c.construct);
    }
    for (int n = 0; n < nIndicator; ++n) {
        const Indicator& i = model.indicators[n];
        ini.writeString("Indicator", numbered("Caption_", n), i.caption);
        ini.writeInt("Indicator", numbered("Construct_", n), i.construct);
        ini.writeBool("Indicator", numbered("Interaction_", n), i.interaction);
        if (!i.interaction) continue;
        ini.writeInt("Indicator", numbered("Predictor_", n), i.predictor);
        ini.writeInt("Indicator", numbered("Moderator_", n), i.moderator);
        ini.writeBool("Indicator", numbered("Standardized_", n), i.standardized);
        ini.writeBool("Indicator", numbered("MeanCentered_", n), i.meanCentered);
    }
    for (int n = 0; n < model.nPath; ++n) {
        ini.writeInt("Path", numbered("Src_", n), model.paths[n].src);
        ini.writeInt("Path", numbered("Dest_", n), model.paths[n].dest);
    }
}

void writeParameters(IniFile& ini, const ModelParameters& p, const TypedEntries& typed) {
    ini.writeInt("Parameter", "MissingValue", typed.missingValue);
    ini.writeInt("Parameter", "Blindfolding", p.blindfolding);
    ini.writeInt("Parameter", "IterationCycle", p.iterationCycle);
    ini.writeInt("Parameter", "Specification", p.specification);
    ini.writeInt("Parameter", "Result", p.result);
    ini.writeInt("Parameter", "InnerWeighting", p.innerWeighting);
    ini.writeInt("Parameter", "MaxIteration", typed.maxIteration);
    ini.writeInt("Parameter", "Decimal", typed.decimal);
    ini.writeInt("Parameter", "Metric", p.metric);
    ini.writeInt("Parameter", "BlindFoldingType", p.blindFoldingType);
    ini.writeInt("Parameter", "BlindFoldingDistance", p.blindFoldingDistance);
    // Came later: a model that never asked for it keeps the bytes older versions wrote.
    if (p.consistent || ini.value("Parameter", "Consistent")) ini.writeInt("Parameter", "Consistent", p.consistent ? 1 : 0);
}

void writeResamplingEntries(IniFile& ini, const TypedEntries& typed, int confidence) {
    ini.writeInt("Resampling", "nSample", typed.nSample);
    ini.writeInt("Resampling", "Case", typed.cases);
    ini.writeInt("Resampling", "JackKnife", typed.jackKnife);
    ini.writeInt("Resampling", "Seed", typed.seed);
    // Files at the usual 95 percent stay as older versions wrote them.
    if (confidence != 95 || ini.value("Resampling", "Confidence")) ini.writeInt("Resampling", "Confidence", confidence);
}

// Came later: a model that kept the usual options keeps the bytes older versions wrote.
void writePredictEntries(IniFile& ini, const PredictOptions& predict) {
    if (predict == PredictOptions{} && !ini.hasSection("Predict")) return;
    ini.writeInt("Predict", "Folds", predict.folds);
    ini.writeInt("Predict", "Repetitions", predict.repetitions);
    ini.writeInt("Predict", "Seed", predict.seed);
    ini.writeInt("Predict", "Technique", predict.technique == PredictTechnique::DirectAntecedents ? 0 : 1);
}

}  // namespace

namespace ModelFile {

std::optional<std::string> write(const std::filesystem::path& file, const ProjectModel& model,
                                 const ModelSettings& settings, int rawVariables,
                                 const std::function<void(IniFile&)>& moreSections) {
    TypedEntries typed;
    if (auto error = convertAll(settings, typed)) return error;
    IniFile ini(file);
    const int nIndicator = std::min(rawVariables + model.nProduct, kMaxIndicators);
    writeBasic(ini, model, settings, rawVariables);
    writeTables(ini, model, nIndicator);
    WriteIndicatorBoxes(ini, model, nIndicator);
    writeParameters(ini, settings.parameters, typed);
    writeResamplingEntries(ini, typed, settings.resampling.confidence);
    ini.writeBool("Resampling", "Process", settings.resampling.process);
    // Older readers skip the section; a model whose data never had a chosen sheet gets none.
    if (!settings.sheet.empty() || ini.value("Data", "Sheet")) ini.writeString("Data", "Sheet", settings.sheet);
    writePredictEntries(ini, settings.predict);
    if (moreSections) moreSections(ini);
    return ini.save();
}

std::optional<std::string> writeResampling(const std::filesystem::path& file,
                                           const ResamplingOptions& resampling) {
    TypedEntries typed;
    if (auto error = convertResampling(resampling, typed)) return error;
    IniFile ini(file);
    writeResamplingEntries(ini, typed, resampling.confidence);
    return ini.save();
}

std::optional<std::string> writePredict(const std::filesystem::path& file, const PredictOptions& predict) {
    IniFile ini(file);
    writePredictEntries(ini, predict);
    return ini.save();
}

}  // namespace ModelFile
}  // namespace qv
