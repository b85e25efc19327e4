#include "core/results/RawValues.h"

#include <algorithm>
#include <utility>

#include "core/editing/ProductColumns.h"
#include "core/model/NumberText.h"
#include "core/rawdata/RawDataReader.h"

namespace qv {
namespace {

void keepColumns(const RawDataTable& from, RawDataTable& to, int firstColumn) {
    if (from.columnCount() <= firstColumn) return;
    to.resize(std::max(to.columnCount(), from.columnCount()), to.rowCount());
    for (int row = 0; row < to.rowCount(); ++row)
        for (int column = firstColumn; column < from.columnCount(); ++column)
            to.setCell(column, row, from.cell(column, row));
}

}  // namespace

bool ReloadRawValues(const ResultContext& context, ProductTerms products) {
    RawDataTable fresh;
    fresh.raw = context.table.raw;
    fresh.sheet = context.table.sheet;
    if (!LoadRawData(fresh, context.filter, context.texts, context.ports.prompts,
                     context.ports.files)
             .ok)
        return false;
    if (context.table.emptyCellCode) FillEmptyCells(fresh, *context.table.emptyCellCode);
    int firstKept = fresh.nFields() + 1;
    if (products == ProductTerms::Recomputed) {
        if (const std::string error = ComputeProductColumns(context.model, fresh); !error.empty()) {
            context.ports.prompts.tell(Message{"", error, ""});
            return false;
        }
        firstKept = fresh.columnCount();
    }
    // Work columns computed from other cases would pair values of different cases.
    if (fresh.caseCount() == context.table.caseCount() && fresh.nFields() == context.table.nFields())
        keepColumns(context.table, fresh, firstKept);
    context.table = std::move(fresh);
    return true;
}

std::optional<double> MissingValueCode(const ModelParameters& parameters) {
    const auto code = parseInteger(parameters.missingValue);
    if (!code) return std::nullopt;
    return *code;
}

ColumnNumbers PresentValues(const RawDataTable& table, int column, std::optional<double> code) {
    ColumnNumbers numbers = columnNumbers(table, column);
    if (code) std::erase(numbers.values, *code);
    return numbers;
}

}  // namespace qv
