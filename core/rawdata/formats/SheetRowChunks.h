#pragma once

#include <functional>
#include <string>
#include <string_view>

#include <pugixml.hpp>

#include "core/rawdata/formats/ZipArchive.h"

namespace qv {

// Cuts the text of a sheet part into pieces of whole <row> elements: whatever comes before
// <sheetData> and after </sheetData> is left out, and each piece ends with a row's end tag,
// so it parses on its own as an XML fragment. A sheet of a hundred million cells thus never
// stands in memory as a whole.
class RowChunker {
public:
    // Takes a piece and where it starts in the part, counted in bytes.
    using PieceSink = std::function<void(size_t offset, std::string&& piece)>;

    explicit RowChunker(size_t pieceSize) : pieceSize_(pieceSize) {}

    // Takes the next bytes of the part; hands every complete piece to emit. Returns false
    // once the end of the rows was seen (the rest of the part need not be read).
    bool feed(std::string_view bytes, const PieceSink& emit);
    // At the end of the part: false when it ended inside its rows.
    bool finished() const;

private:
    bool findRows();
    void emitUpTo(size_t end, const PieceSink& emit);

    size_t pieceSize_;
    std::string pending_;
    size_t pendingOffset_ = 0;  // where pending_ starts in the part
    bool inRows_ = false;
    bool ended_ = false;
    std::string rowEnd_;   // "</row>", with the prefix the sheet's elements carry
    std::string rowsEnd_;  // "</sheetData>", likewise
};

// Whether the name's local part is local: "x:row" has the local name "row".
bool hasLocalName(const char* name, const char* local);
// The value of the node's attribute of this local name, or nullptr.
const char* attributeValue(const pugi::xml_node& node, const char* local);

// Streams the rows of a sheet part: one thread inflates and cuts the part into pieces, the
// calling thread parses each piece with pugixml and hands its <row> elements to onRow, one
// by one, in order, until onRow returns false. Returns an error naming the file, the part
// and why, or an empty text.
std::string StreamSheetRows(const ZipArchive& zip, const std::string& part,
                            const std::function<bool(const pugi::xml_node&)>& onRow);

}  // namespace qv
