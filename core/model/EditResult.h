#pragma once

#include <string>

namespace qv {

// The outcome of a model edit that can be refused. The model never shows anything itself: a
// refusal carries the language key of its message and the detail shown after it ("%s %s").
struct EditResult {
    bool done = true;
    std::string messageKey;  // empty: refused without a message
    std::string detail;

    static EditResult accepted() { return {}; }
    static EditResult refused(std::string key = {}, std::string detail = {}) {
        return EditResult{false, std::move(key), std::move(detail)};
    }
    explicit operator bool() const { return done; }
};

}  // namespace qv
