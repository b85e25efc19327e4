#pragma once

#include <string>

#include "core/app/LanguageTexts.h"
#include "core/model/EditResult.h"
#include "core/ports/Prompts.h"

namespace qv {

// The text of a key followed by a detail ("%s %s"), as refusals and limits are told.
Message MessageWithDetail(const LanguageTexts& texts, const std::string& key,
                          const std::string& detail);

// Tells a refused edit's message, if it has one; returns whether the edit was done.
bool TellIfRefused(const EditResult& result, const LanguageTexts& texts, Prompts& prompts);

}  // namespace qv
