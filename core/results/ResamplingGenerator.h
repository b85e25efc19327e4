#pragma once

#include <cstdint>
#include <vector>

namespace qv {

// The 32-bit linear congruential generator of the resampling runs. Its draws depend only on
// the seed, so a run seeded with the same number draws the same subsamples.
class ResamplingGenerator {
public:
    static constexpr int kDrawLimit = 32768;                // a draw is 0 .. 32767
    static constexpr std::int64_t kWideDrawLimit = 1 << 30;  // two draws form 30 bits

    // The state becomes the seed; the first draw is discarded.
    void seed(std::uint32_t value);
    // Bits 16 to 30 of the next state.
    int draw();
    // A case index 0 .. cases - 1, every index equally likely. Up to 32,768 cases one draw
    // gives it, beyond that two draws form a 30-bit number; a draw that would make the low
    // indices likelier is drawn again.
    int drawIndex(int cases);

private:
    std::int64_t drawUpTo(std::int64_t range);

    std::uint32_t state_ = 0;
};

// One bootstrap subsample: n case indices drawn with replacement and sorted. Returns the
// 1-based case numbers in ascending order, duplicates kept.
std::vector<int> DrawBootstrapCases(ResamplingGenerator& generator, int cases);

}  // namespace qv
