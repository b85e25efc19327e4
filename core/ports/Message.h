#pragma once

#include <string>

namespace qv {

// One text the core shows or asks. The key names the language-file entry the text came
// from (empty for the few fixed texts), so tests can check both what and why.
struct Message {
    std::string key;
    std::string text;
    std::string caption;
};

}  // namespace qv
