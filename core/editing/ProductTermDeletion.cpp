#include "core/editing/ProductTermDeletion.h"

#include <algorithm>

namespace qv {
namespace {

bool usedByAnotherTerm(const ProjectModel& model, int index) {
    for (int i = FirstProductIndicator(model); i < model.nIndicator; ++i) {
        const Indicator& term = model.indicators[i];
        if (i != index && term.interaction && (term.predictor == index || term.moderator == index))
            return true;
    }
    return false;
}

}  // namespace

int FirstProductIndicator(const ProjectModel& model) {
    return model.nIndicator - model.nScoreIndicator - model.nProduct;
}

EditResult DeleteProductIndicator(ProjectModel& model, int index) {
    const int first = FirstProductIndicator(model);
    if (index < first || index >= first + model.nProduct) return EditResult::refused();
    if (usedByAnotherTerm(model, index))
        return EditResult::refused("MSG_ProductTermInUse", model.indicators[index].caption);
    if (const int c = model.indicators[index].construct; c >= 0 && c < model.nConstruct)
        model.constructs[c].nInd = std::max(0, model.constructs[c].nInd - 1);
    const auto begin = model.indicators.begin();
    std::move(begin + index + 1, begin + model.nIndicator, begin + index);
    --model.nIndicator;
    --model.nProduct;
    model.indicators[model.nIndicator] = Indicator{};
    for (int i = first; i < model.nIndicator; ++i) {
        Indicator& term = model.indicators[i];
        if (term.predictor > index) --term.predictor;
        if (term.moderator > index) --term.moderator;
    }
    model.modified = true;
    return EditResult::accepted();
}

}  // namespace qv
