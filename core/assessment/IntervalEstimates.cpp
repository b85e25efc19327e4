#include "core/assessment/IntervalEstimates.h"

#include <algorithm>
#include <cmath>
#include <span>

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include "core/assessment/DiscriminantValidity.h"
#include "core/results/ResamplingStatistics.h"

namespace qv {
namespace {

double acceleration(const std::vector<double>& jackknife) {
    if (jackknife.empty()) return 0;
    double mean = 0;
    for (double value : jackknife) mean += value;
    mean /= static_cast<double>(jackknife.size());
    double squares = 0, cubes = 0;
    for (double value : jackknife) {
        const double d = mean - value;
        squares += d * d;
        cubes += d * d * d;
    }
    return squares > 0 ? cubes / (6 * std::pow(squares, 1.5)) : 0;
}

std::array<double, 2> bcaInterval(double estimate, std::vector<double>& draws,
                                  const std::vector<double>& jackknife, double confidence) {
    const auto below = std::count_if(draws.begin(), draws.end(), [estimate](double v) { return v < estimate; });
    const double share = static_cast<double>(below) / static_cast<double>(draws.size());
    if (share <= 0 || share >= 1) return {kUndefined, kUndefined};
    const boost::math::normal normal;
    const double z0 = boost::math::quantile(normal, share);
    const double a = acceleration(jackknife);
    std::array<double, 2> bounds{};
    const double tails[] = {(1 - confidence) / 2, (1 + confidence) / 2};
    for (int side = 0; side < 2; ++side) {
        const double z = z0 + boost::math::quantile(normal, tails[side]);
        const double denominator = 1 - a * z;
        if (!(denominator > 0)) return {kUndefined, kUndefined};
        bounds[side] = QuantileType7(draws, boost::math::cdf(normal, z0 + z / denominator));
    }
    return bounds;
}

}  // namespace

double QuantileType7(std::vector<double>& values, double probability) {
    const double h = (static_cast<double>(values.size()) - 1) * std::clamp(probability, 0.0, 1.0);
    const auto low = values.begin() + static_cast<std::ptrdiff_t>(std::floor(h));
    // Selecting two order statistics costs a pass or two where sorting all would cost log B.
    std::nth_element(values.begin(), low, values.end());
    const double next = low + 1 == values.end() ? *low : *std::min_element(low + 1, values.end());
    return *low + (h - static_cast<double>(low - values.begin())) * (next - *low);
}

IntervalEstimate EstimateIntervals(double estimate, std::vector<double>& draws,
                                   const std::vector<double>& jackknife, double confidence) {
    IntervalEstimate result;
    result.estimate = estimate;
    if (draws.size() < 2 || !std::isfinite(estimate)) {
        result.mean = result.se = result.t = result.p = kUndefined;
        result.percentile = result.bca = {kUndefined, kUndefined};
        return result;
    }
    const double count = static_cast<double>(draws.size());
    const SubsampleSpread spread = SubsampleStatistics(std::span<const double>(draws));
    result.mean = spread.mean;
    result.se = spread.sd;
    if (result.se > 0) {
        result.t = estimate / result.se;
        const boost::math::students_t student(count - 1);
        result.p = 2 * boost::math::cdf(boost::math::complement(student, std::abs(result.t)));
    } else {
        result.t = result.p = kUndefined;
    }
    result.percentile = {QuantileType7(draws, (1 - confidence) / 2), QuantileType7(draws, (1 + confidence) / 2)};
    result.bca = bcaInterval(estimate, draws, jackknife, confidence);
    return result;
}

}  // namespace qv
