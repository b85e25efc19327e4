#include "core/app/Refusal.h"

namespace qv {

Message MessageWithDetail(const LanguageTexts& texts, const std::string& key,
                          const std::string& detail) {
    Message message = texts.message(key);
    if (!detail.empty()) message.text += (message.text.empty() ? "" : " ") + detail;
    return message;
}

bool TellIfRefused(const EditResult& result, const LanguageTexts& texts, Prompts& prompts) {
    if (!result.done && !result.messageKey.empty())
        prompts.tell(MessageWithDetail(texts, result.messageKey, result.detail));
    return result.done;
}

}  // namespace qv
