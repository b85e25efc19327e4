#include "lvpls/ProblemSplitter.h"

namespace lvpls {

bool isCard(std::string_view line, std::string_view word) {
    const std::size_t end = line.find_last_not_of(" \t");
    return end != std::string_view::npos && line.substr(0, end + 1) == word;
}

void ProblemText::addLine(const std::string& line) {
    offsets_.push_back(text_.size());
    text_ += line;
}

std::string_view ProblemText::line(std::size_t index) const {
    const std::size_t end = index + 1 < offsets_.size() ? offsets_[index + 1] : text_.size();
    return std::string_view(text_).substr(offsets_[index], end - offsets_[index]);
}

bool ProblemSplitter::readLine() {
    if (!reader_.next(line_)) {
        finished_ = true;
        return false;
    }
    if (isCard(line_, "STOP")) finished_ = true;
    return !finished_;
}

std::optional<ProblemText> ProblemSplitter::next() {
    while (!haveComment_) {
        if (finished_ || !readLine()) return std::nullopt;
        haveComment_ = isCard(line_, "COMMENT");
    }
    ProblemText problem;
    problem.number = ++count_;
    problem.firstLine = reader_.lineNumber();
    problem.addLine(line_);
    haveComment_ = false;
    while (readLine()) {
        if (isCard(line_, "COMMENT")) {
            haveComment_ = true;
            break;
        }
        if (reader_.lastLineCut() && problem.cutLine.empty()) {
            problem.cutLine = "line " + std::to_string(reader_.lineNumber());
        }
        problem.addLine(line_);
    }
    return problem;
}

}  // namespace lvpls
