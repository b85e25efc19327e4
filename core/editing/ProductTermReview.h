#pragma once

#include <string>
#include <vector>

#include "core/editing/DialogContext.h"

namespace qv {

// The model side of "Product Terms change/deletion": the product terms listed with the two
// indicators each multiplies, narrowed to one construct by the filter, their flags changed
// and deleted. Changes reach the model at once; OK and Cancel only close.
class ProductTermReview {
public:
    explicit ProductTermReview(DialogContext context);

    // FormShow: lists every product term and collects the filter constructs.
    void show();
    // ComboBox1's items: the all-terms text, then the filter constructs' captions.
    std::vector<std::string> filterChoices() const;
    // ComboBox1Change.
    void chooseFilter(int item);
    // BTN_SelectAllClick.
    void selectAll();
    // ListBox1Click: the lines now selected, and the line with the focus (-1 = none).
    void clickLine(const std::vector<int>& selectedLines, int focusedLine);
    // CK_StandardizedClick and CK_MeanCenteredClick: the new state for every selected term.
    void setStandardized(bool checked);
    void setMeanCentered(bool checked);
    // BTN_RemoveProductIndicatorsClick: asks, then deletes the selected terms.
    void deleteSelected();

    // "%s   [ %s x %s ]": the term, its predictor and its moderator.
    const std::vector<std::string>& lines() const { return lines_; }
    int indicatorOfLine(int line) const { return lineIndicators_.at(line); }
    const std::vector<bool>& selection() const { return selected_; }
    bool standardized() const { return standardized_; }
    bool meanCentered() const { return meanCentered_; }
    const std::string& countStatus() const { return countStatus_; }
    const std::string& selectionStatus() const { return selectionStatus_; }

private:
    void list(int filterItem);
    bool listed(int indicator, int filterItem) const;
    void addFilterConstructOf(int factor);
    std::string captionOf(int indicator) const;
    std::vector<int> selectedIndicators() const;
    int selectedCount() const;

    DialogContext c_;
    int filterItem_ = 0;
    std::vector<int> filterConstructs_;
    std::vector<std::string> lines_;
    std::vector<int> lineIndicators_;
    std::vector<bool> selected_;
    bool standardized_ = false;
    bool meanCentered_ = false;
    std::string countStatus_;
    std::string selectionStatus_;
};

}  // namespace qv
