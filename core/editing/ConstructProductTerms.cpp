#include "core/editing/ConstructProductTerms.h"

namespace qv {

ConstructProductTerms::ConstructProductTerms(DialogContext context) : c_(context) { show(); }

void ConstructProductTerms::show() {
    predictor = moderator = -1;
    predictorAlias.clear();
    moderatorAlias.clear();
    flags = ProductFlags{};
    previewLines_.clear();
    status_.clear();
    generateCaption_ = c_.texts.lookup("BTN_Generate");
}

std::vector<std::string> ConstructProductTerms::constructChoices() const {
    std::vector<std::string> captions;
    for (int c = 0; c < c_.model.nConstruct; ++c) captions.push_back(c_.model.constructs[c].caption);
    return captions;
}

GenerateResult ConstructProductTerms::check() const {
    // The model may have changed while the dialog stayed open: a vanished construct is no choice.
    const auto chosen = [this](int c) { return c < c_.model.nConstruct ? c : -1; };
    if (!c_.report(CheckFactors(chosen(predictor), chosen(moderator)))) return {false};
    if (c_.model.constructs[predictor].order == 2 || c_.model.constructs[moderator].order == 2) {
        c_.tellText("2nd order construct is not supported in the current version.");
        return {false};
    }
    const AliasCheck aliases = CheckAliases(predictorAlias, moderatorAlias, 2);
    if (!c_.report(aliases.result)) return {false, aliases.focus};
    if (!c_.report(CheckIndicatorRoom(c_.model, static_cast<int>(terms().size())))) return {false};
    return {};
}

GenerateResult ConstructProductTerms::generate() {
    const GenerateResult checked = check();
    if (!checked) return checked;
    previewLines_.clear();
    for (const ProductTerm& term : terms()) previewLines_.push_back(PreviewLine(c_.model, term));
    generateCaption_ = c_.texts.lookup("MSG_ReGenerate");
    flags = ProductFlags{true, true};
    status_ = c_.counted(static_cast<int>(previewLines_.size()), "MSG_IndGenerated");
    return checked;
}

void ConstructProductTerms::removeAll() {
    previewLines_.clear();
    status_ = c_.texts.lookup("BTN_RemoveProductIndicators");
}

bool ConstructProductTerms::ok() {
    if (previewLines_.empty()) return true;
    if (!check()) return false;
    return c_.report(AddProductTerms(c_.model, terms(), flags));
}

std::vector<int> ConstructProductTerms::indicatorsOf(int construct) const {
    std::vector<int> indicators;
    for (int i = 0; i < c_.model.nIndicator; ++i)
        if (c_.model.indicators[i].construct == construct) indicators.push_back(i);
    return indicators;
}

// The predictor's indicators vary slowest: 1-1, 1-2, 2-1, 2-2, ...
std::vector<ProductTerm> ConstructProductTerms::terms() const {
    const std::vector<int> xs = indicatorsOf(predictor);
    const std::vector<int> zs = indicatorsOf(moderator);
    std::vector<ProductTerm> terms;
    for (size_t p = 0; p < xs.size(); ++p)
        for (size_t q = 0; q < zs.size(); ++q)
            terms.push_back({xs[p], zs[q],
                             ConstructLevelName(predictorAlias, static_cast<int>(p) + 1,
                                                moderatorAlias, static_cast<int>(q) + 1)});
    return terms;
}

}  // namespace qv
