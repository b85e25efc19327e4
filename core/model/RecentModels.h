#pragma once

#include <array>
#include <string>

namespace qv {

// The three most recently used model files, most recent first; kept in conf.ini.
class RecentModels {
public:
    static constexpr int kCount = 3;

    const std::string& entry(int index) const { return entries_.at(static_cast<size_t>(index)); }
    void setEntry(int index, std::string name) { entries_.at(static_cast<size_t>(index)) = std::move(name); }

    // A name already in the list keeps its place (it is not moved to the top); otherwise it
    // becomes entry 1 and the oldest drops out. Returns whether the list changed.
    bool add(const std::string& name);

    // The Reopen menu caption of an entry: "1. " and the name; empty for an empty entry.
    std::string caption(int index) const;

private:
    std::array<std::string, kCount> entries_;
};

}  // namespace qv
