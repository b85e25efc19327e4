#pragma once

#include <array>
#include <vector>

namespace qv {

// What the bootstrap says of one parameter. Undefined figures (a standard error of 0, a
// BCa interval whose bias correction has no finite value) are kUndefined.
struct IntervalEstimate {
    double estimate = 0;
    double mean = 0;
    double se = 0;  // divisor B - 1
    double t = 0;   // estimate / se
    double p = 0;   // two-sided, Student's t with B - 1 degrees of freedom
    std::array<double, 2> percentile{};
    std::array<double, 2> bca{};
};

// The figures of a parameter from its B subsample values (reordered here) and its n
// leave-one-out values, at the given confidence (0.90, 0.95, 0.99). BCa: z0 from the share
// of subsample values below the estimate, acceleration Σd³ / (6 (Σd²)^1.5) with d the
// leave-one-out values' deviations from their mean. Fewer than two values: all undefined.
IntervalEstimate EstimateIntervals(double estimate, std::vector<double>& draws,
                                   const std::vector<double>& jackknife, double confidence);

// The quantile of the values by linear interpolation between order statistics (type 7);
// the values are reordered.
double QuantileType7(std::vector<double>& values, double probability);

}  // namespace qv
