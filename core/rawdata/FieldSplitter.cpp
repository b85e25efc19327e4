#include "core/rawdata/FieldSplitter.h"

namespace qv {

bool FieldSplitter::separates(char c) const {
    switch (separator_) {
        case Separator::Blanks: return c == ' ' || c == '\t';
        case Separator::Comma: return c == ',';
        case Separator::Semicolon: return c == ';';
        case Separator::Tab: return c == '\t';
    }
    return false;
}

bool FieldSplitter::add(char c) {
    if (c != ' ' && c != '\t') content_ = true;
    if (state_ == State::Quoted) {
        if (c == '"')
            state_ = State::QuoteInQuoted;
        else
            text_ += c;
        return false;
    }
    if (state_ == State::QuoteInQuoted) {
        state_ = State::Unquoted;
        if (c == '"') {
            text_ += c;
            state_ = State::Quoted;
            return false;
        }
    }
    if (state_ == State::Start) {
        const bool leadingBlank = c == ' ' || (c == '\t' && separator_ != Separator::Tab);
        if (leadingBlank) return false;
        if (c == '"') {
            state_ = State::Quoted;
            quoted_ = true;
            return false;
        }
    }
    if (separates(c)) return true;
    text_ += c;
    state_ = State::Unquoted;
    return false;
}

std::string FieldSplitter::takeField() {
    std::string field = std::move(text_);
    text_.clear();
    state_ = State::Start;
    quoted_ = false;
    return field;
}

void FieldSplitter::endLine() {
    takeField();
    content_ = false;
}

}  // namespace qv
