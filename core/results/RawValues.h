#pragma once

#include <optional>

#include "core/model/ModelParameters.h"
#include "core/rawdata/ColumnStatistics.h"
#include "core/results/ResultContext.h"

namespace qv {

// What a reload does with the product-term columns.
enum class ProductTerms { AsLeft, Recomputed };

// Reads the raw variables again from the data file through the case selection, so that
// they hold the values as read rather than standardized ones. The work columns behind them
// (product terms, construct scores) stay when the file still holds the same cases; product
// terms are computed afresh from the raw values when asked. A file that cannot be read
// leaves the table as it was and gives false; the reader has said why.
bool ReloadRawValues(const ResultContext& context, ProductTerms products);

// The estimate's missing-value code; none when the entry is empty or not an integer.
std::optional<double> MissingValueCode(const ModelParameters& parameters);

// The values of a grid column over the cases, without the cells that hold the code.
ColumnNumbers PresentValues(const RawDataTable& table, int column, std::optional<double> code);

}  // namespace qv
