#include "core/results/FactorScores.h"

#include "core/results/CsvText.h"

namespace qv {

std::string FormatFactorScores(const RawDataTable& table, int lastColumn) {
    std::string text;
    for (int row = 0; row < table.rowCount(); ++row)
        for (int column = 0; column <= lastColumn; ++column) {
            text += CsvText(table.cell(column, row));
            text += column < lastColumn ? ',' : '\n';
        }
    return text;
}

}  // namespace qv
