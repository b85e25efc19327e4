#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <thread>

#include <pugixml.hpp>

#include "core/rawdata/formats/PiecePipeline.h"
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

    // spare, when given, hands out buffers to reuse for the pieces.
    explicit RowChunker(size_t pieceSize, std::function<std::string()> spare = {})
        : pieceSize_(pieceSize), spare_(std::move(spare)) {}

    // Takes the next bytes of the part; hands every complete piece to emit. Returns false
    // once the end of the rows was seen (the rest of the part need not be read).
    bool feed(std::string_view bytes, const PieceSink& emit);
    // At the end of the part: false when it ended inside its rows.
    bool finished() const;

private:
    bool findRows();
    void emitUpTo(size_t end, const PieceSink& emit);

    size_t pieceSize_;
    std::function<std::string()> spare_;
    std::string pending_;
    size_t pendingOffset_ = 0;  // where pending_ starts in the part
    bool inRows_ = false;
    bool ended_ = false;
    std::string rowEnd_;   // "</row>", with the prefix the sheet's elements carry
    std::string rowsEnd_;  // "</sheetData>", likewise
};

// Whether the name's local part is local: "x:row" has the local name "row". Called for
// every cell of a sheet: a name without a prefix is told at once.
bool hasPrefixedLocalName(const char* name, const char* local);
inline bool hasLocalName(const char* name, const char* local) {
    if (name[0] == local[0] && local[0] != '\0' && name[1] == local[1] && local[1] == '\0') return true;
    return hasPrefixedLocalName(name, local);
}
// The value of the node's attribute of this local name, or nullptr.
const char* attributeValue(const pugi::xml_node& node, const char* local);

// Inflates the part and cuts its rows into pieces for push, until push refuses one. Returns
// an error naming the file, the part and why, or an empty text.
std::string CutSheetRows(const ZipArchive& zip, const std::string& part,
                         const std::function<bool(TextPiece&&)>& push, std::function<std::string()> spare);
// Parses a piece of rows in place; an error says where, in bytes from the part's start, and why.
std::string LoadRowPiece(TextPiece& piece, pugi::xml_document& document);
// As many workers as the machine has cores.
size_t SheetWorkerCount();

// Streams the rows of a sheet part: one thread inflates and cuts the part into pieces,
// workers turn each piece into a Result (parse is called on them, never on the caller's
// thread), and take gets the results in the sheet's order on the calling thread until it
// returns false. Returns the producer's error, or an empty text.
template <typename Result>
std::string StreamSheetRows(const ZipArchive& zip, const std::string& part,
                            typename PiecePipeline<Result>::Work parse,
                            const typename PiecePipeline<Result>::Take& take) {
    PiecePipeline<Result> pipeline(SheetWorkerCount(), std::move(parse));
    std::thread inflating([&] {
        const auto push = [&](TextPiece&& piece) { return pipeline.push(std::move(piece)); };
        pipeline.close(CutSheetRows(zip, part, push, [&] { return pipeline.spareText(); }));
    });
    std::string error = pipeline.consume(take);
    inflating.join();
    return error;
}

}  // namespace qv
