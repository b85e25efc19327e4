#pragma once

#include <vector>

#include "core/model/ProjectModel.h"

namespace qv {

// Stage 0 is the first stage of a second-order estimate; stage 1 a regular run or the
// second stage. The control-file writer and the listing reader must agree on the blocks,
// so both take them from here.
inline constexpr int kFirstStage = 0;
inline constexpr int kRegularStage = 1;

// A construct forms a block at stage 1 when it is not linked to a second-order construct,
// at stage 0 when it is a first-order construct.
bool IsBlock(const Construct& construct, int stage);

// The block constructs in construct-table order.
std::vector<int> BlockConstructs(const ProjectModel& model, int stage);

// The indicators assigned to one construct, in indicator-table order.
std::vector<int> BlockIndicators(const ProjectModel& model, int construct);

// The indicators of all blocks: blocks in order, each block's indicators in table order.
std::vector<int> AllBlockIndicators(const ProjectModel& model, int stage);

// The 0-based position of a construct among the blocks, -1 when it is no block. The engine
// names a blindfolding target by this position + 1.
int BlockPosition(const ProjectModel& model, int stage, int construct);

// Rows and columns of the printed path table: the constructs not linked to a second-order
// construct, in construct order.
std::vector<int> PathTableConstructs(const ProjectModel& model);

}  // namespace qv
