#include "core/editing/IndicatorProductTerms.h"

namespace qv {

IndicatorProductTerms::IndicatorProductTerms(DialogContext context) : c_(context) { show(); }

void IndicatorProductTerms::show() {
    predictor = moderator = -1;
    predictorAlias.clear();
    moderatorAlias.clear();
    flags = ProductFlags{};
    pending_.clear();
    previewLines_.clear();
    status_.clear();
    generateCaption_ = c_.texts.lookup("BTN_Generate");
}

std::vector<std::string> IndicatorProductTerms::indicatorChoices() const {
    std::vector<std::string> captions;
    for (int i = 0; i < c_.model.nIndicator; ++i) captions.push_back(c_.model.indicators[i].caption);
    return captions;
}

GenerateResult IndicatorProductTerms::check() const {
    const auto chosen = [this](int i) { return i < c_.model.nIndicator ? i : -1; };
    if (!c_.report(CheckFactors(chosen(predictor), chosen(moderator)))) return {false};
    const AliasCheck aliases = CheckAliases(predictorAlias, moderatorAlias, 3);
    if (!c_.report(aliases.result)) return {false, aliases.focus};
    if (static_cast<int>(pending_.size()) >= kMaxPending) {
        c_.tell("MSG_ExceedMAXProductTerm", std::to_string(kMaxPending));
        return {false};
    }
    if (!c_.report(CheckIndicatorRoom(c_.model, static_cast<int>(pending_.size()) + 1))) return {false};
    return {};
}

GenerateResult IndicatorProductTerms::generate() {
    const GenerateResult checked = check();
    if (!checked) return checked;
    const ProductTerm term{predictor, moderator, IndicatorLevelName(predictorAlias, moderatorAlias)};
    pending_.push_back(term);
    previewLines_.push_back(PreviewLine(c_.model, term));
    flags = ProductFlags{true, true};
    status_ = c_.counted(static_cast<int>(pending_.size()), "MSG_IndGenerated");
    return checked;
}

void IndicatorProductTerms::removePending(int selected) {
    if (selected < 0 || selected >= static_cast<int>(pending_.size())) return;
    pending_.erase(pending_.begin() + selected);
    previewLines_.erase(previewLines_.begin() + selected);
    status_ = c_.texts.lookup("MSG_Remove1ProductTerm");
}

bool IndicatorProductTerms::ok() {
    // The dialog stays open beside the main window: when a deletion has moved a factor since
    // Generate, its preview line no longer matches and the terms are generated again.
    for (size_t k = 0; k < pending_.size(); ++k) {
        if (PreviewLine(c_.model, pending_[k]) == previewLines_[k]) continue;
        pending_.clear();
        previewLines_.clear();
        return c_.report(EditResult::refused("MSG_ProductTermChanged"));
    }
    if (!c_.report(AddProductTerms(c_.model, pending_, flags))) return false;
    pending_.clear();
    previewLines_.clear();
    return true;
}

}  // namespace qv
