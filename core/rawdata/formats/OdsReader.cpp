#include "core/rawdata/formats/OdsReader.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "core/rawdata/formats/SheetRows.h"
#include "core/rawdata/formats/XmlStream.h"
#include "core/rawdata/formats/ZipArchive.h"

namespace qv {
namespace {

// A repetition count as written; files end their tables with huge counts of empty cells.
int repeats(const char** attributes, std::string_view name) {
    const char* text = xmlAttribute(attributes, name);
    const long count = text ? std::strtol(text, nullptr, 10) : 1;
    return count < 1 ? 1 : static_cast<int>(std::min<long>(count, 1 << 20));
}

class ContentHandler : public XmlHandler {
public:
    ContentHandler(SheetRows& rows, std::string wanted) : rows_(rows), wanted_(std::move(wanted)) {}

    void start(std::string_view name, const char** attributes) override {
        if (done_) return;
        if (name == "table" && ++tableDepth_ == 1) {
            const char* table = xmlAttribute(attributes, "name");
            chosen_ = wanted_.empty() || (table && wanted_ == table);
            if (chosen_ && table) rows_.setSheet(table);
        }
        if (tableDepth_ != 1 || !chosen_) return;
        if (name == "table-row") {
            rowRepeats_ = repeats(attributes, "number-rows-repeated");
            cells_.clear();
        } else if (name == "table-cell" || name == "covered-table-cell") {
            startCell(attributes);
        } else if (name == "p" && inCell_) {
            if (paragraphs_++ > 0) text_ += '\n';
            inParagraph_ = true;
        } else if (name == "s" && inParagraph_) {
            text_.append(static_cast<size_t>(repeats(attributes, "c")), ' ');
        }
    }
    void end(std::string_view name) override {
        if (done_) return;
        if (name == "table" && --tableDepth_ == 0) done_ = chosen_;
        if (tableDepth_ != 1 || !chosen_) return;
        if (name == "p") inParagraph_ = false;
        if (name == "table-cell" || name == "covered-table-cell") endCell();
        if (name == "table-row") endRow();
    }
    void text(std::string_view text) override {
        if (inParagraph_) text_ += text;
    }
    bool done() const override { return done_; }
    bool foundTable() const { return done_; }

private:
    struct Cell {
        std::string text;
        bool isText = false;
        int repeats = 1;
    };

    void startCell(const char** attributes) {
        inCell_ = true;
        paragraphs_ = 0;
        text_.clear();
        cell_ = Cell{};
        cell_.repeats = repeats(attributes, "number-columns-repeated");
        const char* type = xmlAttribute(attributes, "value-type");
        const std::string kind = type ? type : "";
        const char* value = nullptr;
        if (kind == "float" || kind == "percentage" || kind == "currency")
            value = xmlAttribute(attributes, "value");
        else if (kind == "boolean")
            value = xmlAttribute(attributes, "boolean-value");
        if (kind == "boolean" && value) value = std::string_view(value) == "true" ? "1" : "0";
        numeric_ = value != nullptr;
        if (value) cell_.text = value;
        cell_.isText = !kind.empty() && !numeric_;
    }
    void endCell() {
        inCell_ = false;
        if (!numeric_) cell_.text = text_;
        cells_.push_back(std::move(cell_));
    }
    // A row repeated n times is n rows; empty rows are skipped without being spelled out.
    void endRow() {
        const bool empty = std::all_of(cells_.begin(), cells_.end(),
                                       [](const Cell& cell) { return cell.text.empty(); });
        for (int r = 0; r < (empty ? 1 : rowRepeats_) && !done_; ++r) {
            ++row_;
            int column = 0;
            for (const Cell& cell : cells_) {
                for (int k = 0; k < cell.repeats && column <= rows_.widestColumn(); ++k, ++column)
                    if (!cell.text.empty()) rows_.cell(row_, column, cell.text, cell.isText);
                if (column > rows_.widestColumn()) break;
            }
            if (!rows_.endRow()) done_ = true;
        }
        if (empty) row_ += rowRepeats_ - 1;
    }

    SheetRows& rows_;
    const std::string wanted_;
    bool chosen_ = false;
    int tableDepth_ = 0;
    int row_ = 0;
    int rowRepeats_ = 1;
    std::vector<Cell> cells_;
    Cell cell_;
    bool numeric_ = false;
    bool inCell_ = false;
    bool inParagraph_ = false;
    int paragraphs_ = 0;
    std::string text_;
    bool done_ = false;
};

}  // namespace

std::string OdsReader::read(const std::string& path, CaseRows& cases) {
    const ZipArchive zip(path);
    if (!zip.openError().empty()) return zip.openError();
    SheetRows rows("1", cases);
    ContentHandler content(rows, sheet_);
    if (auto error = StreamZipPart(zip, "content.xml", content); !error.empty()) return error;
    if (!sheet_.empty() && !content.foundTable()) return MissingSheetError(path, sheet_);
    if (!rows.error().empty()) return rows.error();
    notice_ = rows.textCellReport(path);
    return {};
}

}  // namespace qv
