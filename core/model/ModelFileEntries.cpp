#include "core/model/ModelFileEntries.h"

#include <algorithm>
#include <limits>

#include "core/model/NumberText.h"

namespace qv {

std::optional<std::string> ModelFileEntries::found(const std::string& section, const std::string& key,
                                                   const std::string& used) {
    if (auto value = ini_.value(section, key)) return value;
    if (ini_.hasSection(section)) {
        problems_.push_back({section, key, "", "missing", used});
    } else if (missingSections_.insert(section).second) {
        problems_.push_back({section, "", "", "section missing", "defaults used"});
    }
    return std::nullopt;
}

std::string ModelFileEntries::text(const std::string& section, const std::string& key) {
    return found(section, key, "left empty").value_or("");
}

int ModelFileEntries::integer(const std::string& section, const std::string& key, int fallback, int low,
                              int high) {
    const std::string used = std::to_string(fallback) + " used";
    const auto value = found(section, key, used);
    if (!value) return fallback;
    const auto number = parseInteger(*value);
    if (!number) {
        problems_.push_back({section, key, *value, "not an integer", used});
        return fallback;
    }
    if (*number < low || *number > high) {
        problems_.push_back({section, key, *value,
                             "out of range " + std::to_string(low) + ".." + std::to_string(high), used});
        return fallback;
    }
    return *number;
}

int ModelFileEntries::integer(const std::string& section, const std::string& key, int fallback) {
    return integer(section, key, fallback, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
}

bool ModelFileEntries::flag(const std::string& section, const std::string& key, bool fallback) {
    return integer(section, key, fallback ? 1 : 0) != 0;
}

int ModelFileEntries::addedChoice(const std::string& section, const std::string& key, int fallback,
                                  std::initializer_list<int> choices) {
    const auto value = ini_.value(section, key);
    if (!value) return fallback;
    const auto number = parseInteger(*value);
    if (number && std::find(choices.begin(), choices.end(), *number) != choices.end()) return *number;
    std::string allowed;
    for (const int choice : choices) allowed += (allowed.empty() ? "" : ", ") + std::to_string(choice);
    problems_.push_back({section, key, *value, "not one of " + allowed, std::to_string(fallback) + " used"});
    return fallback;
}

int ModelFileEntries::addedInteger(const std::string& section, const std::string& key, int fallback, int low,
                                   int high) {
    return ini_.value(section, key) ? integer(section, key, fallback, low, high) : fallback;
}

void ModelFileEntries::replaced(const std::string& section, const std::string& key, const std::string& value,
                                const std::string& reason, const std::string& used) {
    problems_.push_back({section, key, value, reason, used});
}

}  // namespace qv
