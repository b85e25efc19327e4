#pragma once

// Reads a written .xlsx workbook back for tests: its sheet names in order and each sheet's
// cells, told apart as numbers (a bare <v>) and texts (shared or inline strings).
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

#include "core/rawdata/formats/ZipArchive.h"

namespace qv::test {

struct WorkbookCell {
    bool number = false;
    std::string text;  // the stored text: a number's digits, or the string
    int style = 0;
};

// Cells by (row, column), both from 0.
using SheetCells = std::map<std::pair<int, int>, WorkbookCell>;

class WorkbookCells {
public:
    explicit WorkbookCells(const std::string& path) : zip_(path) {
        if (!zip_.openError().empty()) return;
        const pugi::xml_document book = part("xl/workbook.xml");
        for (pugi::xml_node sheet : book.child("workbook").child("sheets").children("sheet"))
            sheets_.push_back(sheet.attribute("name").value());
        const pugi::xml_document strings = part("xl/sharedStrings.xml");
        for (pugi::xml_node item : strings.child("sst").children("si")) shared_.push_back(item.child("t").text().get());
        const pugi::xml_document styles = part("xl/styles.xml");
        for (pugi::xml_node format : styles.child("styleSheet").child("cellXfs").children("xf")) {
            const int font = format.attribute("fontId").as_int();
            int at = 0;
            bool bold = false;
            for (pugi::xml_node f : styles.child("styleSheet").child("fonts").children("font"))
                if (at++ == font) bold = static_cast<bool>(f.child("b"));
            boldStyles_.push_back(bold);
        }
    }

    bool opened() const { return zip_.openError().empty(); }
    const std::vector<std::string>& sheets() const { return sheets_; }
    bool bold(const WorkbookCell& cell) const {
        return cell.style >= 0 && static_cast<size_t>(cell.style) < boldStyles_.size() && boldStyles_[cell.style];
    }

    // The sheet at position index (the writer names its parts in sheet order).
    SheetCells sheet(size_t index) const {
        SheetCells cells;
        const pugi::xml_document xml = part("xl/worksheets/sheet" + std::to_string(index + 1) + ".xml");
        for (pugi::xml_node row : xml.child("worksheet").child("sheetData").children("row"))
            for (pugi::xml_node c : row.children("c")) {
                WorkbookCell cell;
                const std::string type = c.attribute("t").value();
                cell.style = c.attribute("s").as_int();
                cell.number = type.empty() || type == "n";
                cell.text = type == "s" ? shared_.at(c.child("v").text().as_uint())
                            : type == "inlineStr" ? c.child("is").child("t").text().get()
                                                  : c.child("v").text().get();
                cells[position(c.attribute("r").value())] = cell;
            }
        return cells;
    }

private:
    // "C12" as (11, 2).
    static std::pair<int, int> position(const std::string& reference) {
        int column = 0;
        size_t at = 0;
        for (; at < reference.size() && reference[at] >= 'A' && reference[at] <= 'Z'; ++at)
            column = column * 26 + (reference[at] - 'A' + 1);
        return {std::stoi(reference.substr(at)) - 1, column - 1};
    }

    pugi::xml_document part(const std::string& name) const {
        std::string bytes;
        zip_.readPart(name, [&bytes](std::string_view piece) {
            bytes.append(piece);
            return true;
        });
        pugi::xml_document xml;
        xml.load_string(bytes.c_str());
        return xml;
    }

    ZipArchive zip_;
    std::vector<std::string> sheets_;
    std::vector<std::string> shared_;
    std::vector<bool> boldStyles_;
};

}  // namespace qv::test
