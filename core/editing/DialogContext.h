#pragma once

#include <string>

#include "core/app/LanguageTexts.h"
#include "core/model/EditResult.h"
#include "core/model/ProjectModel.h"
#include "core/ports/Prompts.h"

namespace qv {

class Workbench;

// What the model side of an editing dialog works on: the model it edits, the language texts
// of its messages and status lines, and the prompts that show them.
struct DialogContext {
    ProjectModel& model;
    const LanguageTexts& texts;
    Prompts& prompts;

    static DialogContext of(Workbench& workbench);

    // "<text of key> <detail>", or the text alone without a detail.
    void tell(const std::string& key, const std::string& detail = {}) const;
    // A fixed text that no language file translates.
    void tellText(const std::string& text) const;
    // Shows the message of a refused edit; returns whether the edit was done.
    bool report(const EditResult& result) const;
    // "%d %s": a count and the text of key, as the status lines show them.
    std::string counted(int count, const std::string& key) const;
};

}  // namespace qv
