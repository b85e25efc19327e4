#pragma once

#include <string>
#include <vector>

#include "core/rawdata/FieldSplitter.h"

namespace qv {

// Reads a data file's header line and tells from it how the file separates its fields: a
// semicolon, a tab or a comma outside quotes names the separator; a header with none of
// them is blank-separated, or comma-separated when the file's name ends in ".csv". Tabs
// between names that hold blanks are blanks, as in a hand-aligned file. A header with two
// of the three cannot be told and is refused. The names are split like case fields and
// lose the blanks that trail them; a separator at the end of the line adds no name.
class HeaderLineParser {
public:
    explicit HeaderLineParser(std::string fileName) : fileName_(std::move(fileName)) {}
    const std::string& fileName() const { return fileName_; }

    void add(char c);  // bytes beyond a header's longest length are not kept
    // The line end, or the end of a file without one. False when the line held only
    // blanks and tabs: the header is then still to come.
    bool end();

    enum class Failure { None, Names, Separator };
    Failure failure() const { return failure_; }
    bool failed() const { return failure_ != Failure::None; }
    const std::string& error() const { return error_; }
    Separator separator() const { return separator_; }
    const std::vector<std::string>& names() const { return names_; }

private:
    bool detectSeparator();
    void splitNames();
    void checkNames();
    void fail(Failure failure, std::string error);

    const std::string fileName_;
    std::string line_;
    bool cut_ = false;  // the line was longer than a header can be
    Separator separator_ = Separator::Blanks;
    std::vector<std::string> names_;
    Failure failure_ = Failure::None;
    std::string error_;
};

}  // namespace qv
