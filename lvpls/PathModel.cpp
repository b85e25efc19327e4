#include "lvpls/PathModel.h"

namespace lvpls {

PathModel::PathModel(std::vector<Block> blocks, std::vector<std::string> indicatorNames)
    : blocks_(std::move(blocks)),
      indicatorNames_(std::move(indicatorNames)),
      design_(blocks_.size() * blocks_.size(), 0) {}

void PathModel::addPath(int from, int to) { design_[to * blockCount() + from] = 1; }

std::vector<int> PathModel::predecessors(int block) const {
    std::vector<int> result;
    for (int k = 0; k < blockCount(); ++k) {
        if (hasPath(k, block)) result.push_back(k);
    }
    return result;
}

std::vector<int> PathModel::successors(int block) const {
    std::vector<int> result;
    for (int k = 0; k < blockCount(); ++k) {
        if (hasPath(block, k)) result.push_back(k);
    }
    return result;
}

std::string PathModel::blockOnCycle() const {
    // Repeatedly remove blocks without remaining predecessors; whatever is left lies on a cycle.
    const int count = blockCount();
    std::vector<int> open(count, 0);
    for (int to = 0; to < count; ++to) {
        for (int from = 0; from < count; ++from) open[to] += hasPath(from, to) ? 1 : 0;
    }
    std::vector<char> removed(count, 0);
    for (bool progress = true; progress;) {
        progress = false;
        for (int b = 0; b < count; ++b) {
            if (removed[b] || open[b] != 0) continue;
            removed[b] = 1;
            progress = true;
            for (int to : successors(b)) --open[to];
        }
    }
    for (int b = 0; b < count; ++b) {
        if (!removed[b]) return blocks_[b].name;
    }
    return {};
}

}  // namespace lvpls
