#include "core/results/ResamplingSummaryHtml.h"

#include "core/engine/AppendFormat.h"
#include "core/model/ConsistentCaption.h"
#include "core/report/HtmlText.h"

namespace qv {
namespace {

constexpr const char* kLinkHome = "<a href=#HOME><img src='icon_182.jpg' border=0></a>";
constexpr const char* kBootstrapHeader =
    "<TR bgcolor=008080><TH><TH><TH>Entire<BR>Sample<BR>estimate<TH>Mean<BR>of<BR>Subsamples"
    "<TH>Standard<BR>error<TH>T-Statistic\n";
constexpr const char* kJackknifeHeader =
    "<TR bgcolor=008080><TH><TH><TH>Entire<BR>Sample<BR>estimate<TH>Mean<BR>of<BR>Subsamples<BR>"
    "<TH>Jackknife<BR>estimate<TH>Standard<BR>error<TH>T-Statistic<TH>Standard<BR>error<BR>"
    "(Adjusted)<TH>T-Statistic<BR>(Adjusted)\n";

const char* colour(int index) { return index % 2 == 0 ? "FFFFDD" : "FFDDFF"; }

// "%8s" (right) or "%-8s" of the escaped name, padded by the width of the name as it reads.
std::string padded(const std::string& name, size_t width, bool right) {
    const std::string blanks(name.size() < width ? width - name.size() : 0, ' ');
    return right ? blanks + HtmlEscaped(name) : HtmlEscaped(name) + blanks;
}

const char* headerRow(SampleKind kind) {
    return kind == SampleKind::Jackknife ? kJackknifeHeader : kBootstrapHeader;
}

void appendFigures(std::string& out, const Figures& figures) {
    for (const std::optional<double>& figure : figures) {
        if (figure)
            AppendFormat(out, "<TD>%8.4f", *figure);
        else
            out += "<TD>N.A.";
    }
    out += '\n';
}

// laterCell: the empty construct cell of a construct's later rows.
void appendIndicatorRows(std::string& out, const std::vector<SummaryRow>& rows,
                         const char* laterCell) {
    for (const SummaryRow& row : rows) {
        AppendFormat(out, "<TR align=right bgcolor=%s>", colour(row.index));
        if (row.first)
            AppendFormat(out, "<TD align=left>%s", HtmlEscaped(row.construct).c_str());
        else
            out += laterCell;
        AppendFormat(out, "<TD align=left>%s", HtmlEscaped(row.name).c_str());
        appendFigures(out, row.figures);
    }
    out += "</table>\n";
}

}  // namespace

std::string FormatSummaryHtml(const SummaryTable& table) {
    const char* kind = KindWord(table.kind);
    std::string out;
    AppendFormat(out, "<center><U><h2><a name=%s>Result of %s Estimate</a></h2></U>\n", kind, kind);
    if (table.consistent) AppendFormat(out, "<p><b>%s</b>: %s</p>\n", kConsistentCaption, kConsistentResampling);
    out += "<P><table border=0 width=80%>";
    AppendFormat(out,
                 "<caption><U><B><a name=%sLOADING>Measurement Mode(Loading)--%s</a></B></U>"
                 "</caption>\n",
                 kind, kind);
    out += kLinkHome;
    out += headerRow(table.kind);
    appendIndicatorRows(out, table.loadings, "<TD>  ");
    out += "<P><center><table border=0 width=80%>";
    AppendFormat(out,
                 "<caption><U><B><a name=%sWEIGHT>Measurement Mode(Weight)--%s</a></B></U>"
                 "</caption>%s\n",
                 kind, kind, kLinkHome);
    out += headerRow(table.kind);
    appendIndicatorRows(out, table.weights, "<TD>");
    out += "<P><center><table border=0 width=80%>";
    out += kLinkHome;
    AppendFormat(out, "<caption><U><B><a name=%sPATH>Structural Model--%s</a></B></U></caption>\n",
                 kind, kind);
    out += headerRow(table.kind);
    for (const SummaryRow& row : table.paths) {
        AppendFormat(out, "<TR align=right bgcolor=%s><TD><TD align=left>%s->%s", colour(row.index),
                     padded(row.name, 8, true).c_str(), padded(row.dest, 8, false).c_str());
        appendFigures(out, row.figures);
    }
    out += "</table>\n";
    return out;
}

}  // namespace qv
