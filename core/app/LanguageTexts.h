#pragma once

#include <map>
#include <string>

#include "core/ports/Message.h"

namespace qv {

// The user-visible texts of the current language, looked up by key. Keys compare without
// regard to letter case, as in the language file; a missing key gives an empty text.
class LanguageTexts {
public:
    void set(const std::string& key, std::string text);
    void clear() { texts_.clear(); }
    std::string lookup(const std::string& key) const;  // LookupText

    // A message whose text and caption are the texts of the given keys.
    Message message(const std::string& key, const std::string& captionKey = "") const;

private:
    static std::string folded(const std::string& key);
    std::map<std::string, std::string> texts_;
};

}  // namespace qv
