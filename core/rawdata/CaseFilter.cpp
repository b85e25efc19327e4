#include "core/rawdata/CaseFilter.h"

#include <compare>

#include "core/model/NumberText.h"

namespace qv {
namespace {

bool holds(int op, std::partial_ordering order) {
    switch (op) {
        case CaseOperator::Equal: return order == 0;
        case CaseOperator::Greater: return order > 0;
        case CaseOperator::Less: return order < 0;
        case CaseOperator::GreaterOrEqual: return order >= 0;
        case CaseOperator::LessOrEqual: return order <= 0;
        default: return order != 0;
    }
}

// The cell is converted before the value, so a bad cell is the one the error quotes.
template <typename Parse, typename Quote>
CaseSelection compareNumbers(const CaseCondition& condition, const std::string& cell,
                             Parse parse, Quote quote) {
    const auto left = parse(cell);
    if (!left) return {false, quote(cell)};
    const auto right = parse(condition.value);
    if (!right) return {false, quote(condition.value)};
    return {holds(condition.op, *left <=> *right), {}};
}

CaseSelection evaluate(const CaseCondition& condition, const std::string& cell) {
    switch (condition.dataType) {
        case CaseDataType::Integer:
            return compareNumbers(condition, cell, parseInteger, integerConversionError);
        case CaseDataType::Float:
            return compareNumbers(condition, cell, parseNumber, numberConversionError);
        default:  // byte values, so letter case matters and a prefix sorts first
            return {holds(condition.op, cell <=> condition.value), {}};
    }
}

}  // namespace

bool CaseFilter::add(CaseCondition condition) {
    const bool named = condition.variable >= 0 && condition.op >= 0 &&
                       condition.op < CaseOperator::Count && condition.dataType >= 0 &&
                       condition.dataType < CaseDataType::Count;
    if (!named || nCondition() >= kMaxCaseConditions) return false;
    conditions_.push_back(std::move(condition));
    return true;
}

void CaseFilter::remove(int index) {
    if (index < 0 || index >= nCondition()) return;
    conditions_.erase(conditions_.begin() + index);
}

void CaseFilter::reset() {
    allCases = 1;
    conditions_.clear();
}

CaseSelection CaseFilter::caseSelected(const RawDataTable& table, int row) const {
    if (allCases == 1) return {};
    for (const CaseCondition& condition : conditions_) {
        CaseSelection verdict = evaluate(condition, table.cell(condition.variable + 1, row));
        if (!verdict.kept) return verdict;
    }
    return {};
}

}  // namespace qv
