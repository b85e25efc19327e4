#pragma once

#include <string>
#include <vector>

#include "core/rawdata/RawDataTable.h"

namespace qv {

// What the data view shows about one variable of the table.
struct VariableSummary {
    enum class Kind { Numeric, Text, Empty };
    std::string name;
    std::string label;  // from a statistics-package file; empty otherwise
    Kind kind = Kind::Empty;
    int missing = 0;  // empty cells
    // Over the numeric cells; zero when there are none.
    double mean = 0.0;
    double standardDeviation = 0.0;
    double minimum = 0.0;
    double maximum = 0.0;
    // Why the variable cannot be an indicator: holds text, has no values, or is constant.
    std::string unusable;
};

// One summary per variable (columns 1..R) over the kept cases.
std::vector<VariableSummary> SummarizeVariables(const RawDataTable& table);

// The label the data file keeps for the variable of this name; empty when it keeps none.
std::string VariableLabel(const RawDataTable& table, const std::string& name);

}  // namespace qv
