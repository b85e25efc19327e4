#pragma once

#include <vector>

#include "core/results/ResamplingGenerator.h"

namespace qv {

// The fold (0 .. folds - 1) of every case for one repetition: the cases shuffled by the
// generator, then dealt out in turn, so that the folds' sizes differ by at most one. The
// same seed deals the same folds.
std::vector<int> DrawFolds(ResamplingGenerator& generator, int cases, int folds);

// The 0-based rows of the cases outside the fold (its training sample) or inside it (its
// held-out cases), ascending.
std::vector<int> TrainingRows(const std::vector<int>& foldOf, int fold);
std::vector<int> HeldOutRows(const std::vector<int>& foldOf, int fold);

}  // namespace qv
