#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace qv {

// One column of the raw data, about 8 bytes a cell: a number is kept as a double, an empty
// cell or a text as a marked NaN (the data never hold a NaN, non-finite values stay text).
// A number is kept as a double only when the column's way of writing numbers gives back
// its text exactly, so every cell reads as it was written ("4.50" in a column of two
// decimals, "3" in a column of plain numbers). Cells live in blocks, so growing a column
// of a million cases never copies it.
class CellColumn {
public:
    size_t size() const { return size_; }
    // New cells are empty; cells beyond the new size are dropped. A reader adds cases one
    // at a time, so growing within the last block is kept short.
    void resize(size_t rows) {
        if (rows < size_ || rows > blocks_.size() * kBlockRows) return resizeBlocks(rows);
        for (; size_ < rows; ++size_) slot(size_) = kEmpty;
    }

    std::string text(size_t row) const;
    // The cell as a number: the double kept, or the text read as a number; nothing for an
    // empty cell or a text that is no number.
    std::optional<double> number(size_t row) const;
    bool isEmpty(size_t row) const;

    void setText(size_t row, std::string text);
    // A finite value, read back in the column's way of writing numbers.
    void setNumber(size_t row, double value);

private:
    static constexpr size_t kBlockRows = 4096;
    static constexpr int kUndecided = -2;
    static constexpr int kShortestPlain = -1;

    static constexpr uint64_t kEmpty = 0xFFF8'0000'0000'0000ull;  // see the marks in the source

    void resizeBlocks(size_t rows);
    uint64_t& slot(size_t row) { return blocks_[row / kBlockRows][row % kBlockRows]; }
    uint64_t slot(size_t row) const { return blocks_[row / kBlockRows][row % kBlockRows]; }
    void setTextSlot(size_t row, std::string text);
    bool keepsAsNumber(std::string_view text, double value);

    // A new block is not written through at once: its cells are set as rows arrive, so a
    // large column's memory is touched once, not twice.
    template <typename T>
    struct UnsetAllocator : std::allocator<T> {
        template <typename U>
        struct rebind {
            using other = UnsetAllocator<U>;
        };
        template <typename U>
        void construct(U* place) noexcept {
            ::new (static_cast<void*>(place)) U;
        }
        template <typename U, typename... Args>
        void construct(U* place, Args&&... args) {
            ::new (static_cast<void*>(place)) U(std::forward<Args>(args)...);
        }
    };
    using Block = std::vector<uint64_t, UnsetAllocator<uint64_t>>;

    std::vector<Block> blocks_;
    size_t size_ = 0;
    std::vector<std::string> texts_;
    // How the column writes its numbers: shortest plain digits, or this many decimals.
    int decimals_ = kUndecided;
};

}  // namespace qv
