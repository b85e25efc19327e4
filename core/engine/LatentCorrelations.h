#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace qv {

// The correlations of a run's latent variables, in block order; symmetric, with the diagonal.
struct LatentCorrelations {
    int size = 0;
    std::vector<double> values;  // row-major, size x size; cells the listing lacks are 0

    double at(int row, int column) const {
        return values[static_cast<size_t>(row) * static_cast<size_t>(size) +
                      static_cast<size_t>(column)];
    }
};

// Reads the lower triangle printed under "Correlations " in the run titled title: panels of
// at most 12 columns, a 10-character row label and 10-character fields. size is the run's
// block count. Nothing when the run has no such section.
std::optional<LatentCorrelations> ReadLatentCorrelations(std::string_view listing,
                                                         std::string_view title, int size);

}  // namespace qv
