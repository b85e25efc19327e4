#include "core/editing/NodeName.h"

#include "core/model/Utf8Text.h"

namespace qv {

std::string NodeName(const std::string& nodeText, bool cutAtParenthesis) {
    constexpr std::size_t kNameLength = 8;
    std::string name = leadingCharacters(nodeText, kNameLength);
    name = name.substr(0, name.find(' '));
    if (cutAtParenthesis) name = name.substr(0, name.find('('));
    return name;
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
