#include "core/report/WebReportSections.h"

#include <algorithm>

#include "core/engine/AppendFormat.h"
#include "core/report/HtmlText.h"

namespace qv {
namespace {

const char* rowColour(int index) { return index % 2 == 0 ? "FFFFDD" : "FFDDFF"; }

void appendEscaped(std::string& page, const char* format, const std::string& text) {
    AppendFormat(page, format, HtmlEscaped(text).c_str());
}

constexpr const char* kTableWithBackground = "<table border=0 width=80% bgcolor=FFFFDD>";

}  // namespace

void AppendLoadingsSection(std::string& page, const std::vector<ReportLoadingBlock>& blocks,
                           const char* caption) {
    page += "<P><center><table border=0 width=80%>";
    AppendFormat(page, "<caption><U><B><a name=LOADING>%s</a></B></U></caption>%s\n", caption,
                 kReportLinkHome);
    page += "<tr align=right bgcolor=008080><th align=center>Construct<th>Indicator<th>Mean"
            "<th>Stdev<th>Loading<th>Residual<th>Weight";
    for (const ReportLoadingBlock& block : blocks) {
        const char* colour = rowColour(block.colourIndex);
        // A rowspan of 0 would stretch the cell over the rest of the table.
        const int rows = std::max(static_cast<int>(block.rows.size()), 1);
        AppendFormat(page, "\n<tr align=right bgcolor=%s><td rowspan=%d align=center>%s", colour,
                     rows, HtmlEscaped(block.construct).c_str());
        for (size_t r = 0; r < block.rows.size(); ++r) {
            const ReportLoadingRow& row = block.rows[r];
            if (r > 0) AppendFormat(page, "\n<tr align=right bgcolor=%s>", colour);
            AppendFormat(page, "<td>%s<td>%f<td>%f<td>%f<td>%f<td>%f",
                         HtmlEscaped(row.indicator).c_str(), row.mean, row.stdev, row.loading,
                         row.residual, row.weight);
        }
    }
    page += "</table></center>";
}

void AppendCorrelationSection(std::string& page, const ReportMatrix& matrix, bool hasSecondOrder) {
    page += "<hr><P><center>";
    page += kTableWithBackground;
    AppendFormat(page, "<caption><U><B><a name=CORR>Correlation of Latent Variables%s</a></B></U>"
                       "</caption>%s\n",
                 hasSecondOrder ? "- 1st order" : "", kReportLinkHome);
    page += "\n<tr align=right><td  bgcolor=008080>";
    for (const std::string& column : matrix.columns) appendEscaped(page, "<th bgcolor=008080>%s", column);
    for (const ReportMatrixRow& row : matrix.rows) {
        appendEscaped(page, "<tr align=right><th align=left bgcolor=008080>%s", row.caption);
        for (double value : row.values) AppendFormat(page, "<td>%5.3f", value);
        page += "\n";
    }
    page += "</table></center>";
}

void AppendSecondStageCorrelationSection(std::string& page, const ReportMatrix& matrix) {
    page += "<hr><P><center>";
    page += kTableWithBackground;
    AppendFormat(page, "<caption><U><B>Correlation of Latent Variables- 2nd order</a></B></U>"
                       "</caption>%s\n",
                 kReportLinkHome);
    page += "\n<tr align=right><td  bgcolor=008080>";
    for (const std::string& column : matrix.columns) appendEscaped(page, "<th bgcolor=008080>%s", column);
    for (const ReportMatrixRow& row : matrix.rows) {
        appendEscaped(page, "<tr align=right><th align=left bgcolor=008080>%s", row.caption);
        for (double value : row.values) AppendFormat(page, "<td>%5.3f", value);
    }
    page += "</table></center>";
}

void AppendReliabilitySection(std::string& page, const std::vector<ReliabilityRow>& rows) {
    page += "<hr><p><center>";
    page += kTableWithBackground;
    page += "\n<caption><u><b><a name=AVE>Reliability and AVE</a></u></b></caption>\n";
    page += kReportLinkHome;
    AppendFormat(page,
                 "\n<tr align=center bgcolor=008080><th width=25%%>Construct<th width=25%%>Composite "
                 "Reliability<th width=25%%>AVE<th width=25%%>Cronbach Alpha (%s)\n",
                 kAlphaMissingDataNote);
    for (size_t k = 0; k < rows.size(); ++k)
        AppendFormat(page, "<tr bgcolor=%s align=right><td align=center>%s<td>%s<td>%s<td>%s\n",
                     rowColour(static_cast<int>(k)), HtmlEscaped(rows[k].construct).c_str(),
                     ReliabilityFigureText(rows[k].compositeReliability).c_str(),
                     ReliabilityFigureText(rows[k].ave).c_str(),
                     ReliabilityFigureText(rows[k].cronbachAlpha).c_str());
    page += "</table></center>";
}

void AppendRSquareSection(std::string& page, const ReportRSquare& rSquare) {
    page += "<hr><p><center>";
    page += kTableWithBackground;
    page += "\n<caption><u><b><a name=RSquare>Variance Explained and Predictive Relevance</a>"
            "</u></b></caption>\n";
    page += kReportLinkHome;
    page += "\n<tr align=center bgcolor=008080><th width=25%>Dependent Variable<th width=25%>R square";
    if (rSquare.q2Kind != 0)
        AppendFormat(page, "<th width=25%%>Stone-Geisser Q2 <BR>(%s)<th width=25%%>SD\n",
                     rSquare.q2Kind == 1 ? "Redundancy" : "Communality");
    for (const ReportRSquareRow& row : rSquare.rows) {
        AppendFormat(page, "<tr><td align=center>%s<td align=right>%f",
                     HtmlEscaped(row.construct).c_str(), row.rSquare);
        if (rSquare.q2Kind != 0 && !row.q2Missing.empty())
            page += "<td align=right>n/a (" + HtmlEscaped(row.q2Missing) + ")<td align=right>n/a";
        else if (rSquare.q2Kind != 0)
            AppendFormat(page, "<td align=right>%f<td align=right>%f", row.q2, row.q2sd);
    }
    page += "</table></center>";
}

void AppendScoresSection(std::string& page, const std::vector<std::string>& captions,
                         const std::vector<ReportScoreRow>& scores) {
    page += "<hr><p><center>";
    page += kTableWithBackground;
    page += "\n<caption><u><b><a name=FScore>Factor Score of Latent Variables</a></u></b>"
            "</caption>\n";
    page += kReportLinkHome;
    page += "<tr align=center bgcolor=008080>";
    for (const std::string& caption : captions) appendEscaped(page, "<th>%s", caption);
    for (const ReportScoreRow& row : scores) {
        page += "<tr>";
        for (const std::optional<double>& score : row) {
            if (score)
                AppendFormat(page, "<td align=right>%-6.4f", *score);
            else
                page += "<td align=right>";
        }
    }
    page += "</table></center>";
}

}  // namespace qv
