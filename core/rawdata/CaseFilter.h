#pragma once

#include <string>
#include <vector>

#include "core/rawdata/RawDataTable.h"

namespace qv {

inline constexpr int kMaxCaseConditions = 50;

// Positions in the Select Cases dialog's operator and data type lists.
struct CaseOperator {
    enum : int { Equal, Greater, Less, GreaterOrEqual, LessOrEqual, NotEqual, Count };
};
struct CaseDataType {
    enum : int { Integer, Float, String, Count };
};

// One condition "column Variable+1 of the grid, Operator, Value", compared as DataType.
struct CaseCondition {
    int variable = 0;  // 0-based variable; the condition reads grid column variable + 1
    int op = 0;        // CaseOperator
    std::string value;
    int dataType = 0;  // CaseDataType
};

// The verdict on one case; a cell or value that is not a number leaves error set to the
// conversion error quoting that text.
struct CaseSelection {
    bool kept = true;
    std::string error;
};

// The program-wide case selection, applied while the raw data file is read.
class CaseFilter {
public:
    int allCases = 1;  // 1 keeps every case whatever the conditions say

    // Refuses a 51st condition and one whose variable, operator or type names nothing.
    bool add(CaseCondition condition);
    void remove(int index);  // later conditions move up; an index out of range does nothing
    void reset();            // ResetCaseFilter
    const std::vector<CaseCondition>& conditions() const { return conditions_; }
    int nCondition() const { return static_cast<int>(conditions_.size()); }

    // CaseSelected: whether the case just read into the given grid row is kept.
    CaseSelection caseSelected(const RawDataTable& table, int row) const;

private:
    std::vector<CaseCondition> conditions_;
};

}  // namespace qv
