#include "core/app/LanguageFile.h"

#include "core/model/IniFile.h"

namespace qv {

std::filesystem::path languageFile(const std::filesystem::path& dataDir,
                                   const std::string& language) {
    return dataDir / (language + ".ini");
}

bool loadLanguageTexts(const std::filesystem::path& dataDir, const std::string& language,
                       LanguageTexts& texts) {
    texts.clear();
    const IniFile ini(languageFile(dataDir, language));
    for (auto& [key, text] : ini.entries(language)) texts.set(key, text);
    return ini.existed();
}

}  // namespace qv
