#pragma once

#include <filesystem>
#include <string>

#include "core/app/LanguageTexts.h"

namespace qv {

// The language file of a language: <data folder>/<language>.ini.
std::filesystem::path languageFile(const std::filesystem::path& dataDir,
                                   const std::string& language);

// Replaces the texts with the entries of the section named like the language. A missing file
// or section leaves the texts empty; returns whether the file was found.
bool loadLanguageTexts(const std::filesystem::path& dataDir, const std::string& language,
                       LanguageTexts& texts);

}  // namespace qv
