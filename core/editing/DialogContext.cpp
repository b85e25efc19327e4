#include "core/editing/DialogContext.h"

#include "core/app/Refusal.h"
#include "core/app/Workbench.h"

namespace qv {

DialogContext DialogContext::of(Workbench& workbench) {
    return DialogContext{workbench.model(), workbench.texts(), workbench.ports().prompts};
}

void DialogContext::tell(const std::string& key, const std::string& detail) const {
    prompts.tell(MessageWithDetail(texts, key, detail));
}

void DialogContext::tellText(const std::string& text) const { prompts.tell(Message{{}, text, {}}); }

bool DialogContext::report(const EditResult& result) const {
    return TellIfRefused(result, texts, prompts);
}

std::string DialogContext::counted(int count, const std::string& key) const {
    return std::to_string(count) + " " + texts.lookup(key);
}

}  // namespace qv
