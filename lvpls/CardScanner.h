#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lvpls {

// Reads blank-separated fields of a card line from left to right.
class CardScanner {
public:
    explicit CardScanner(std::string_view line, std::size_t position = 0) : line_(line), position_(position) {}

    void skipBlanks();
    bool atEnd();  // only blanks remain
    char peek() const { return position_ < line_.size() ? line_[position_] : '\0'; }
    void advance(std::size_t count = 1) { position_ = std::min(line_.size(), position_ + count); }
    std::size_t position() const { return position_; }

    // An optionally signed integer of at most 9 digits after blanks; nothing when absent.
    std::optional<int> integer();
    std::string_view word();  // the next run of non-blank characters

private:
    std::string_view line_;
    std::size_t position_;
};

// The whole text as a finite number; a leading '+' is allowed.
std::optional<double> parseValue(std::string_view text);

// Data values of a record: blank-separated numbers; a token that is not one number is taken
// as numbers with two decimals written without a blank between them ("1.00-1000.00"),
// which wide values produce in fixed 8-column fields. False when a token is no number.
bool appendValues(std::string_view text, std::vector<double>& values);

// A short, printable quotation of input text for messages.
std::string quoted(std::string_view text);

}  // namespace lvpls
