#pragma once

#include "lvpls/LineReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lvpls {

// The lines of one problem, from its COMMENT card up to the next COMMENT or STOP card.
class ProblemText {
public:
    int number = 0;        // 1-based position in the control file
    long firstLine = 0;    // line number of the COMMENT card in the file
    std::string cutLine;   // first line cut at the length limit, as "line N"; empty when none

    void addLine(const std::string& line);
    std::size_t lineCount() const { return offsets_.size(); }
    std::string_view line(std::size_t index) const;

private:
    std::string text_;
    std::vector<std::size_t> offsets_;
};

// Splits a control file into problems, one at a time, so memory does not grow with their number.
class ProblemSplitter {
public:
    explicit ProblemSplitter(LineReader& reader) : reader_(reader) {}

    // The next problem; nothing after the STOP card or the end of the input.
    std::optional<ProblemText> next();

private:
    bool readLine();

    LineReader& reader_;
    std::string line_;
    bool haveComment_ = false;
    bool finished_ = false;
    int count_ = 0;
};

// True when the line is the card word alone, trailing blanks allowed.
bool isCard(std::string_view line, std::string_view word);

}  // namespace lvpls
