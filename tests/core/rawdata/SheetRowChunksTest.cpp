#include "core/rawdata/formats/SheetRowChunks.h"

#include <gtest/gtest.h>

#include <vector>

namespace qv {
namespace {

struct Chunked {
    std::vector<std::string> pieces;
    std::vector<size_t> offsets;
    bool finished = false;
};

// Feeds the part a few bytes at a time, as an archive hands it over.
Chunked chunk(const std::string& part, size_t pieceSize, size_t feedSize) {
    RowChunker chunker(pieceSize);
    Chunked chunked;
    const auto emit = [&](size_t offset, std::string&& piece) {
        chunked.offsets.push_back(offset);
        chunked.pieces.push_back(std::move(piece));
    };
    for (size_t at = 0; at < part.size(); at += feedSize)
        if (!chunker.feed(std::string_view(part).substr(at, feedSize), emit)) break;
    chunked.finished = chunker.finished();
    return chunked;
}

std::string joined(const std::vector<std::string>& pieces) {
    std::string text;
    for (const std::string& piece : pieces) text += piece;
    return text;
}

// Pieces hold whole rows, whatever prefix the sheet's elements carry and however the bytes
// arrive; what lies around the rows is left out; each piece knows where it lies in the part.
TEST(RowChunker, PiecesHoldWholeRows) {
    std::string rows;
    for (int row = 1; row <= 50; ++row)
        rows += "<x:row r=\"" + std::to_string(row) + "\"><x:c><x:v>" + std::to_string(row) + "</x:v></x:c></x:row>";
    const std::string part = "<?xml version=\"1.0\"?><x:worksheet xmlns:x=\"urn:s\"><x:sheetPr codeName=\"sheetData\"/>"
                             "<x:sheetData>" + rows + "</x:sheetData><x:mergeCells/></x:worksheet>";
    for (size_t feedSize : {1u, 7u, 64u, 100000u}) {
        const Chunked chunked = chunk(part, 100, feedSize);
        EXPECT_TRUE(chunked.finished);
        EXPECT_EQ(joined(chunked.pieces), rows) << feedSize;
        EXPECT_GT(chunked.pieces.size(), feedSize < 1000 ? 10u : 0u);
        for (size_t k = 0; k < chunked.pieces.size(); ++k) {
            const std::string& piece = chunked.pieces[k];
            EXPECT_EQ(part.substr(chunked.offsets[k], piece.size()), piece);
            EXPECT_EQ(piece.rfind("<x:row", 0), 0u) << piece;
            EXPECT_EQ(piece.substr(piece.size() - 8), "</x:row>") << piece;
        }
    }
}

// A sheet without rows has none; a part that ends inside its rows is cut off.
TEST(RowChunker, EmptyAndCutOffSheets) {
    EXPECT_TRUE(chunk("<worksheet><sheetData/></worksheet>", 10, 3).pieces.empty());
    EXPECT_TRUE(chunk("<worksheet><sheetData/></worksheet>", 10, 3).finished);
    EXPECT_TRUE(chunk("<worksheet></worksheet>", 10, 3).finished);
    const Chunked cut = chunk("<worksheet><sheetData><row><c><v>1</v></c></row><row><c>", 10, 5);
    EXPECT_FALSE(cut.finished);
    EXPECT_EQ(joined(cut.pieces), "<row><c><v>1</v></c></row>");
}

}  // namespace
}  // namespace qv
