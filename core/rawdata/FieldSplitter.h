#pragma once

#include <cstddef>
#include <string>

namespace qv {

// How the fields of a data file's lines are separated. Blanks: runs of blanks and tabs are
// one separator. The others: every separator character ends a field, so two in a row leave
// an empty field between them.
enum class Separator { Blanks, Comma, Semicolon, Tab };

// Splits the lines of a data file into fields, one byte at a time. Blanks and tabs before a
// field are skipped (a tab only where it separates nothing). A field that starts with a
// double quote runs to the closing quote, separators included, and "" inside stands for
// one quote; what follows the closing quote up to the separator is kept as well. Quotes
// never reach past the line end.
class FieldSplitter {
public:
    explicit FieldSplitter(Separator separator) : separator_(separator) {}

    // True when the byte ended a field: the field is then taken with takeField().
    bool add(char c);
    std::string takeField();
    std::size_t pendingSize() const { return text_.size(); }
    bool pendingQuoted() const { return quoted_; }
    // Whether the line so far holds more than blanks and tabs.
    bool lineHasContent() const { return content_; }
    // Drops the state of the line after its last field was taken.
    void endLine();

private:
    bool separates(char c) const;

    enum class State { Start, Unquoted, Quoted, QuoteInQuoted };
    const Separator separator_;
    State state_ = State::Start;
    bool quoted_ = false;
    bool content_ = false;
    std::string text_;
};

}  // namespace qv
