#include "core/editing/ProductTerms.h"

namespace qv {

std::string ConstructLevelName(const std::string& predictorAlias, int predictorPosition,
                               const std::string& moderatorAlias, int moderatorPosition) {
    return predictorAlias + std::to_string(predictorPosition) + moderatorAlias +
           std::to_string(moderatorPosition);
}

std::string IndicatorLevelName(const std::string& predictorAlias, const std::string& moderatorAlias) {
    return predictorAlias + moderatorAlias;
}

std::string PreviewLine(const ProjectModel& model, const ProductTerm& term) {
    const auto caption = [&model](int i) {
        return i >= 0 && i < model.nIndicator ? model.indicators[i].caption : std::string();
    };
    return term.name + " - " + caption(term.predictor) + "*" + caption(term.moderator);
}

int CharacterCount(const std::string& text) {
    int count = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;  // not a continuation byte
    return count;
}

EditResult CheckFactors(int predictor, int moderator) {
    if (predictor < 0) return EditResult::refused("MSG_PredictorNotSelected");
    if (moderator < 0) return EditResult::refused("MSG_ModeratorNotSelected");
    if (predictor == moderator) return EditResult::refused("MSG_SameVariable");
    return EditResult::accepted();
}

AliasCheck CheckAliases(const std::string& predictorAlias, const std::string& moderatorAlias,
                        int length) {
    const std::string key = "MSG_AliasSize" + std::to_string(length);
    if (CharacterCount(predictorAlias) != length)
        return {EditResult::refused(key), AliasField::Predictor};
    if (CharacterCount(moderatorAlias) != length)
        return {EditResult::refused(key), AliasField::Moderator};
    return {};
}

EditResult CheckIndicatorRoom(const ProjectModel& model, int count) {
    if (model.nIndicator + count > kMaxIndicators)
        return EditResult::refused("MSG_ExceedMAXIndicator", std::to_string(kMaxIndicators));
    return EditResult::accepted();
}

EditResult AddProductTerms(ProjectModel& model, const std::vector<ProductTerm>& terms, ProductFlags flags) {
    if (EditResult room = CheckIndicatorRoom(model, static_cast<int>(terms.size())); !room) return room;
    for (const ProductTerm& term : terms) {
        Indicator product;
        product.caption = term.name;
        product.interaction = true;
        product.predictor = static_cast<short>(term.predictor);
        product.moderator = static_cast<short>(term.moderator);
        product.standardized = flags.standardized;
        product.meanCentered = flags.meanCentered;
        model.addProductIndicator(product);
    }
    return EditResult::accepted();
}

}  // namespace qv
