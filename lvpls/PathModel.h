#pragma once

#include <string>
#include <vector>

namespace lvpls {

enum class OuterMode { A = 0, B = 1 };
enum class InnerScheme { Path = 1, Centroid = 2, Factor = 3 };

// A block is a latent variable with its indicators, which occupy consecutive data columns.
struct Block {
    std::string name;
    int firstIndicator = 0;
    int indicatorCount = 0;
    OuterMode mode = OuterMode::A;
};

// The measurement blocks and the inner design of one problem.
class PathModel {
public:
    PathModel() = default;
    PathModel(std::vector<Block> blocks, std::vector<std::string> indicatorNames);

    int blockCount() const { return static_cast<int>(blocks_.size()); }
    int indicatorCount() const { return static_cast<int>(indicatorNames_.size()); }
    const Block& block(int index) const { return blocks_[index]; }
    const std::vector<Block>& blocks() const { return blocks_; }
    const std::string& indicatorName(int index) const { return indicatorNames_[index]; }

    void addPath(int from, int to);
    bool hasPath(int from, int to) const { return design_[to * blockCount() + from] != 0; }
    bool adjacent(int a, int b) const { return hasPath(a, b) || hasPath(b, a); }
    std::vector<int> predecessors(int block) const;
    std::vector<int> successors(int block) const;

    // The name of the first block on a cycle of paths, empty when the design is acyclic.
    std::string blockOnCycle() const;

private:
    std::vector<Block> blocks_;
    std::vector<std::string> indicatorNames_;
    std::vector<char> design_;  // row = destination, column = source
};

}  // namespace lvpls
