#pragma once

#include <string>
#include <vector>

#include "core/editing/DialogContext.h"
#include "core/editing/ProductTerms.h"

namespace qv {

// The model side of "Generate Product Terms from Constructs": every indicator of a predictor
// construct times every indicator of a moderator construct. The dialog shows the fields and
// lists held here and calls the handlers; messages go through the context's prompts.
class ConstructProductTerms {
public:
    explicit ConstructProductTerms(DialogContext context);

    // The dialog's fields. Constructs are indexes into the combo boxes' lists (-1 = none).
    int predictor = -1;
    int moderator = -1;
    std::string predictorAlias;
    std::string moderatorAlias;
    ProductFlags flags;

    // FormShow: everything cleared.
    void show();
    // The captions both combo boxes list, in construct order.
    std::vector<std::string> constructChoices() const;
    // BTN_GenerateClick: checks, then fills the preview list.
    GenerateResult generate();
    // RemoveallIndicators1Click.
    void removeAll();
    // BTN_OKClick: creates the previewed terms from the choices at this moment. Returns
    // whether the dialog may close (false after a refusal, with its message shown).
    bool ok();

    const std::vector<std::string>& previewLines() const { return previewLines_; }
    const std::string& generateCaption() const { return generateCaption_; }
    const std::string& status() const { return status_; }

private:
    GenerateResult check() const;
    std::vector<ProductTerm> terms() const;
    std::vector<int> indicatorsOf(int construct) const;

    DialogContext c_;
    std::vector<std::string> previewLines_;
    std::string generateCaption_;
    std::string status_;
};

}  // namespace qv
