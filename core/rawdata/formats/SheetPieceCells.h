#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/rawdata/formats/PiecePipeline.h"

namespace qv {

// A cell as a worker reads it out of a piece of a sheet's rows; small, as a piece holds
// thousands of them.
struct SheetCell {
    static constexpr uint32_t kNoText = UINT32_MAX;
    double number = 0;  // the value of a number cell that reads as a plain number
    int column = -1;    // counted from 0; -1 when the cell has no reference: the one after the last
    uint32_t text = kNoText;  // the cell's text among the piece's texts: every cell that is not
                              // such a number, and the cells of the names' row
    bool isNumber = false;
    bool isText = false;  // a text cell (shared, inline or formula string, error)
};

// A piece's rows, each with where its cells begin among the piece's cells.
struct SheetPieceRow {
    int number = 0;  // 0 when the row has no number: the one after the last
    size_t firstCell = 0;
};

struct SheetPieceCells {
    std::vector<SheetPieceRow> rows;
    std::vector<SheetCell> cells;
    std::vector<std::string> texts;
    std::string error;  // where the piece is no well-formed XML, and why
};

// Reads the rows of a piece of an xlsx sheet part; shared strings are looked up here. The
// first piece keeps the text of its number cells up to the first row that holds anything,
// so names that are numbers stay as written.
void ReadSheetPieceCells(TextPiece& piece, const std::vector<std::string>& shared, SheetPieceCells& cells);

}  // namespace qv
