#pragma once

#include <string>
#include <utility>
#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

enum class InnerScheme { Path, Centroid, Factor };

// The path model as the assessment sees it: the block constructs in model order, their
// indicators block by block, the paths, the modes and the inner weighting scheme. Positions
// in these lists index every vector and matrix of the assessment.
struct ModelShape {
    std::vector<std::string> constructs;
    std::vector<bool> formative;          // per construct: Mode B
    std::vector<std::string> indicators;  // block after block
    std::vector<int> modelIndicators;     // per indicator: its index in the model's table
    std::vector<int> blockOf;             // per indicator: its construct's position
    std::vector<std::pair<int, int>> paths;  // (from, to) positions, in the model's order
    InnerScheme scheme = InnerScheme::Path;

    int constructCount() const { return static_cast<int>(constructs.size()); }
    int indicatorCount() const { return static_cast<int>(indicators.size()); }
    std::vector<int> block(int construct) const;       // indicator positions
    std::vector<int> predictors(int construct) const;  // construct positions, path order
    bool endogenous(int construct) const { return !predictors(construct).empty(); }
    // "FROM->TO", the key of a path or an effect.
    std::string pathKey(int from, int to) const;
};

// The regular-stage blocks of the model with their assigned indicators; innerWeighting is
// the model parameter's position (0 path, 1 centroid, 2 factor).
ModelShape ShapeOf(const ProjectModel& model, int innerWeighting);
// Each model construct's position in that shape, -1 for one without a regular-stage block.
std::vector<int> ShapePositions(const ProjectModel& model);

}  // namespace qv
