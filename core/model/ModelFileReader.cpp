// Reading a model file: the entries with their checks, then the references between records.
#include <algorithm>
#include <limits>

#include "core/model/IndicatorBoxes.h"
#include "core/model/ModelFile.h"
#include "core/model/ModelFileEntries.h"
#include "core/model/Utf8Text.h"
#include "core/model/WholeFile.h"

namespace qv {
namespace {

std::string numbered(const char* key, int n) { return key + std::to_string(n); }

// A model file is text with a [Basic] section; anything else is refused before it is read.
std::string refusalOf(const std::optional<std::string>& bytes, const std::string& reason, const IniFile& ini) {
    if (!bytes) return "cannot be read: " + reason;
    if (bytes->find_first_not_of(" \t\r\n") == std::string::npos) return "the file is empty";
    if (bytes->find('\0') != std::string::npos) return "the file is not text";
    if (!ini.hasSection("Basic")) return "the file has no [Basic] section";
    return "";
}

// Captions are held to the names' length in characters; a cut never splits a character.
std::string caption(ModelFileEntries& entries, const char* section, int n) {
    const std::string key = numbered("Caption_", n);
    std::string text = entries.text(section, key);
    if (characterCount(text) <= static_cast<size_t>(kMaxCaptionLength)) return text;
    const std::string kept = leadingCharacters(text, kMaxCaptionLength);
    entries.replaced(section, key, text, "longer than " + std::to_string(kMaxCaptionLength) + " characters",
                     "cut to " + kept);
    return kept;
}

// Counts of a damaged file are held to the tables' capacities.
int count(ModelFileEntries& entries, const char* key, int capacity) {
    const int value = entries.integer("Basic", key, 0);
    if (value >= 0 && value <= capacity) return value;
    const int held = std::clamp(value, 0, capacity);
    entries.replaced("Basic", key, std::to_string(value), "out of range 0.." + std::to_string(capacity),
                     std::to_string(held) + " used");
    return held;
}

void readCounts(ModelFileEntries& entries, ProjectModel& model, int& storedVariables) {
    model.nConstruct = count(entries, "Construct", kMaxConstructs);
    storedVariables = count(entries, "Indicator", kMaxIndicators);
    model.nProduct = count(entries, "Product", kMaxIndicators - storedVariables);
    model.nPath = count(entries, "Path", kMaxPaths);
    model.nIndicator = storedVariables + model.nProduct;
}

// NInd and nCon are not read: they are counted again from the assignments and links.
void readConstructs(ModelFileEntries& entries, ProjectModel& model) {
    const int last = model.nConstruct - 1;
    for (int n = 0; n <= last; ++n) {
        Construct& c = model.constructs[n];
        c = Construct{};
        c.caption = caption(entries, "Construct", n);
        c.x = entries.integer("Construct", numbered("X_", n), 0);
        c.y = entries.integer("Construct", numbered("Y_", n), 0);
        c.type = entries.integer("Construct", numbered("Type_", n), 0, 0, 1);
        c.order = entries.integer("Construct", numbered("Order_", n), 1, 1, 2);
        c.construct = entries.integer("Construct", numbered("Construct_", n), -1, -1, last);
    }
}

void readIndicators(ModelFileEntries& entries, ProjectModel& model, int storedVariables) {
    for (int n = 0; n < model.nIndicator; ++n) {
        Indicator& i = model.indicators[n];
        i = Indicator{};
        i.caption = caption(entries, "Indicator", n);
        i.construct = entries.integer("Indicator", numbered("Construct_", n), -1, -1, model.nConstruct - 1);
        i.interaction = entries.flag("Indicator", numbered("Interaction_", n), false);
        if (!i.interaction) continue;
        // The factors of a product term are raw-data variables.
        const int lastVariable = std::max(0, storedVariables - 1);
        i.predictor = static_cast<short>(entries.integer("Indicator", numbered("Predictor_", n), 0, 0, lastVariable));
        i.moderator = static_cast<short>(entries.integer("Indicator", numbered("Moderator_", n), 0, 0, lastVariable));
        i.standardized = entries.flag("Indicator", numbered("Standardized_", n), false);
        i.meanCentered = entries.flag("Indicator", numbered("MeanCentered_", n), false);
    }
}

// A path that joins no two different constructs, or joins a joined pair again, is left out.
void readPaths(ModelFileEntries& entries, ProjectModel& model) {
    const int stored = model.nPath;
    int kept = 0;
    for (int n = 0; n < stored; ++n) {
        const int src = entries.integer("Path", numbered("Src_", n), -1);
        const int dest = entries.integer("Path", numbered("Dest_", n), -1);
        const auto joins = [&](const Path& p) { return (p.src == src && p.dest == dest) || (p.src == dest && p.dest == src); };
        const bool known = src >= 0 && src < model.nConstruct && dest >= 0 && dest < model.nConstruct;
        const char* reason = !known ? "names no construct"
                             : src == dest ? "joins a construct to itself"
                             : std::any_of(model.paths.begin(), model.paths.begin() + kept, joins) ? "joins a joined pair again"
                                                                                                   : nullptr;
        if (reason) {
            entries.replaced("Path", numbered("Src_", n) + "/" + numbered("Dest_", n),
                             std::to_string(src) + "," + std::to_string(dest), reason, "path left out");
            continue;
        }
        model.paths[kept++] = Path{.src = src, .dest = dest};
    }
    model.nPath = kept;
}

// Indicators belong to first-order constructs and only first-order constructs are members of
// second-order ones; an entry against that is undone and reported, never dropped silently.
void checkMemberships(ModelFileEntries& entries, ProjectModel& model) {
    const auto secondOrder = [&model](int c) { return c >= 0 && model.constructs[c].order == 2; };
    for (int n = 0; n < model.nIndicator; ++n) {
        int& construct = model.indicators[n].construct;
        if (!secondOrder(construct)) continue;
        entries.replaced("Indicator", numbered("Construct_", n), std::to_string(construct),
                         "names a second-order construct", "left unassigned");
        construct = -1;
    }
    for (int n = 0; n < model.nConstruct; ++n) {
        int& parent = model.constructs[n].construct;
        if (parent < 0 || (secondOrder(parent) && !secondOrder(n))) continue;
        entries.replaced("Construct", numbered("Construct_", n), std::to_string(parent),
                         "names no second-order construct it can belong to", "left unlinked");
        parent = -1;
    }
}

// A file without the section, as older versions wrote, keeps the usual options.
void readPredict(ModelFileEntries& entries, PredictOptions& predict) {
    using O = PredictOptions;
    const O usual;
    predict.folds = entries.addedInteger("Predict", "Folds", usual.folds, O::kFoldsLow, O::kFoldsHigh);
    predict.repetitions =
        entries.addedInteger("Predict", "Repetitions", usual.repetitions, O::kRepetitionsLow, O::kRepetitionsHigh);
    predict.seed = entries.addedInteger("Predict", "Seed", usual.seed, std::numeric_limits<int>::min(),
                                        std::numeric_limits<int>::max());
    predict.technique = entries.addedChoice("Predict", "Technique", 0, {0, 1}) == 0 ? PredictTechnique::DirectAntecedents
                                                                                   : PredictTechnique::EarliestAntecedents;
}

void readSettings(ModelFileEntries& entries, ModelSettings& settings) {
    using P = ModelParameters;
    ModelParameters& p = settings.parameters;
    const int missingValue =
        entries.integer("Parameter", "MissingValue", 0, P::kMissingValueLow, P::kMissingValueHigh);
    p.missingValue = missingValue == 0 ? std::string() : std::to_string(missingValue);
    p.blindfolding = entries.integer("Parameter", "Blindfolding", 1, 0, P::kBlindfoldingItems - 1);
    p.iterationCycle = entries.integer("Parameter", "IterationCycle", 0, 0, P::kIterationCycleItems - 1);
    p.specification = entries.integer("Parameter", "Specification", 1, 0, P::kSpecificationItems - 1);
    p.result = entries.integer("Parameter", "Result", 2, 0, P::kResultItems - 1);
    p.innerWeighting = entries.integer("Parameter", "InnerWeighting", 0, 0, P::kInnerWeightingItems - 1);
    p.maxIteration = std::to_string(
        entries.integer("Parameter", "MaxIteration", 100, P::kMaxIterationLow, P::kMaxIterationHigh));
    p.decimal = std::to_string(entries.integer("Parameter", "Decimal", 0, P::kDecimalLow, P::kDecimalHigh));
    p.metric = entries.integer("Parameter", "Metric", 0, 0, P::kMetricItems - 1);
    p.blindFoldingType = entries.integer("Parameter", "BlindFoldingType", 0, 0, P::kBlindFoldingTypeItems - 1);
    p.blindFoldingDistance =
        entries.integer("Parameter", "BlindFoldingDistance", 0, 0, P::kBlindFoldingDistanceItems - 1);
    p.consistent = entries.addedChoice("Parameter", "Consistent", 0, {0, 1}) == 1;
    ResamplingOptions& r = settings.resampling;
    r.nSample = std::to_string(entries.integer("Resampling", "nSample", 100, ResamplingOptions::kSamplesLow,
                                               ResamplingOptions::kSamplesHigh));
    r.cases = std::to_string(entries.integer("Resampling", "Case", 0));
    r.jackKnife = std::to_string(entries.integer("Resampling", "JackKnife", 1));
    r.seed = std::to_string(entries.integer("Resampling", "Seed", 0));
    r.process = entries.flag("Resampling", "Process", false);
    r.confidence = entries.addedChoice("Resampling", "Confidence", 95, {90, 95, 99});
    readPredict(entries, settings.predict);
}

}  // namespace

std::string ModelFileProblem::describe() const {
    std::string text = "[" + section + "]";
    if (!key.empty()) text += " " + key;
    if (reason != "missing" && !key.empty()) text += " = '" + value + "'";
    return text + ": " + reason + "; " + used;
}

namespace ModelFile {

ModelFileRead read(const std::filesystem::path& file, ProjectModel& model, ModelSettings& settings) {
    ModelFileRead result;
    std::string reason;
    const std::optional<std::string> bytes = ReadWholeFile(file, reason);
    IniFile ini;
    if (bytes) ini.setText(*bytes);
    result.refusal = refusalOf(bytes, reason, ini);
    if (!result.refusal.empty()) return result;
    ModelFileEntries entries(ini, result.problems);
    settings.raw = entries.text("Basic", "Raw");
    settings.sheet = ini.value("Data", "Sheet").value_or("");
    settings.files.pls = entries.text("Basic", "PLS");
    settings.files.bootStrap = entries.text("Basic", "BootStrap");
    settings.files.jackKnife = entries.text("Basic", "JackKnife");
    settings.files.result = entries.text("Basic", "Result");
    readCounts(entries, model, result.storedVariables);
    readConstructs(entries, model);
    readIndicators(entries, model, result.storedVariables);
    readPaths(entries, model);
    ReadIndicatorBoxes(ini, entries, model);
    checkMemberships(entries, model);
    readSettings(entries, settings);
    model.repairReferences();  // finds nothing left to undo; it counts NInd and nCon
    return result;
}

}  // namespace ModelFile
}  // namespace qv
