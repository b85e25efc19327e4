#include "core/results/ResamplingGenerator.h"

#include <algorithm>

namespace qv {

void ResamplingGenerator::seed(std::uint32_t value) {
    state_ = value;
    draw();
}

int ResamplingGenerator::draw() {
    state_ = state_ * 22695477u + 1u;  // unsigned arithmetic wraps modulo 2^32
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
}

int ResamplingGenerator::drawIndex(int cases) {
    if (cases < kDrawLimit) return draw() % cases;
    const int high = draw();
    const int wide = high * kDrawLimit + draw();
    return wide % cases;
}

std::vector<int> DrawBootstrapCases(ResamplingGenerator& generator, int cases) {
    std::vector<int> drawn(static_cast<size_t>(cases) + 1);
    for (int& index : drawn) index = generator.drawIndex(cases);
    std::sort(drawn.begin(), drawn.end());
    drawn.pop_back();
    for (int& index : drawn) ++index;
    return drawn;
}

}  // namespace qv
