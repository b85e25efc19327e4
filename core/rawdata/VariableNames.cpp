#include "core/rawdata/VariableNames.h"

#include "core/model/Utf8Text.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

std::string VariableNamesError(const std::vector<std::string>& names) {
    for (const std::string& name : names)
        if (characterCount(name) > static_cast<size_t>(kMaxVariableNameLength))
            return "Error: length of variables name greater than " +
                   std::to_string(kMaxVariableNameLength) + " (" +
                   leadingCharacters(name, kMaxVariableNameLength) + "...)";
    return VariableCountError(names.size());
}

std::string VariableCountError(size_t count) {
    if (count <= static_cast<size_t>(kMaxRawVariables)) return {};
    return "Error: max no. of variables greater than " + std::to_string(kMaxRawVariables) + " (the file has " +
           std::to_string(count) + ")";
}

}  // namespace qv
