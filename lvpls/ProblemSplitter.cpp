#include "lvpls/ProblemSplitter.h"

#include "lvpls/CaseSelection.h"

namespace lvpls {

bool isCard(std::string_view line, std::string_view word) {
    const std::size_t end = line.find_last_not_of(" \t");
    return end != std::string_view::npos && line.substr(0, end + 1) == word;
}

void ProblemText::reserve(std::size_t characters, std::size_t lines) {
    text_.reserve(characters);
    offsets_.reserve(lines);
}

void ProblemText::release() {
    std::string().swap(text_);
    std::vector<std::size_t>().swap(offsets_);
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

void ProblemSplitter::noteCut(ProblemText& problem) const {
    if (reader_.lastLineCut() && problem.cutLine.empty()) {
        problem.cutLine = "line " + std::to_string(reader_.lineNumber());
    }
}

// A line after the SAMPLE lines that is none is still a problem, so that its error is printed.
std::optional<ProblemText> ProblemSplitter::nextDrawnProblem() {
    while (!finished_ && readLine()) {
        if (isCard(line_, "COMMENT")) {
            haveComment_ = true;
            drawing_ = false;
            return std::nullopt;
        }
        if (line_.find_first_not_of(" \t") == std::string::npos) continue;
        ProblemText problem;
        problem.number = ++count_;
        problem.firstLine = reader_.lineNumber();
        noteCut(problem);
        problem.sampleLine = line_;
        return problem;
    }
    return std::nullopt;
}

std::optional<ProblemText> ProblemSplitter::next() {
    if (drawing_) {
        if (auto drawn = nextDrawnProblem()) return drawn;
    }
    while (!haveComment_) {
        if (finished_ || !readLine()) return std::nullopt;
        haveComment_ = isCard(line_, "COMMENT");
    }
    ProblemText problem;
    problem.reserve(lastCharacters_, lastLines_);
    problem.number = ++count_;
    problem.firstLine = reader_.lineNumber();
    problem.addLine(line_);
    haveComment_ = false;
    while (readLine()) {
        if (isCard(line_, "COMMENT")) {
            haveComment_ = true;
            break;
        }
        noteCut(problem);
        if (isSampleLine(line_)) {
            problem.sampleLine = line_;
            drawing_ = true;
            break;
        }
        problem.addLine(line_);
    }
    lastCharacters_ = problem.characterCount();
    lastLines_ = problem.lineCount();
    return problem;
}

}  // namespace lvpls
