#include "core/rawdata/StoredCaseFilter.h"

#include <algorithm>

#include "core/model/ModelFileEntries.h"

namespace qv {
namespace {

constexpr const char* kSection = "Cases";

std::string numbered(const char* key, int n) { return key + std::to_string(n); }

}  // namespace

void WriteCaseFilter(IniFile& ini, const CaseFilter& filter) {
    ini.writeBool(kSection, "AllCases", filter.allCases != 0);
    ini.writeInt(kSection, "Count", filter.nCondition());
    for (int n = 0; n < filter.nCondition(); ++n) {
        const CaseCondition& condition = filter.conditions()[static_cast<size_t>(n)];
        ini.writeInt(kSection, numbered("Variable_", n), condition.variable);
        ini.writeInt(kSection, numbered("Operator_", n), condition.op);
        ini.writeString(kSection, numbered("Value_", n), condition.value);
        ini.writeInt(kSection, numbered("DataType_", n), condition.dataType);
    }
}

CaseFilter ReadCaseFilter(const IniFile& ini, int variables, std::vector<ModelFileProblem>& problems) {
    CaseFilter filter;
    if (!ini.hasSection(kSection)) return filter;
    ModelFileEntries entries(ini, problems);
    filter.allCases = entries.flag(kSection, "AllCases", true) ? 1 : 0;
    const int count = entries.integer(kSection, "Count", 0, 0, kMaxCaseConditions);
    for (int n = 0; n < count; ++n) {
        CaseCondition condition;
        condition.variable = entries.integer(kSection, numbered("Variable_", n), -1, 0, std::max(variables, 1) - 1);
        condition.op = entries.integer(kSection, numbered("Operator_", n), -1, 0, CaseOperator::Count - 1);
        condition.value = entries.text(kSection, numbered("Value_", n));
        condition.dataType = entries.integer(kSection, numbered("DataType_", n), -1, 0, CaseDataType::Count - 1);
        filter.add(condition);  // refused when a position above was not usable
    }
    return filter;
}

std::string CaseFilterText(const CaseFilter& filter) {
    IniFile ini;
    WriteCaseFilter(ini, filter);
    return ini.text();
}

}  // namespace qv
