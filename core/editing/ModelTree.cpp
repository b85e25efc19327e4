#include "core/editing/ModelTree.h"

#include <algorithm>
#include <cctype>

#include "core/editing/NodeName.h"
#include "core/engine/AppendFormat.h"

namespace qv {
namespace {

std::string figure(float value) { return Formatted("%.3f", value); }

// After an estimate a line carries loading, weight and residual, each in its column.
std::vector<std::string> figuresOf(const Indicator& indicator) {
    if (indicator.loading == 0) return {};
    return {figure(indicator.loading), figure(indicator.weight), figure(indicator.residual)};
}

// A member's figures are those of its score indicator, which the two-stage estimate appends
// behind the model's own indicators.
std::vector<std::string> memberFigures(const ProjectModel& model, const Construct& member) {
    const int score = member.scoreIndicator;
    if (score < 0 || score >= kMaxIndicators) return {};
    return figuresOf(model.indicators[score]);
}

std::string constructText(const Construct& construct, const LanguageTexts& texts) {
    std::string text = construct.caption + "(" + texts.lookup(construct.type == 1 ? "MSG_Formative" : "MSG_Reflective") + ")";
    if (construct.order == 2) text += "-" + texts.lookup("MSG_2ndOrder");
    return text;
}

void addIndicators(const ProjectModel& model, int construct, TreeNode& parent) {
    const NodeImage image = model.constructs[construct].type == 1 ? NodeImage::FormativeIndicator : NodeImage::Indicator;
    for (int i = 0; i < model.nIndicator; ++i)
        if (model.indicators[i].construct == construct)
            parent.children.push_back({model.indicators[i].caption, image, {}, figuresOf(model.indicators[i])});
}

TreeNode constructNode(const ProjectModel& model, int c, const LanguageTexts& texts) {
    const Construct& construct = model.constructs[c];
    TreeNode node{constructText(construct, texts), construct.type == 1 ? NodeImage::Formative : NodeImage::Reflective, {}};
    if (construct.order != 2) {
        addIndicators(model, c, node);
        return node;
    }
    for (int m = 0; m < model.nConstruct; ++m) {
        if (model.constructs[m].construct != c) continue;
        TreeNode member{model.constructs[m].caption, NodeImage::Member, {}, memberFigures(model, model.constructs[m])};
        addIndicators(model, m, member);
        node.children.push_back(std::move(member));
    }
    return node;
}

// Alphabetical without regard to letter case, as list views sort.
bool before(const TreeNode& a, const TreeNode& b) {
    return std::lexicographical_compare(a.text.begin(), a.text.end(), b.text.begin(), b.text.end(),
                                        [](unsigned char x, unsigned char y) { return std::tolower(x) < std::tolower(y); });
}

void sortNodes(std::vector<TreeNode>& nodes) {
    std::stable_sort(nodes.begin(), nodes.end(), before);
    for (TreeNode& node : nodes) sortNodes(node.children);
}

}  // namespace

std::vector<TreeNode> BuildModelTree(const ProjectModel& model, const LanguageTexts& texts) {
    std::vector<TreeNode> nodes;
    for (int c = 0; c < model.nConstruct; ++c)
        if (model.constructs[c].order == 2 || model.constructs[c].construct == -1)
            nodes.push_back(constructNode(model, c, texts));
    sortNodes(nodes);
    TreeNode unused{texts.lookup("MSG_UnUsedIndicators"), NodeImage::None, {}};
    for (int i = 0; i < model.nIndicator; ++i)
        if (model.indicators[i].construct == -1) unused.children.push_back({model.indicators[i].caption, NodeImage::Indicator, {}});
    sortNodes(unused.children);
    nodes.push_back(std::move(unused));
    return nodes;
}

std::optional<std::string> ProductTermText(const ProjectModel& model, const std::string& nodeText) {
    const int found = IndicatorOfNode(model, nodeText);
    if (found < 0 || !model.indicators[found].interaction) return std::nullopt;
    const Indicator& product = model.indicators[found];
    const auto caption = [&model](int i) { return i >= 0 && i < model.nIndicator ? model.indicators[i].caption : std::string(); };
    return "Product Term: " + caption(product.predictor) + " x " + caption(product.moderator);
}

TreeMenuState TreeMenuFor(const ProjectModel& model, const std::string* nodeText, int level) {
    TreeMenuState state;
    state.changeProducts = model.nProduct > 0;
    if (!nodeText) return state;
    // With a second-order construct, level 1 holds member constructs, so it counts as a
    // construct level even under a first-order construct.
    const bool constructLevel = level == 0 || (model.hasSecondOrder && level == 1);
    const bool indicatorLevel = level == 1 || (model.hasSecondOrder && level == 2);
    if (constructLevel) {
        const int construct = ConstructOfNode(model, *nodeText);
        if (construct >= 0) {
            state.setConstruct = true;
            state.hitConstruct = construct;
        }
    } else if (indicatorLevel) {
        const int indicator = IndicatorOfNode(model, *nodeText);
        if (indicator >= 0 && model.indicators[indicator].construct >= 0) {
            state.removeItem = state.setConstruct = true;
            state.hitConstruct = model.indicators[indicator].construct;
        }
    }
    return state;
}

}  // namespace qv
