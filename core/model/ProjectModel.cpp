#include "core/model/ProjectModel.h"

#include <algorithm>

namespace qv {

void ProjectModel::resetToEmpty() {
    nConstruct = 0;
    nIndicator = 0;
    nProduct = 0;
    nPath = 0;
    nScoreIndicator = 0;
    nTextLabel = 0;
    hasSecondOrder = false;
}

void ProjectModel::rebuildIndicators(const std::vector<std::string>& variableNames) {
    nIndicator = std::min(static_cast<int>(variableNames.size()), kMaxIndicators);
    nProduct = 0;
    for (int i = 0; i < nIndicator; ++i) {
        indicators[i] = Indicator{};
        indicators[i].caption = variableNames[i];
    }
    // No indicator is assigned any more; second-order constructs count their members.
    for (int c = 0; c < nConstruct; ++c)
        if (constructs[c].order != 2) constructs[c].nInd = 0;
}

void ProjectModel::syncIndicatorCount(int rawVariables) {
    nIndicator = std::clamp(rawVariables + nProduct, 0, kMaxIndicators);
}

void ProjectModel::clearResults() {
    for (Construct& construct : constructs) {
        construct.rSquare = construct.q2 = 0;
        construct.q2Missing.clear();
    }
    for (Path& path : paths) path.coefficient = path.coefficientT = 0;
    for (Indicator& indicator : indicators) indicator.loading = indicator.loadingT = 0;
}

EditResult ProjectModel::addConstruct(int x, int y) {
    if (nConstruct >= kMaxConstructs)
        return EditResult::refused("MSG_ExceedMAXConstruct", std::to_string(kMaxConstructs));
    Construct& construct = constructs[nConstruct];
    construct = Construct{};
    construct.caption = "Con_" + std::to_string(nConstruct);
    construct.x = x;
    construct.y = y;
    construct.order = currentOrder;
    ++nConstruct;
    modified = true;
    estimated = false;
    if (currentOrder == 2) hasSecondOrder = true;
    return EditResult::accepted();
}

bool ProjectModel::joined(int a, int b) const {
    return std::any_of(paths.begin(), paths.begin() + nPath, [a, b](const Path& path) {
        return (path.src == a && path.dest == b) || (path.src == b && path.dest == a);
    });
}

EditResult ProjectModel::addPath(int src, int dest) {
    const auto known = [this](int c) { return c >= 0 && c < nConstruct; };
    if (!known(src) || !known(dest) || src == dest || joined(src, dest) || nPath >= kMaxPaths)
        return EditResult::refused();
    Path& path = paths[nPath++];
    path = Path{};
    path.src = src;
    path.dest = dest;
    modified = true;
    return EditResult::accepted();
}

EditResult ProjectModel::addTextLabel(int x, int y) {
    if (nTextLabel >= kMaxTextLabels)
        return EditResult::refused("MSG_ExceedMAXTextLabel", std::to_string(kMaxTextLabels));
    TextLabel& label = textLabels[nTextLabel];
    ++nTextLabel;
    label = TextLabel{"Text_" + std::to_string(nTextLabel), x, y};
    return EditResult::accepted();
}

EditResult ProjectModel::addProductIndicator(const Indicator& product) {
    if (nIndicator >= kMaxIndicators)
        return EditResult::refused("MSG_ExceedMAXIndicator", std::to_string(kMaxIndicators));
    indicators[nIndicator++] = product;
    ++nProduct;
    modified = true;
    return EditResult::accepted();
}

EditResult ProjectModel::assignIndicator(int indicator, int construct) {
    if (indicator < 0 || indicator >= nIndicator || construct < -1 || construct >= nConstruct ||
        (construct >= 0 && constructs[construct].order == 2))
        return EditResult::refused();
    int& current = indicators[indicator].construct;
    if (current >= 0 && current < nConstruct) --constructs[current].nInd;
    current = construct;
    if (construct >= 0) ++constructs[construct].nInd;
    modified = true;
    return EditResult::accepted();
}

EditResult ProjectModel::linkConstruct(int member, int secondOrder) {
    const auto orderOf = [this](int c) { return constructs[c].order; };
    if (member < 0 || member >= nConstruct || orderOf(member) == 2 || secondOrder < -1 ||
        secondOrder >= nConstruct || (secondOrder >= 0 && orderOf(secondOrder) != 2))
        return EditResult::refused();
    int& parent = constructs[member].construct;
    if (parent >= 0) {
        Construct& old = constructs[parent];
        old.nInd = old.nCon = old.nCon - 1;
    }
    parent = secondOrder;
    if (secondOrder >= 0) {
        Construct& linked = constructs[secondOrder];
        linked.nInd = linked.nCon = linked.nCon + 1;
    }
    modified = true;
    return EditResult::accepted();
}

void ProjectModel::deleteConstructs(std::vector<int> selected) {
    clearResults();
    for (size_t i = 0; i < selected.size(); ++i) {
        const int j = selected[i];
        if (j < 0 || j >= nConstruct) continue;
        deleteConstruct(j);
        for (size_t k = i + 1; k < selected.size(); ++k) {
            if (selected[k] == j) selected[k] = -1;  // already gone
            else if (selected[k] > j) --selected[k];
        }
    }
    recomputeHasSecondOrder();
    modified = true;
}

void ProjectModel::deleteConstruct(int j) {
    const auto renumbered = [j](int reference) { return reference > j ? reference - 1 : reference; };
    const auto kept = std::remove_if(paths.begin(), paths.begin() + nPath, [j](const Path& path) {
        return path.src == j || path.dest == j;
    });
    nPath = static_cast<int>(kept - paths.begin());
    for (int p = 0; p < nPath; ++p) {
        Path& path = paths[p];
        path.src = renumbered(path.src);
        path.dest = renumbered(path.dest);
    }
    // A deleted member leaves its second-order construct with one member less.
    if (const int parent = constructs[j].construct; parent >= 0) {
        Construct& old = constructs[parent];
        old.nInd = old.nCon = std::max(0, old.nCon - 1);
    }
    for (int i = 0; i < nIndicator; ++i) {
        int& construct = indicators[i].construct;
        construct = construct == j ? -1 : renumbered(construct);
    }
    for (int c = 0; c < nConstruct; ++c) {
        int& parent = constructs[c].construct;
        parent = parent == j ? -1 : renumbered(parent);
    }
    std::move(constructs.begin() + j + 1, constructs.begin() + nConstruct, constructs.begin() + j);
    --nConstruct;
}

void ProjectModel::deletePaths(std::vector<int> selected) {
    std::sort(selected.begin(), selected.end(), std::greater<>());
    selected.erase(std::unique(selected.begin(), selected.end()), selected.end());
    for (const int p : selected) {
        if (p < 0 || p >= nPath) continue;
        std::move(paths.begin() + p + 1, paths.begin() + nPath, paths.begin() + p);
        --nPath;
    }
    for (Construct& construct : constructs) construct.rSquare = construct.q2 = 0;
    for (Path& path : paths) path.coefficient = 0;
    modified = true;
}

void ProjectModel::recomputeHasSecondOrder() {
    hasSecondOrder = std::any_of(constructs.begin(), constructs.begin() + nConstruct,
                                 [](const Construct& construct) { return construct.order == 2; });
}

int ProjectModel::repairReferences() {
    const auto isSecondOrder = [this](int c) {
        return c >= 0 && c < nConstruct && constructs[c].order == 2;
    };
    int repaired = 0;
    for (int i = 0; i < nIndicator; ++i) {
        int& construct = indicators[i].construct;
        if (construct == -1 || (construct >= 0 && construct < nConstruct && !isSecondOrder(construct)))
            continue;
        construct = -1;
        ++repaired;
    }
    for (int c = 0; c < nConstruct; ++c) {
        int& parent = constructs[c].construct;
        if (parent == -1 || (isSecondOrder(parent) && !isSecondOrder(c))) continue;
        parent = -1;
        ++repaired;
    }
    repaired += repairPaths();
    recountMembers();
    recomputeHasSecondOrder();
    return repaired;
}

int ProjectModel::repairPaths() {
    const int before = nPath;
    int kept = 0;
    for (int p = 0; p < before; ++p) {
        const Path path = paths[p];
        nPath = kept;  // joined() looks only at the paths kept so far
        const bool known = path.src >= 0 && path.src < nConstruct && path.dest >= 0 &&
                           path.dest < nConstruct && path.src != path.dest;
        if (known && !joined(path.src, path.dest)) paths[kept++] = path;
    }
    nPath = kept;
    return before - kept;
}

void ProjectModel::recountMembers() {
    for (int c = 0; c < nConstruct; ++c) constructs[c].nInd = constructs[c].nCon = 0;
    for (int i = 0; i < nIndicator; ++i)
        if (const int c = indicators[i].construct; c >= 0) ++constructs[c].nInd;
    for (int c = 0; c < nConstruct; ++c) {
        if (const int parent = constructs[c].construct; parent >= 0) {
            Construct& secondOrder = constructs[parent];
            secondOrder.nInd = ++secondOrder.nCon;
        }
    }
}

}  // namespace qv
