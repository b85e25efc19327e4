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

// The decimals a plain number is written with: "4.50" has 2, "12" none; -2 with an exponent.
int writtenDecimals(std::string_view text) {
    const size_t point = text.find('.');
    if (text.find_first_of("eE") != std::string_view::npos) return -2;
    return point == std::string_view::npos ? 0 : static_cast<int>(text.size() - point - 1);
}


}  // namespace

void CellColumn::resizeBlocks(size_t rows) {
    const size_t blocks = (rows + kBlockRows - 1) / kBlockRows;
    const size_t had = blocks_.size();
    blocks_.resize(blocks);
    for (size_t block = had; block < blocks; ++block) blocks_[block].assign(kBlockRows, kEmpty);
    for (size_t row = size_; row < std::min(rows, had * kBlockRows); ++row) slot(row) = kEmpty;
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
    char buffer[400];
    if (decimals_ != kUndecided) return written(value, decimals_, buffer) == text;
    for (int decimals : {kShortestPlain, writtenDecimals(text)}) {
        if (decimals < kShortestPlain || written(value, decimals, buffer) != text) continue;
        decimals_ = decimals;
        return true;
    }
    return false;
}

}  // namespace qv
