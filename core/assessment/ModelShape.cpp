#include "core/assessment/ModelShape.h"

#include <algorithm>

#include "core/engine/Blocks.h"

namespace qv {

std::vector<int> ModelShape::block(int construct) const {
    std::vector<int> own;
    for (int i = 0; i < indicatorCount(); ++i)
        if (blockOf[static_cast<size_t>(i)] == construct) own.push_back(i);
    return own;
}

std::vector<int> ModelShape::predictors(int construct) const {
    std::vector<int> found;
    for (const auto& [from, to] : paths)
        if (to == construct) found.push_back(from);
    return found;
}

std::string ModelShape::pathKey(int from, int to) const {
    return constructs[static_cast<size_t>(from)] + "->" + constructs[static_cast<size_t>(to)];
}

ModelShape ShapeOf(const ProjectModel& model, int innerWeighting) {
    ModelShape shape;
    shape.scheme = innerWeighting == 1   ? InnerScheme::Centroid
                   : innerWeighting == 2 ? InnerScheme::Factor
                                         : InnerScheme::Path;
    const std::vector<int> blocks = BlockConstructs(model, kRegularStage);
    for (int k : blocks) {
        const Construct& construct = model.constructs[static_cast<size_t>(k)];
        const int position = shape.constructCount();
        shape.constructs.push_back(construct.caption);
        shape.formative.push_back(construct.type == 1);
        for (int i : BlockIndicators(model, k)) {
            shape.indicators.push_back(model.indicators[static_cast<size_t>(i)].caption);
            shape.modelIndicators.push_back(i);
            shape.blockOf.push_back(position);
        }
    }
    const auto positionOf = [&](int construct) {
        return static_cast<int>(std::find(blocks.begin(), blocks.end(), construct) - blocks.begin());
    };
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[static_cast<size_t>(p)];
        const int from = positionOf(path.src), to = positionOf(path.dest);
        if (from < shape.constructCount() && to < shape.constructCount())
            shape.paths.emplace_back(from, to);
    }
    return shape;
}

std::vector<int> ShapePositions(const ProjectModel& model) {
    const std::vector<int> blocks = BlockConstructs(model, kRegularStage);
    std::vector<int> position(static_cast<size_t>(model.nConstruct), -1);
    for (size_t k = 0; k < blocks.size(); ++k) position[static_cast<size_t>(blocks[k])] = static_cast<int>(k);
    return position;
}

}  // namespace qv
