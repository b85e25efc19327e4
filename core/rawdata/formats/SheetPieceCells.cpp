#include "core/rawdata/formats/SheetPieceCells.h"

#include <cstdlib>
#include <cstring>

#include <pugixml.hpp>

#include "core/model/NumberText.h"
#include "core/rawdata/formats/SheetRowChunks.h"
#include "core/rawdata/formats/SheetRows.h"

namespace qv {
namespace {

// The text of an inline string: its <t> elements, those of rich-text runs included,
// phonetic runs left out.
void appendInlineText(const pugi::xml_node& node, std::string& text) {
    for (pugi::xml_node child = node.first_child(); child; child = child.next_sibling()) {
        if (hasLocalName(child.name(), "t")) text += child.child_value();
        if (hasLocalName(child.name(), "r")) appendInlineText(child, text);
    }
}

bool isTextType(const char* type) {
    return type[0] != '\0' && std::strcmp(type, "n") != 0 && (std::strcmp(type, "s") == 0 || std::strcmp(type, "str") == 0 || std::strcmp(type, "inlineStr") == 0 ||
           std::strcmp(type, "e") == 0);
}

// Runs once for each of a large sheet's cells: it walks the library's nodes directly, one
// pass over the attributes and the children, and keeps a number without its text.
class PieceCellReader {
public:
    PieceCellReader(const std::vector<std::string>& shared, SheetPieceCells& cells, bool keepsNumberTexts)
        : shared_(shared), cells_(cells), keepsNumberTexts_(keepsNumberTexts) {}

    void readRow(const pugi::xml_node& row) {
        const char* number = attributeValue(row, "r");
        cells_.rows.push_back({number ? std::atoi(number) : 0, cells_.cells.size()});
        bool holdsAnything = false;
        for (pugi::xml_node cell = row.first_child(); cell; cell = cell.next_sibling())
            if (hasLocalName(cell.name(), "c")) holdsAnything = readCell(cell) || holdsAnything;
        keepsNumberTexts_ = keepsNumberTexts_ && !holdsAnything;
    }

private:
    // Whether the cell holds anything.
    bool readCell(const pugi::xml_node& cell) {
        SheetCell& read = cells_.cells.emplace_back();
        const char* type = "";
        for (pugi::xml_attribute attribute = cell.first_attribute(); attribute;
             attribute = attribute.next_attribute()) {
            if (hasLocalName(attribute.name(), "r")) read.column = columnOfReference(attribute.value());
            if (hasLocalName(attribute.name(), "t")) type = attribute.value();
        }
        const std::string_view value = cellValue(cell);
        read.isText = isTextType(type);
        if (!read.isText)
            if (const auto number = parsePlainNumber(value)) {
                read.number = *number;
                read.isNumber = true;
                if (!keepsNumberTexts_) return true;
            }
        keepText(read, read.isText && std::strcmp(type, "s") == 0 ? sharedString(value) : std::string(value));
        return !value.empty();
    }

    // Most cells hold one <v> element of one text: that text is read where it lies.
    std::string_view cellValue(const pugi::xml_node& cell) {
        const pugi::xml_node first = cell.first_child();
        if (first && !first.next_sibling() && hasLocalName(first.name(), "v")) return first.child_value();
        joined_.clear();
        for (pugi::xml_node child = first; child; child = child.next_sibling()) {
            if (hasLocalName(child.name(), "v")) joined_ += child.child_value();
            if (hasLocalName(child.name(), "is")) appendInlineText(child, joined_);
        }
        return joined_;
    }

    void keepText(SheetCell& cell, std::string text) {
        cell.text = static_cast<uint32_t>(cells_.texts.size());
        cells_.texts.push_back(std::move(text));
    }

    // An index that names no shared string stays as it was written.
    std::string sharedString(std::string_view index) const {
        const auto at = parseInteger(index);
        const bool known = !index.empty() && at && *at >= 0 && static_cast<size_t>(*at) < shared_.size();
        return known ? shared_[static_cast<size_t>(*at)] : std::string(index);
    }

    const std::vector<std::string>& shared_;
    SheetPieceCells& cells_;
    bool keepsNumberTexts_;
    std::string joined_;
};

}  // namespace

void ReadSheetPieceCells(TextPiece& piece, const std::vector<std::string>& shared, SheetPieceCells& cells) {
    cells.rows.clear();
    cells.cells.clear();
    cells.texts.clear();
    pugi::xml_document document;
    cells.error = LoadRowPiece(piece, document);
    if (!cells.error.empty()) return;
    PieceCellReader reader(shared, cells, piece.number == 0);
    for (pugi::xml_node row = document.first_child(); row; row = row.next_sibling())
        if (row.type() == pugi::node_element && hasLocalName(row.name(), "row")) reader.readRow(row);
}

}  // namespace qv
