#include "core/editing/NodeName.h"

#include <string_view>

namespace qv {
namespace {

// The first of the longest captions that begin the text and end where a caption may end.
template <typename CaptionOf>
int longestCaptionBeginning(const std::string& text, int count, CaptionOf captionOf, std::string_view followers) {
    int found = -1;
    size_t longest = 0;
    for (int n = 0; n < count; ++n) {
        const std::string& caption = captionOf(n);
        if (caption.empty() || caption.size() <= longest || text.compare(0, caption.size(), caption) != 0) continue;
        if (text.size() > caption.size() && followers.find(text[caption.size()]) == std::string_view::npos) continue;
        found = n;
        longest = caption.size();
    }
    return found;
}

}  // namespace

int IndicatorOfNode(const ProjectModel& model, const std::string& nodeText) {
    return longestCaptionBeginning(
        nodeText, model.nIndicator, [&](int i) -> const std::string& { return model.indicators[i].caption; }, " ");
}

int ConstructOfNode(const ProjectModel& model, const std::string& nodeText) {
    return longestCaptionBeginning(
        nodeText, model.nConstruct, [&](int c) -> const std::string& { return model.constructs[c].caption; }, " (");
}

int FindIndicator(const ProjectModel& model, const std::string& name) {
    for (int i = 0; i < model.nIndicator; ++i)
        if (model.indicators[i].caption == name) return i;
    return -1;
}

int FindConstruct(const ProjectModel& model, const std::string& name) {
    for (int c = 0; c < model.nConstruct; ++c)
        if (model.constructs[c].caption == name) return c;
    return -1;
}

}  // namespace qv
