#include "core/groups/ConditionText.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace qv {
namespace {

// Two-character operators first, so that ">=" is not read as ">" with the value "=...".
constexpr std::array<std::pair<std::string_view, int>, 6> kOperators{{
    {">=", CaseOperator::GreaterOrEqual},
    {"<=", CaseOperator::LessOrEqual},
    {"<>", CaseOperator::NotEqual},
    {"=", CaseOperator::Equal},
    {">", CaseOperator::Greater},
    {"<", CaseOperator::Less},
}};

int dataTypeOf(std::string& value) {
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
        value = value.substr(1, value.size() - 2);
        return CaseDataType::String;
    }
    return value.find('.') != std::string::npos ? CaseDataType::Float : CaseDataType::Integer;
}

}  // namespace

std::optional<CaseCondition> ParseConditionText(const std::string& text,
                                                const std::vector<std::string>& variableNames,
                                                std::string& error) {
    const size_t at = text.find_first_of("<>=");
    if (at == std::string::npos) {
        error = "no operator (= > < >= <= <>) in the condition \"" + text + "\"";
        return std::nullopt;
    }
    const std::string name = text.substr(0, at);
    const auto variable = std::find(variableNames.begin(), variableNames.end(), name);
    if (variable == variableNames.end()) {
        error = "no variable \"" + name + "\" in the raw data";
        return std::nullopt;
    }
    const std::string_view rest = std::string_view(text).substr(at);
    const auto op = std::find_if(kOperators.begin(), kOperators.end(),
                                 [rest](const auto& entry) { return rest.starts_with(entry.first); });
    CaseCondition condition;
    condition.variable = static_cast<int>(variable - variableNames.begin());
    condition.op = op->second;
    condition.value = std::string(rest.substr(op->first.size()));
    condition.dataType = dataTypeOf(condition.value);
    if (condition.value.empty()) {
        error = "no value in the condition \"" + text + "\"";
        return std::nullopt;
    }
    return condition;
}

}  // namespace qv
