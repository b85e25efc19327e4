#pragma once

#include <cstdint>
#include <vector>

namespace qv {

// The 32-bit linear congruential generator of the resampling runs. Its draws depend only on
// the seed, so a run seeded with the same number draws the same subsamples.
class ResamplingGenerator {
public:
    static constexpr int kDrawLimit = 32768;  // a draw is 0 .. 32767

    // The state becomes the seed; the first draw is discarded.
    void seed(std::uint32_t value);
    // Bits 16 to 30 of the next state.
    int draw();
    // A case index 0 .. cases - 1. Up to 32,767 cases one draw modulo cases; beyond, two
    // draws form a 30-bit number, so that every case can be drawn.
    int drawIndex(int cases);

private:
    std::uint32_t state_ = 0;
};

// One bootstrap subsample of n cases: n + 1 indices drawn with replacement and sorted, the
// largest dropped. Returns the 1-based case numbers in ascending order, duplicates kept.
std::vector<int> DrawBootstrapCases(ResamplingGenerator& generator, int cases);

}  // namespace qv
