#pragma once

#include <regex>
#include <set>
#include <string>
#include <vector>

namespace qv::testing {

// The anchors the web report's contents list leads to, in order.
inline std::vector<std::string> contentsTargets(const std::string& page) {
    const size_t begin = page.find("<ul dynamicoutline>");
    if (begin == std::string::npos) return {};
    const std::string contents = page.substr(begin, page.find("<td>", begin) - begin);
    std::vector<std::string> targets;
    const std::regex link("<a href=#([A-Za-z]+)>");
    for (auto it = std::sregex_iterator(contents.begin(), contents.end(), link);
         it != std::sregex_iterator(); ++it)
        targets.push_back((*it)[1]);
    return targets;
}

// Every anchor the page names.
inline std::set<std::string> anchorNames(const std::string& page) {
    std::set<std::string> names;
    const std::regex anchor("<a name=([A-Za-z]+)>");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), anchor);
         it != std::sregex_iterator(); ++it)
        names.insert((*it)[1]);
    return names;
}

}  // namespace qv::testing
