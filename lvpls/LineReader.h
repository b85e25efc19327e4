#pragma once

#include <cstddef>
#include <istream>
#include <string>
#include <vector>

namespace lvpls {

// Reads lines of any byte content in large blocks. A line longer than the limit is cut and
// flagged, so that a file without line ends cannot exhaust the memory.
class LineReader {
public:
    static constexpr std::size_t kMaxLineLength = std::size_t(1) << 20;

    explicit LineReader(std::istream& input);

    // The next line without its "\n" and a trailing "\r"; false at the end of the input.
    bool next(std::string& line);
    bool lastLineCut() const { return cut_; }
    long lineNumber() const { return lineNumber_; }

private:
    bool refill();

    std::istream& input_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    bool cut_ = false;
    long lineNumber_ = 0;
};

}  // namespace lvpls
