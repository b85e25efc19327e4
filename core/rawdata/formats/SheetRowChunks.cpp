#include "core/rawdata/formats/SheetRowChunks.h"

#include <string.h>

#include <algorithm>
#include <functional>
#include <thread>

namespace qv {
namespace {

constexpr size_t kPieceSize = 256 * 1024;  // parses fastest: the tree stays in the cache

}  // namespace

// Walks the name once instead of measuring it first.
bool hasPrefixedLocalName(const char* name, const char* local) {
    const char* start = name;
    for (const char* at = name; *at; ++at)
        if (*at == ':') start = at + 1;
    while (*start && *start == *local) ++start, ++local;
    return *start == '\0' && *local == '\0';
}

const char* attributeValue(const pugi::xml_node& node, const char* local) {
    for (pugi::xml_attribute attribute = node.first_attribute(); attribute; attribute = attribute.next_attribute())
        if (hasLocalName(attribute.name(), local)) return attribute.value();
    return nullptr;
}

// The rows begin after the start tag of sheetData, whatever prefix it carries.
bool RowChunker::findRows() {
    for (size_t at = pending_.find("sheetData"); at != std::string::npos;
         at = pending_.find("sheetData", at + 1)) {
        const size_t open = pending_.rfind('<', at);
        const size_t close = pending_.find('>', at);
        if (open == std::string::npos || close == std::string::npos) return false;
        const std::string prefix = pending_.substr(open + 1, at - open - 1);
        if (prefix.find_first_of(" \t\r\n/>\"'") != std::string::npos) continue;
        rowEnd_ = "</" + prefix + "row>";
        rowsEnd_ = "</" + prefix + "sheetData>";
        ended_ = pending_[close - 1] == '/';  // <sheetData/>: no rows at all
        pending_.erase(0, close + 1);
        pendingOffset_ += close + 1;
        inRows_ = true;
        return true;
    }
    return false;
}

// The piece leaves by a move; only the start of the next row is copied.
void RowChunker::emitUpTo(size_t end, const PieceSink& emit) {
    if (end == 0) return;
    std::string rest = spare_ ? spare_() : std::string();
    rest.reserve(pieceSize_ * 2);
    rest.assign(pending_, end);
    pending_.resize(end);
    emit(pendingOffset_, std::move(pending_));
    pendingOffset_ += end;
    pending_ = std::move(rest);
}

bool RowChunker::feed(std::string_view bytes, const PieceSink& emit) {
    if (ended_) return false;
    // Only the new bytes, and the end of the old ones a tag may start in, are searched.
    size_t from = inRows_ && pending_.size() > rowsEnd_.size() ? pending_.size() - rowsEnd_.size() : 0;
    pending_ += bytes;
    if (!inRows_) {
        if (!findRows()) return true;
        from = 0;
    }
    if (ended_) return false;
    // The C library's memmem skips by pairs of bytes: a plain find would compare at every '<'.
    const void* found = memmem(pending_.data() + from, pending_.size() - from, rowsEnd_.data(), rowsEnd_.size());
    if (found) {
        const auto end = static_cast<size_t>(static_cast<const char*>(found) - pending_.data());
        pending_.resize(end);
        emitUpTo(end, emit);
        ended_ = true;
        return false;
    }
    if (pending_.size() < pieceSize_) return true;
    const size_t last = pending_.rfind(rowEnd_);
    if (last != std::string::npos) emitUpTo(last + rowEnd_.size(), emit);
    return true;
}

// A part without sheetData holds no rows; one whose rows never close is cut off.
bool RowChunker::finished() const {
    if (ended_) return true;
    return !inRows_ && pending_.find("sheetData") == std::string::npos;
}

std::string CutSheetRows(const ZipArchive& zip, const std::string& part,
                        const std::function<bool(TextPiece&&)>& push, std::function<std::string()> spare) {
    RowChunker chunker(kPieceSize, std::move(spare));
    bool taken = true;
    size_t made = 0;
    const auto emit = [&](size_t offset, std::string&& text) {
        taken = taken && push({offset, std::move(text), made++});
    };
    std::string error = zip.readPart(part, [&](std::string_view bytes) { return chunker.feed(bytes, emit) && taken; });
    if (error.empty() && taken && !chunker.finished())
        error = zip.path() + " is damaged in its part " + part + ", which ends inside its rows.";
    return error;
}

// Only what the piece holds is looked for: most pieces are plain numbers.
std::string LoadRowPiece(TextPiece& piece, pugi::xml_document& document) {
    const std::string_view text = piece.text;
    unsigned options = pugi::parse_fragment | pugi::parse_cdata;
    if (text.find('&') != std::string_view::npos) options |= pugi::parse_escapes;
    if (text.find('\r') != std::string_view::npos) options |= pugi::parse_eol;
    const pugi::xml_parse_result parsed = document.load_buffer_inplace(piece.text.data(), piece.text.size(), options);
    if (parsed) return {};
    return "byte " + std::to_string(piece.offset + static_cast<size_t>(parsed.offset)) + ": " + parsed.description();
}

size_t SheetWorkerCount() {
    return std::clamp<size_t>(std::thread::hardware_concurrency(), 1, 8);
}

}  // namespace qv
