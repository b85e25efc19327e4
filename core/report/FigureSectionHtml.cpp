#include "core/report/FigureSectionHtml.h"

#include "core/report/HtmlText.h"
#include "core/report/WebReportSections.h"

namespace qv {
namespace {

void appendRow(std::string& page, const std::vector<std::string>& row, bool header) {
    page += header ? "<tr align=right bgcolor=008080>" : "<tr align=right>";
    for (size_t c = 0; c < row.size(); ++c) {
        page += header ? "<th" : "<td";
        page += c == 0 ? " align=left>" : ">";
        page += HtmlEscaped(row[c]);
    }
    page += "\n";
}

}  // namespace

void AppendFigureSection(std::string& page, const FigureSection& section) {
    page += "<hr><p><center><a name=" + section.anchor + "><h3>" + HtmlEscaped(section.caption) + "</h3></a>";
    page += kReportLinkHome;
    page += "\n";
    for (const FigureTable& table : section.tables) {
        page += "<table border=0 width=80% bgcolor=FFFFDD>\n<caption><u><b>" + HtmlEscaped(table.title) +
                "</b></u></caption>\n";
        for (size_t r = 0; r < table.rows.size(); ++r) appendRow(page, table.rows[r], r == 0);
        page += "</table><br>\n";
    }
    page += "</center>";
}

std::string FigureSectionEntry(const FigureSection& section) {
    return "\t<li><a href=#" + section.anchor + ">" + HtmlEscaped(section.caption) + "</a></li>";
}

}  // namespace qv
