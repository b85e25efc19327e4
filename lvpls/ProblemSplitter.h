#pragma once

#include "lvpls/LineReader.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lvpls {

// The lines of one problem, from its COMMENT card up to the next COMMENT or STOP card or
// up to its SAMPLE line; or a SAMPLE line alone, which draws from the problem before it.
class ProblemText {
public:
    int number = 0;        // 1-based position in the control file
    long firstLine = 0;    // line number of the COMMENT card (or of the lone SAMPLE line) in the file
    std::string cutLine;   // first line cut at the length limit, as "line N"; empty when none
    std::string sampleLine;  // the SAMPLE line that ends the problem; empty when none

    // A problem of one SAMPLE line, without cards of its own.
    bool drawsFromBefore() const { return offsets_.empty() && !sampleLine.empty(); }

    void reserve(std::size_t characters, std::size_t lines);
    // Gives the memory of the lines back once they are read; the numbers stay.
    void release();
    void addLine(const std::string& line);
    std::size_t lineCount() const { return offsets_.size(); }
    std::string_view line(std::size_t index) const;
    std::size_t characterCount() const { return text_.size(); }

private:
    std::string text_;
    std::vector<std::size_t> offsets_;
};

// Splits a control file into problems, one at a time, so memory does not grow with their number.
// After a problem that ends in a SAMPLE line, every line up to the next COMMENT card is a
// problem of its own (blank lines aside).
class ProblemSplitter {
public:
    explicit ProblemSplitter(LineReader& reader) : reader_(reader) {}

    // The next problem; nothing after the STOP card or the end of the input.
    std::optional<ProblemText> next();

private:
    bool readLine();
    std::optional<ProblemText> nextDrawnProblem();
    void noteCut(ProblemText& problem) const;

    LineReader& reader_;
    std::string line_;
    bool haveComment_ = false;
    bool finished_ = false;
    bool drawing_ = false;  // the SAMPLE lines of the problem before are being read
    int count_ = 0;
    std::size_t lastCharacters_ = 0;  // the size of the problem before, reserved for the next
    std::size_t lastLines_ = 0;
};

// True when the line is the card word alone, trailing blanks allowed.
bool isCard(std::string_view line, std::string_view word);

}  // namespace lvpls
