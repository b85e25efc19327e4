#include "core/groups/GroupConditions.h"

namespace qv {

bool GroupConditions::add(CaseCondition condition) {
    if (condition.value.empty() || count() >= kMaxGroupConditions) return false;
    // The case filter's own checks decide what names a variable, operator and type.
    CaseFilter check;
    if (!check.add(condition)) return false;
    conditions_.push_back(std::move(condition));
    return true;
}

void GroupConditions::remove(int index) {
    if (index >= 0 && index < count()) conditions_.erase(conditions_.begin() + index);
}

void GroupConditions::installIn(CaseFilter& filter) const {
    filter.reset();
    filter.allCases = 0;
    for (const CaseCondition& condition : conditions_) filter.add(condition);
}

}  // namespace qv
