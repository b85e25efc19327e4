#pragma once

#include <vector>

#include "core/rawdata/CaseFilter.h"

namespace qv {

inline constexpr int kMaxGroupConditions = 8;

// The conditions that define one group of the comparison; they are kept while the program
// runs.
class GroupConditions {
public:
    // Refuses a condition without a value, a ninth one, and one that names no variable,
    // operator or type.
    bool add(CaseCondition condition);
    void remove(int index);  // later conditions move up; an index out of range does nothing
    const std::vector<CaseCondition>& conditions() const { return conditions_; }
    int count() const { return static_cast<int>(conditions_.size()); }

    // The filter keeps exactly the cases that meet every one of these conditions.
    void installIn(CaseFilter& filter) const;

private:
    std::vector<CaseCondition> conditions_;
};

}  // namespace qv
