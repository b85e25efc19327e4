#include "core/engine/Blocks.h"

#include <algorithm>

namespace qv {

bool IsBlock(const Construct& construct, int stage) {
    return stage == kFirstStage ? construct.order != 2 : construct.construct == -1;
}

std::vector<int> BlockConstructs(const ProjectModel& model, int stage) {
    std::vector<int> blocks;
    for (int i = 0; i < model.nConstruct; ++i)
        if (IsBlock(model.constructs[static_cast<size_t>(i)], stage)) blocks.push_back(i);
    return blocks;
}

std::vector<int> BlockIndicators(const ProjectModel& model, int construct) {
    std::vector<int> indicators;
    for (int i = 0; i < model.nIndicator; ++i)
        if (model.indicators[static_cast<size_t>(i)].construct == construct)
            indicators.push_back(i);
    return indicators;
}

std::vector<int> AllBlockIndicators(const ProjectModel& model, int stage) {
    std::vector<int> all;
    for (int block : BlockConstructs(model, stage)) {
        const std::vector<int> own = BlockIndicators(model, block);
        all.insert(all.end(), own.begin(), own.end());
    }
    return all;
}

int BlockPosition(const ProjectModel& model, int stage, int construct) {
    const std::vector<int> blocks = BlockConstructs(model, stage);
    const auto found = std::find(blocks.begin(), blocks.end(), construct);
    return found == blocks.end() ? -1 : static_cast<int>(found - blocks.begin());
}

std::vector<int> PathTableConstructs(const ProjectModel& model) {
    return BlockConstructs(model, kRegularStage);
}

}  // namespace qv
