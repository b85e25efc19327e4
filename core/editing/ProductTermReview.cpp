#include "core/editing/ProductTermReview.h"

#include <algorithm>

#include "core/editing/ProductTermDeletion.h"

namespace qv {

ProductTermReview::ProductTermReview(DialogContext context) : c_(context) { show(); }

void ProductTermReview::show() {
    filterConstructs_.clear();
    list(0);
    for (const int indicator : lineIndicators_) {
        addFilterConstructOf(c_.model.indicators[indicator].predictor);
        addFilterConstructOf(c_.model.indicators[indicator].moderator);
    }
    selectionStatus_.clear();
    countStatus_ = c_.texts.lookup("MSG_TotalProductTerm") + ": " + std::to_string(lines_.size());
}

void ProductTermReview::addFilterConstructOf(int factor) {
    if (factor < 0 || factor >= c_.model.nIndicator) return;
    const int construct = c_.model.indicators[factor].construct;
    if (construct < 0 || construct >= c_.model.nConstruct) return;
    if (std::find(filterConstructs_.begin(), filterConstructs_.end(), construct) == filterConstructs_.end())
        filterConstructs_.push_back(construct);
}

std::vector<std::string> ProductTermReview::filterChoices() const {
    std::vector<std::string> choices{c_.texts.lookup("MSG_AllProductTerm")};
    for (const int construct : filterConstructs_) choices.push_back(c_.model.constructs[construct].caption);
    return choices;
}

void ProductTermReview::chooseFilter(int item) {
    list(item);
    countStatus_ = " " + c_.texts.lookup("MSG_TotalProductTerm") + ": " + std::to_string(lines_.size());
}

std::string ProductTermReview::captionOf(int indicator) const {
    return indicator >= 0 && indicator < c_.model.nIndicator ? c_.model.indicators[indicator].caption
                                                            : std::string();
}

bool ProductTermReview::listed(int indicator, int filterItem) const {
    if (filterItem <= 0 || filterItem > static_cast<int>(filterConstructs_.size())) return true;
    const int construct = filterConstructs_[filterItem - 1];
    const Indicator& term = c_.model.indicators[indicator];
    const auto assigned = [&](int factor) {
        return factor >= 0 && factor < c_.model.nIndicator && c_.model.indicators[factor].construct == construct;
    };
    return assigned(term.predictor) || assigned(term.moderator);
}

// Lines are rebuilt from the model, so after a deletion every line shows the term it maps to.
void ProductTermReview::list(int filterItem) {
    filterItem_ = filterItem;
    lines_.clear();
    lineIndicators_.clear();
    const int first = FirstProductIndicator(c_.model);
    for (int i = first; i < first + c_.model.nProduct; ++i) {
        if (!listed(i, filterItem)) continue;
        const Indicator& term = c_.model.indicators[i];
        lines_.push_back(term.caption + "   [ " + captionOf(term.predictor) + " x " +
                         captionOf(term.moderator) + " ]");
        lineIndicators_.push_back(i);
    }
    selected_.assign(lines_.size(), false);
}

void ProductTermReview::selectAll() {
    selected_.assign(lines_.size(), true);
    selectionStatus_ = c_.counted(static_cast<int>(lines_.size()), "MSG_ItemDeleted");
}

void ProductTermReview::clickLine(const std::vector<int>& selectedLines, int focusedLine) {
    selected_.assign(lines_.size(), false);
    for (const int line : selectedLines)
        if (line >= 0 && line < static_cast<int>(lines_.size())) selected_[line] = true;
    if (focusedLine >= 0 && focusedLine < static_cast<int>(lines_.size())) {
        const Indicator& term = c_.model.indicators[lineIndicators_[focusedLine]];
        standardized_ = term.standardized;
        meanCentered_ = term.meanCentered;
    }
    selectionStatus_ = c_.counted(selectedCount(), "MSG_ItemSelected");
}

std::vector<int> ProductTermReview::selectedIndicators() const {
    std::vector<int> indicators;
    for (size_t line = 0; line < lines_.size(); ++line)
        if (selected_[line]) indicators.push_back(lineIndicators_[line]);
    return indicators;
}

int ProductTermReview::selectedCount() const {
    return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void ProductTermReview::setStandardized(bool checked) {
    standardized_ = checked;
    for (const int i : selectedIndicators()) c_.model.indicators[i].standardized = checked;
    c_.model.modified = true;
}

void ProductTermReview::setMeanCentered(bool checked) {
    meanCentered_ = checked;
    for (const int i : selectedIndicators()) c_.model.indicators[i].meanCentered = checked;
    c_.model.modified = true;
}

void ProductTermReview::deleteSelected() {
    const std::vector<int> chosen = selectedIndicators();
    const Message question{"MSG_ConfirmDeletePT",
                           c_.counted(static_cast<int>(chosen.size()), "MSG_ConfirmDeletePT"),
                           c_.texts.lookup("MSG_ConfirmDelete")};
    if (!chosen.empty() && c_.prompts.askOkCancel(question)) {
        // From the last to the first: a term and the term it multiplies can go together.
        std::string refused;
        for (auto i = chosen.rbegin(); i != chosen.rend(); ++i) {
            const EditResult deleted = DeleteProductIndicator(c_.model, *i);
            if (!deleted && !deleted.detail.empty()) refused += (refused.empty() ? "" : ", ") + deleted.detail;
        }
        if (!refused.empty()) c_.tell("MSG_ProductTermInUse", refused);
        list(filterItem_);
    }
    countStatus_ = c_.texts.lookup("MSG_TotalProductTerm") + " " + std::to_string(lines_.size());
    c_.model.modified = true;
}

}  // namespace qv
