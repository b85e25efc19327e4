#include "core/app/VariableMatch.h"

#include <algorithm>

namespace qv {
namespace {

std::vector<std::string> storedNames(const ProjectModel& model, int storedVariables) {
    std::vector<std::string> names;
    for (int i = 0; i < storedVariables; ++i) names.push_back(model.indicators[i].caption);
    return names;
}

// Names of `from` not found in `in`, each occurrence matched once.
std::vector<std::string> unmatched(const std::vector<std::string>& from, std::vector<std::string> in) {
    std::vector<std::string> left;
    for (const std::string& name : from) {
        const auto found = std::find(in.begin(), in.end(), name);
        if (found == in.end()) left.push_back(name);
        else in.erase(found);
    }
    return left;
}

void appendList(std::string& text, const char* label, const std::vector<std::string>& names) {
    if (names.empty()) return;
    text.append("\n").append(label);
    for (size_t i = 0; i < names.size(); ++i) text.append(i == 0 ? " " : ", ").append(names[i]);
}

}  // namespace

std::string VariableChanges::describe() const {
    std::string text = "Model file: " + std::to_string(storedCount) +
                       " variables, data file: " + std::to_string(currentCount) + " variables.";
    appendList(text, "Not in the data file:", missing);
    appendList(text, "New in the data file:", added);
    if (reordered) text.append("\nThe variables are in another order.");
    if (droppedProducts > 0)
        text.append("\nProduct terms removed: ").append(std::to_string(droppedProducts));
    return text;
}

VariableChanges compareVariables(const ProjectModel& model, int storedVariables,
                                 const std::vector<std::string>& current) {
    const std::vector<std::string> stored = storedNames(model, storedVariables);
    VariableChanges changes;
    changes.storedCount = storedVariables;
    changes.currentCount = static_cast<int>(current.size());
    changes.missing = unmatched(stored, current);
    changes.added = unmatched(current, stored);
    changes.reordered = changes.missing.empty() && changes.added.empty() && stored != current;
    return changes;
}

void matchIndicatorsToVariables(ProjectModel& model, int storedVariables,
                                const std::vector<std::string>& current, VariableChanges& changes) {
    const std::vector<Indicator> old(model.indicators.begin(),
                                     model.indicators.begin() + storedVariables + model.nProduct);
    std::vector<int> newIndex(old.size(), -1);
    std::vector<bool> used(static_cast<size_t>(storedVariables), false);
    const int variables = std::min(static_cast<int>(current.size()), kMaxIndicators);
    for (int i = 0; i < variables; ++i) {
        Indicator indicator;
        indicator.caption = current[static_cast<size_t>(i)];
        for (int j = 0; j < storedVariables; ++j) {
            if (used[static_cast<size_t>(j)] || old[static_cast<size_t>(j)].caption != indicator.caption) continue;
            used[static_cast<size_t>(j)] = true;
            newIndex[static_cast<size_t>(j)] = i;
            const Indicator& before = old[static_cast<size_t>(j)];
            indicator.construct = before.construct;
            indicator.boxPlaced = before.boxPlaced;
            indicator.boxDx = before.boxDx;
            indicator.boxDy = before.boxDy;
            break;
        }
        model.indicators[i] = indicator;
    }
    const auto mapped = [&newIndex](int index) {
        return index >= 0 && index < static_cast<int>(newIndex.size()) ? newIndex[static_cast<size_t>(index)] : -1;
    };
    int kept = 0;
    for (size_t k = static_cast<size_t>(storedVariables); k < old.size(); ++k) {
        Indicator product = old[k];
        const int predictor = mapped(product.predictor), moderator = mapped(product.moderator);
        if (predictor < 0 || moderator < 0 || variables + kept >= kMaxIndicators) {
            ++changes.droppedProducts;
            continue;
        }
        product.predictor = static_cast<short>(predictor);
        product.moderator = static_cast<short>(moderator);
        newIndex[k] = variables + kept;
        model.indicators[variables + kept++] = product;
    }
    model.nProduct = kept;
    model.nIndicator = variables + kept;
    model.repairReferences();
}

}  // namespace qv
