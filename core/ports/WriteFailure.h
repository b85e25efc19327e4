#pragma once

#include <optional>
#include <string>

#include "core/ports/Prompts.h"

namespace qv {

// True when a write succeeded; otherwise tells its failure ("cannot write FILE: reason")
// under the key MSG_OpenError and gives false.
inline bool WriteSucceeded(Prompts& prompts, const std::optional<std::string>& failure) {
    if (failure) prompts.tell({"MSG_OpenError", *failure, ""});
    return !failure;
}

}  // namespace qv
