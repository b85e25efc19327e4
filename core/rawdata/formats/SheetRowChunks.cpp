#include "core/rawdata/formats/SheetRowChunks.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace qv {
namespace {

constexpr size_t kPieceSize = 256 * 1024;  // parses fastest: the tree stays in the cache
constexpr size_t kPiecesAhead = 4;

struct Piece {
    size_t offset = 0;
    std::string text;
};

// Pieces handed from the inflating thread to the parsing one; at most kPiecesAhead wait.
class PieceQueue {
public:
    void push(Piece&& piece) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return pieces_.size() < kPiecesAhead || abandoned_; });
        if (abandoned_) return;
        pieces_.push_back(std::move(piece));
        changed_.notify_all();
    }
    void close(std::string error) {
        std::lock_guard lock(mutex_);
        closed_ = true;
        error_ = std::move(error);
        changed_.notify_all();
    }
    // False once the queue is closed and empty.
    bool pop(Piece& piece) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return !pieces_.empty() || closed_; });
        if (pieces_.empty()) return false;
        piece = std::move(pieces_.front());
        pieces_.pop_front();
        changed_.notify_all();
        return true;
    }
    // The reader stopped early: the inflating thread stops too.
    void abandon() {
        std::lock_guard lock(mutex_);
        abandoned_ = true;
        pieces_.clear();
        changed_.notify_all();
    }
    bool abandoned() {
        std::lock_guard lock(mutex_);
        return abandoned_;
    }
    std::string error() {
        std::lock_guard lock(mutex_);
        return error_;
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<Piece> pieces_;
    bool closed_ = false;
    bool abandoned_ = false;
    std::string error_;
};

void inflateRows(const ZipArchive& zip, const std::string& part, PieceQueue& queue) {
    RowChunker chunker(kPieceSize);
    const auto emit = [&](size_t offset, std::string&& text) { queue.push({offset, std::move(text)}); };
    std::string error = zip.readPart(part, [&](std::string_view bytes) {
        return !queue.abandoned() && chunker.feed(bytes, emit);
    });
    if (error.empty() && !queue.abandoned() && !chunker.finished())
        error = zip.path() + " is damaged in its part " + part + ", which ends inside its rows.";
    queue.close(std::move(error));
}

// A piece that is no XML fragment gives where, in bytes from the part's start, and why.
bool parsePiece(Piece& piece, const std::function<bool(const pugi::xml_node&)>& onRow, std::string& error) {
    pugi::xml_document document;
    // Only what the piece holds is looked for: most pieces are plain numbers.
    const std::string_view text = piece.text;
    unsigned options = pugi::parse_fragment | pugi::parse_cdata;
    if (text.find('&') != std::string_view::npos) options |= pugi::parse_escapes;
    if (text.find('\r') != std::string_view::npos) options |= pugi::parse_eol;
    const pugi::xml_parse_result parsed =
        document.load_buffer_inplace(piece.text.data(), piece.text.size(), options);
    if (!parsed) {
        error = "byte " + std::to_string(piece.offset + static_cast<size_t>(parsed.offset)) + ": " +
                parsed.description();
        return false;
    }
    for (const pugi::xml_node& row : document.children())
        if (row.type() == pugi::node_element && hasLocalName(row.name(), "row") && !onRow(row))
            return false;
    return true;
}

}  // namespace

// Called for every cell of a sheet, so it walks the name once instead of measuring it first.
bool hasLocalName(const char* name, const char* local) {
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
    std::string rest;
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
    // Boyer-Moore-Horspool: a plain find would compare at every '<' of the rows.
    const auto found = std::search(pending_.begin() + static_cast<std::ptrdiff_t>(from), pending_.end(),
                                   std::boyer_moore_horspool_searcher(rowsEnd_.begin(), rowsEnd_.end()));
    if (found != pending_.end()) {
        const auto end = static_cast<size_t>(found - pending_.begin());
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

std::string StreamSheetRows(const ZipArchive& zip, const std::string& part,
                            const std::function<bool(const pugi::xml_node&)>& onRow) {
    PieceQueue queue;
    std::thread inflating(inflateRows, std::cref(zip), std::cref(part), std::ref(queue));
    Piece piece;
    std::string parseError;
    bool going = true;
    while (going && queue.pop(piece)) going = parsePiece(piece, onRow, parseError);
    if (!going) queue.abandon();
    inflating.join();
    if (!parseError.empty())
        return zip.path() + " is damaged in its part " + part + ", " + parseError + ".";
    return queue.error();
}

}  // namespace qv
