#include "core/rawdata/CellColumn.h"

#include <algorithm>
#include <bit>
#include <charconv>

#include "core/model/NumberText.h"

namespace qv {
namespace {

// A quiet NaN with the sign set marks a cell that holds no number; its payload is 0 for an
// empty cell and the text's place plus one for a text.
constexpr uint64_t kMark = 0xFFF8'0000'0000'0000ull;

bool isMarked(uint64_t bits) { return (bits & kMark) == kMark; }
uint64_t textMark(size_t index) { return kMark | (static_cast<uint64_t>(index) + 1); }
size_t textIndex(uint64_t bits) { return static_cast<size_t>((bits & ~kMark) - 1); }

// decimals < 0: the shortest plain digits that read back as the value.
std::string_view written(double value, int decimals, char (&buffer)[400]) {
    const auto result = decimals < 0
        ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
        : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return {buffer, static_cast<size_t>(result.ptr - buffer)};
}

// The shape of a plain number: its digits after any leading zeros, its decimals, and whether
// it is written as the column would write it (no leading zeros, no point without decimals).
struct PlainShape {
    bool plain = false;
    size_t significant = 0;
    size_t decimals = 0;
    bool trailingZero = false;
};

PlainShape shapeOf(std::string_view text) {
    PlainShape shape;
    size_t at = !text.empty() && text.front() == '-' ? 1 : 0;
    const size_t first = at;
    size_t point = std::string_view::npos;
    bool leading = true;
    for (; at < text.size(); ++at) {
        const char c = text[at];
        if (c == '.' && point == std::string_view::npos) {
            point = at;
        } else if (c >= '0' && c <= '9') {
            leading = leading && c == '0';
            if (!leading) ++shape.significant;
        } else {
            return shape;
        }
    }
    const size_t whole = (point == std::string_view::npos ? text.size() : point) - first;
    shape.decimals = point == std::string_view::npos ? 0 : text.size() - point - 1;
    shape.plain = whole > 0 && (whole == 1 || text[first] != '0') &&
                  (point == std::string_view::npos || shape.decimals > 0);
    shape.trailingZero = shape.decimals > 0 && text.back() == '0';
    return shape;
}

// Whether the value, written in this way, gives back the text. A plain number of at most 15
// significant digits with the decimals the way asks for always does (no two such numbers
// share a double), so most cells need no writing out to check.
bool writesAs(std::string_view text, double value, int decimals) {
    const PlainShape shape = shapeOf(text);
    const bool decimalsFit = decimals < 0 ? !shape.trailingZero : shape.decimals == static_cast<size_t>(decimals);
    if (!shape.plain || !decimalsFit) return false;
    if (shape.significant <= 15) return true;
    char buffer[400];
    return written(value, decimals, buffer) == text;
}

}  // namespace

void CellColumn::resizeBlocks(size_t rows) {
    const size_t blocks = (rows + kBlockRows - 1) / kBlockRows;
    const size_t had = blocks_.size();
    blocks_.resize(blocks);
    for (size_t block = had; block < blocks; ++block) blocks_[block].resize(kBlockRows);
    for (size_t row = size_; row < rows; ++row) slot(row) = kEmpty;
    size_ = rows;
    if (rows == 0) texts_.clear();
}

std::string CellColumn::text(size_t row) const {
    const uint64_t bits = slot(row);
    if (bits == kEmpty) return {};
    if (isMarked(bits)) return texts_[textIndex(bits)];
    char buffer[400];
    return std::string(written(std::bit_cast<double>(bits), decimals_, buffer));
}

std::optional<double> CellColumn::number(size_t row) const {
    const uint64_t bits = slot(row);
    if (bits == kEmpty) return std::nullopt;
    if (isMarked(bits)) return parseNumber(texts_[textIndex(bits)]);
    return std::bit_cast<double>(bits);
}

bool CellColumn::isEmpty(size_t row) const { return slot(row) == kEmpty; }

void CellColumn::setText(size_t row, std::string text) {
    if (text.empty()) {
        slot(row) = kEmpty;
    } else if (const auto value = parsePlainNumber(text); value && keepsAsNumber(text, *value)) {
        slot(row) = std::bit_cast<uint64_t>(*value);
    } else {
        setTextSlot(row, std::move(text));
    }
}

void CellColumn::setNumber(size_t row, double value) {
    if (decimals_ == kUndecided) decimals_ = kShortestPlain;
    // The shortest digits always read back as the value; fixed decimals may not.
    if (decimals_ == kShortestPlain) {
        slot(row) = std::bit_cast<uint64_t>(value);
        return;
    }
    char buffer[400];
    const std::string_view text = written(value, decimals_, buffer);
    if (parsePlainNumber(text) == value) {
        slot(row) = std::bit_cast<uint64_t>(value);
    } else {
        setTextSlot(row, std::string(written(value, kShortestPlain, buffer)));
    }
}

// A text that replaces a text takes its place, so rewriting cells does not pile up texts.
void CellColumn::setTextSlot(size_t row, std::string text) {
    const uint64_t bits = slot(row);
    if (isMarked(bits) && bits != kEmpty) {
        texts_[textIndex(bits)] = std::move(text);
        return;
    }
    texts_.push_back(std::move(text));
    slot(row) = textMark(texts_.size() - 1);
}

// The first number decides how the column writes numbers; a number written otherwise is
// kept as its text.
bool CellColumn::keepsAsNumber(std::string_view text, double value) {
    if (decimals_ != kUndecided) return writesAs(text, value, decimals_);
    const int decimals = writesAs(text, value, kShortestPlain) ? kShortestPlain
                                                               : static_cast<int>(shapeOf(text).decimals);
    if (!writesAs(text, value, decimals)) return false;
    decimals_ = decimals;
    return true;
}

}  // namespace qv
