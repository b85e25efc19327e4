#include "core/results/MeanReplacement.h"

namespace qv {

void ReplaceMissingByMean(std::vector<double>& values, std::optional<double> missingCode) {
    if (!missingCode) return;
    double sum = 0;
    int available = 0;
    for (double value : values) {
        if (value == *missingCode) continue;
        sum += value;
        ++available;
    }
    if (available == 0 || available == static_cast<int>(values.size())) return;
    for (double& value : values)
        if (value == *missingCode) value = sum / available;
}

}  // namespace qv
