#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/app/LanguageTexts.h"
#include "core/model/ProjectModel.h"

namespace qv {

// Node images of the model tree.
enum class NodeImage { None = -1, Reflective = 0, Formative = 1, Indicator = 2, FormativeIndicator = 3, Member = 4 };

struct TreeNode {
    std::string text;
    NodeImage image = NodeImage::None;
    std::vector<TreeNode> children;
    // After an estimate an indicator's or member's loading, weight and residual, one a column.
    std::vector<std::string> values = {};
};

// The indicator panel's tree: every free first-order construct with its indicators, every
// second-order construct with its members and theirs, sorted by their text at every level as
// the panel lists them, and the unassigned indicators last.
std::vector<TreeNode> BuildModelTree(const ProjectModel& model, const LanguageTexts& texts);

// "Product Term: %s x %s" for a node that names a product indicator, otherwise nothing.
std::optional<std::string> ProductTermText(const ProjectModel& model, const std::string& nodeText);

// Which items of the tree's context menu can be chosen for the selected node (none: no node).
struct TreeMenuState {
    bool removeItem = false;
    bool setConstruct = false;
    bool changeProducts = false;
    bool newProducts = true;
    int hitConstruct = -1;  // the construct re-configuration works on; -1 leaves it as it was
};

TreeMenuState TreeMenuFor(const ProjectModel& model, const std::string* nodeText, int level);

}  // namespace qv
