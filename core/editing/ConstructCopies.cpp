#include "core/editing/ConstructCopies.h"

#include <algorithm>

#include "core/model/Utf8Text.h"

namespace qv {
namespace {

bool captionTaken(const ProjectModel& model, const std::string& caption) {
    for (int c = 0; c < model.nConstruct; ++c)
        if (model.constructs[c].caption == caption) return true;
    return false;
}

// The caption with the lowest free number behind it, cut (by characters) so that it stays
// within the length a caption may have.
std::string freeCaption(const ProjectModel& model, const std::string& caption) {
    if (!captionTaken(model, caption)) return caption;
    for (int n = 2;; ++n) {
        const std::string suffix = "_" + std::to_string(n);
        const std::string candidate = leadingCharacters(caption, kMaxCaptionLength - suffix.size()) + suffix;
        if (!captionTaken(model, candidate)) return candidate;
    }
}

int indicatorNamed(const ProjectModel& model, const std::string& caption) {
    for (int i = 0; i < model.nIndicator; ++i)
        if (model.indicators[i].caption == caption) return i;
    return -1;
}

}  // namespace

ConstructCopies CopyConstructs(const ProjectModel& model, const std::vector<int>& selected) {
    ConstructCopies copies;
    const auto place = [&](int construct) {
        const auto found = std::find(selected.begin(), selected.end(), construct);
        return found == selected.end() ? -1 : int(found - selected.begin());
    };
    for (int c : selected) {
        Construct copy = model.constructs[c];
        copy.nInd = copy.nCon = 0;
        copy.construct = copy.scoreIndicator = -1;
        copy.rSquare = copy.q2 = copy.q2sd = 0;
        copy.q2Kind = 0;
        copy.cronbachAlpha = 0;
        copies.constructs.push_back(copy);
        std::vector<std::string> captions;
        for (int i = 0; i < model.nIndicator; ++i)
            if (model.indicators[i].construct == c) captions.push_back(model.indicators[i].caption);
        copies.indicators.push_back(captions);
    }
    for (int p = 0; p < model.nPath; ++p) {
        const int src = place(model.paths[p].src), dest = place(model.paths[p].dest);
        if (src >= 0 && dest >= 0) copies.paths.emplace_back(src, dest);
    }
    return copies;
}

EditResult PasteConstructs(ProjectModel& model, const ConstructCopies& copies, int dx, int dy,
                           std::vector<int>& pasted) {
    pasted.clear();
    if (model.nConstruct + int(copies.constructs.size()) > kMaxConstructs)
        return EditResult::refused("MSG_ExceedMAXConstruct", std::to_string(kMaxConstructs));
    for (std::size_t k = 0; k < copies.constructs.size(); ++k) {
        Construct copy = copies.constructs[k];
        copy.caption = freeCaption(model, copy.caption);  // before the new slot counts
        const int c = model.nConstruct++;
        copy.x += dx;
        copy.y += dy;
        model.constructs[c] = copy;
        pasted.push_back(c);
        for (const std::string& caption : copies.indicators[k]) {
            const int indicator = indicatorNamed(model, caption);
            if (indicator >= 0 && model.indicators[indicator].construct < 0) model.assignIndicator(indicator, c);
        }
    }
    for (const auto& [src, dest] : copies.paths) model.addPath(pasted[src], pasted[dest]);
    model.recomputeHasSecondOrder();
    model.modified = true;
    return EditResult::accepted();
}

}  // namespace qv
