#include "lvpls/LineReader.h"

#include <cstring>

namespace lvpls {

LineReader::LineReader(std::istream& input) : input_(input), buffer_(std::size_t(1) << 16) {}

bool LineReader::refill() {
    input_.read(buffer_.data(), std::streamsize(buffer_.size()));
    position_ = 0;
    end_ = std::size_t(input_.gcount());
    return end_ > 0;
}

bool LineReader::next(std::string& line) {
    line.clear();
    cut_ = false;
    bool any = false;
    while (position_ < end_ || refill()) {
        any = true;
        const char* start = buffer_.data() + position_;
        const auto* newline = static_cast<const char*>(std::memchr(start, '\n', end_ - position_));
        const std::size_t length = newline ? std::size_t(newline - start) : end_ - position_;
        const std::size_t room = kMaxLineLength - line.size();
        line.append(start, std::min(length, room));
        cut_ = cut_ || length > room;
        position_ += length;
        if (newline) {
            ++position_;
            break;
        }
    }
    if (!any) return false;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    ++lineNumber_;
    return true;
}

}  // namespace lvpls
