#pragma once

#include <initializer_list>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/model/IniFile.h"
#include "core/model/ModelFile.h"

namespace qv {

// Reads the entries of a model file and records every one that is missing, not a number or
// out of range, with the value used in its place, so the user learns what was changed.
class ModelFileEntries {
public:
    ModelFileEntries(const IniFile& ini, std::vector<ModelFileProblem>& problems)
        : ini_(ini), problems_(problems) {}

    // A missing string entry is reported and read as empty.
    std::string text(const std::string& section, const std::string& key);
    // An integer in [low, high]; anything else is reported and gives the fallback.
    int integer(const std::string& section, const std::string& key, int fallback, int low, int high);
    int integer(const std::string& section, const std::string& key, int fallback);
    bool flag(const std::string& section, const std::string& key, bool fallback);
    // An entry that older files lack: missing, it quietly gives the fallback; a value other
    // than one of the choices is reported.
    int addedChoice(const std::string& section, const std::string& key, int fallback,
                    std::initializer_list<int> choices);
    // The same for an integer in [low, high].
    int addedInteger(const std::string& section, const std::string& key, int fallback, int low, int high);

    // A value read well that had to be replaced afterwards (a caption cut, a reference that
    // names nothing).
    void replaced(const std::string& section, const std::string& key, const std::string& value, const std::string& reason,
                  const std::string& used);

private:
    // The entry's text; a missing one is reported with what is used instead (a missing section
    // once, as a whole).
    std::optional<std::string> found(const std::string& section, const std::string& key,
                                     const std::string& used);

    const IniFile& ini_;
    std::vector<ModelFileProblem>& problems_;
    std::set<std::string> missingSections_;
};

}  // namespace qv
