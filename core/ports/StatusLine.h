#pragma once

#include <string>

namespace qv {

// The main window's status bar: panel 0 the state, panel 1 the message, panel 2 the counts.
class StatusLine {
public:
    virtual ~StatusLine() = default;
    virtual void showStatus(const std::string& state, const std::string& message) = 0;
    virtual void showCounts(const std::string& counts) = 0;
};

}  // namespace qv
