#include "core/model/RecentModels.h"

#include <algorithm>

namespace qv {

bool RecentModels::add(const std::string& name) {
    if (name.empty() || std::find(entries_.begin(), entries_.end(), name) != entries_.end())
        return false;
    std::rotate(entries_.rbegin(), entries_.rbegin() + 1, entries_.rend());
    entries_.front() = name;
    return true;
}

std::string RecentModels::caption(int index) const {
    const std::string& name = entry(index);
    return name.empty() ? std::string() : std::to_string(index + 1) + ". " + name;
}

}  // namespace qv
