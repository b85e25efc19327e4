#include "core/results/ResamplingGenerator.h"

#include <cstddef>

namespace qv {

void ResamplingGenerator::seed(std::uint32_t value) {
    state_ = value;
    draw();
}

int ResamplingGenerator::draw() {
    state_ = state_ * 22695477u + 1u;  // unsigned arithmetic wraps modulo 2^32
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

std::int64_t ResamplingGenerator::drawUpTo(std::int64_t range) {
    if (range == kDrawLimit) return draw();
    const std::int64_t high = draw();
    return high * kDrawLimit + draw();
}

// Draws at or above the largest multiple of cases below the range are drawn again: taken
// modulo cases they would favour the low indices.
int ResamplingGenerator::drawIndex(int cases) {
    const std::int64_t range = cases <= kDrawLimit ? kDrawLimit : kWideDrawLimit;
    const std::int64_t limit = range - range % cases;
    std::int64_t value = drawUpTo(range);
    while (value >= limit) value = drawUpTo(range);
    return static_cast<int>(value % cases);
}

std::vector<int> DrawBootstrapCases(ResamplingGenerator& generator, int cases) {
    // Counted case by case, which sorts them in one pass.
    std::vector<int> times(static_cast<std::size_t>(cases), 0);
    for (int draw = 0; draw < cases; ++draw) ++times[static_cast<std::size_t>(generator.drawIndex(cases))];
    std::vector<int> drawn;
    drawn.reserve(static_cast<std::size_t>(cases));
    for (int c = 0; c < cases; ++c) drawn.insert(drawn.end(), static_cast<std::size_t>(times[static_cast<std::size_t>(c)]), c + 1);
    return drawn;
}

}  // namespace qv
