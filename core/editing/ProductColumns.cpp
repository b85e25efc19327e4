#include "core/editing/ProductColumns.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "core/model/NumberText.h"
#include "core/rawdata/CellText.h"
#include "core/rawdata/ColumnStatistics.h"

namespace qv {
namespace {

std::vector<double> centredIf(bool centre, std::vector<double> values) {
    if (!centre) return values;
    const double mean = statisticsOf(values).mean;
    for (double& value : values) value -= mean;
    return values;
}

// The value as the grid will hold it, so standardizing reads exactly what was written.
double asWritten(double value) { return parseNumber(numberCellText(value)).value_or(value); }

void standardize(std::vector<double>& values) {
    // A constant column has deviation 0; the rounding of its mean must not make it +-1.
    if (std::adjacent_find(values.begin(), values.end(), std::not_equal_to<>()) == values.end()) {
        std::fill(values.begin(), values.end(), 0.0);
        return;
    }
    const ColumnStatistics statistics = statisticsOf(values);
    const double deviation = statistics.standardDeviation == 0 ? 1.0 : statistics.standardDeviation;
    for (double& value : values) value = (value - statistics.mean) / deviation;
}

std::string fillProductColumn(const Indicator& product, int column, RawDataTable& table) {
    ColumnNumbers x = columnNumbers(table, product.predictor + 1);
    ColumnNumbers z = columnNumbers(table, product.moderator + 1);
    if (!x.error.empty()) return x.error;
    if (!z.error.empty()) return z.error;
    const std::vector<double> xs = centredIf(product.meanCentered, std::move(x.values));
    const std::vector<double> zs = centredIf(product.meanCentered, std::move(z.values));
    std::vector<double> values(xs.size());
    for (size_t r = 0; r < xs.size(); ++r) values[r] = asWritten(xs[r] * zs[r]);
    if (product.standardized) standardize(values);
    for (size_t r = 0; r < values.size(); ++r)
        table.setCell(column, static_cast<int>(r) + 1, numberCellText(values[r]));
    return {};
}

}  // namespace

std::string ComputeProductColumns(const ProjectModel& model, RawDataTable& table) {
    const int rawVariables = table.nFields();
    const int lastProduct = std::min(rawVariables + model.nProduct, model.nIndicator);
    for (int i = rawVariables; i < lastProduct; ++i) {
        const Indicator& product = model.indicators[i];
        if (product.construct < 0) continue;
        table.setCell(i + 1, 0, product.caption);
        if (std::string error = fillProductColumn(product, i + 1, table); !error.empty())
            return error;
    }
    table.resize(rawVariables + model.nProduct + 1, table.rowCount());
    return {};
}

}  // namespace qv
