#pragma once

#include <string>
#include <vector>

namespace qv {

// Splits a data file's header line into variable names, one byte at a time: blanks, tabs
// and commas end a name, and blanks and tabs before a name are skipped. So "a ,b" has an
// empty second name while a separator at the end of the line adds none.
class HeaderLineParser {
public:
    void add(char c);  // ignored once an error occurred
    void end();        // the line end, or the end of a file without one
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }
    const std::vector<std::string>& names() const { return names_; }

private:
    void closeName();
    void fail(std::string error);

    std::vector<std::string> names_;
    std::string name_;
    std::string error_;
};

}  // namespace qv
