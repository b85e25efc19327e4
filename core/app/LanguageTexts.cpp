#include "core/app/LanguageTexts.h"

#include <cctype>

namespace qv {

std::string LanguageTexts::folded(const std::string& key) {
    std::string lower = key;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

void LanguageTexts::set(const std::string& key, std::string text) {
    texts_[folded(key)] = std::move(text);
}

std::string LanguageTexts::lookup(const std::string& key) const {
    const auto found = texts_.find(folded(key));
    return found == texts_.end() ? std::string() : found->second;
}

Message LanguageTexts::message(const std::string& key, const std::string& captionKey) const {
    return Message{key, lookup(key), captionKey.empty() ? std::string() : lookup(captionKey)};
}

}  // namespace qv
