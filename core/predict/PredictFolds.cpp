#include "core/predict/PredictFolds.h"

#include <cstddef>
#include <numeric>
#include <utility>

namespace qv {
namespace {

std::vector<int> casesWhere(const std::vector<int>& foldOf, int fold, bool inside) {
    std::vector<int> cases;
    for (std::size_t c = 0; c < foldOf.size(); ++c)
        if ((foldOf[c] == fold) == inside) cases.push_back(static_cast<int>(c));
    return cases;
}

}  // namespace

std::vector<int> DrawFolds(ResamplingGenerator& generator, int cases, int folds) {
    std::vector<int> order(static_cast<std::size_t>(cases));
    std::iota(order.begin(), order.end(), 0);
    // Fisher-Yates: every order of the cases is equally likely.
    for (int last = cases - 1; last > 0; --last)
        std::swap(order[static_cast<std::size_t>(last)], order[static_cast<std::size_t>(generator.drawIndex(last + 1))]);
    std::vector<int> foldOf(static_cast<std::size_t>(cases));
    for (int position = 0; position < cases; ++position)
        foldOf[static_cast<std::size_t>(order[static_cast<std::size_t>(position)])] = position % folds;
    return foldOf;
}

std::vector<int> TrainingRows(const std::vector<int>& foldOf, int fold) { return casesWhere(foldOf, fold, false); }

std::vector<int> HeldOutRows(const std::vector<int>& foldOf, int fold) { return casesWhere(foldOf, fold, true); }

}  // namespace qv
