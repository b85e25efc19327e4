#pragma once

#include <string>
#include <vector>

#include "core/editing/DialogContext.h"
#include "core/editing/ProductTerms.h"

namespace qv {

// The model side of "Generate Product Terms from Indiviaul Items": one chosen pair of
// indicators at a time joins a list of pending terms, which OK turns into product indicators.
class IndicatorProductTerms {
public:
    static constexpr int kMaxPending = 100;

    explicit IndicatorProductTerms(DialogContext context);

    // The dialog's fields. Indicators are indexes into both lists (-1 = none selected).
    int predictor = -1;
    int moderator = -1;
    std::string predictorAlias;
    std::string moderatorAlias;
    ProductFlags flags;

    // FormShow: everything cleared.
    void show();
    // The captions both indicator lists show, product indicators included.
    std::vector<std::string> indicatorChoices() const;
    // BTN_GenerateClick: checks, then appends one pending term.
    GenerateResult generate();
    // RemoveproductIndicator1Click: removes the selected pending term (-1 = none selected).
    void removePending(int selected);
    // BTN_OKClick: creates one product indicator per pending term, in list order. Returns
    // whether the dialog may close.
    bool ok();

    const std::vector<ProductTerm>& pending() const { return pending_; }
    const std::vector<std::string>& previewLines() const { return previewLines_; }
    const std::string& generateCaption() const { return generateCaption_; }
    const std::string& status() const { return status_; }

private:
    GenerateResult check() const;

    DialogContext c_;
    std::vector<ProductTerm> pending_;
    std::vector<std::string> previewLines_;
    std::string generateCaption_;
    std::string status_;
};

}  // namespace qv
