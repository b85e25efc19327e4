#pragma once

#include <string>
#include <vector>

#include "core/model/EditResult.h"
#include "core/model/ProjectModel.h"

namespace qv {

// Constructs taken from a model to be pasted again (copy, cut, duplicate): each with the
// captions of its indicators, and the paths among them by their place in the list.
struct ConstructCopies {
    std::vector<Construct> constructs;
    std::vector<std::vector<std::string>> indicators;
    std::vector<std::pair<int, int>> paths;
    bool empty() const { return constructs.empty(); }
};

ConstructCopies CopyConstructs(const ProjectModel& model, const std::vector<int>& selected);

// Adds the copies shifted by (dx, dy), with captions no other construct has ("SAT_2"), their
// paths, and those of their indicators that no construct holds now (all of them after a cut).
// The new constructs' indices go into pasted; refused when the model has no room for them all.
EditResult PasteConstructs(ProjectModel& model, const ConstructCopies& copies, int dx, int dy,
                           std::vector<int>& pasted);

}  // namespace qv
