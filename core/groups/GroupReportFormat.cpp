#include "core/groups/GroupReportFormat.h"

#include "core/engine/AppendFormat.h"
#include "core/report/HtmlText.h"
#include "core/report/PictureArea.h"
#include "core/report/WebReportFormat.h"

namespace qv {
namespace {

constexpr const char* kTableHead =
    "<p><p><caption><U><B>Results of MultiGroup t test </a></B></U></caption>\n"
    "\n<table border=1 width=100% bgcolor=FFFFDD>"
    "<tr bgcolor=008080 align=center><td rowspan=2><font color=white>Path<td colspan=3>"
    "<font color=white><font color=white>Group 1<td colspan=3><font color=white>Group 2"
    "<td rowspan=2><font color=white>Difference<td rowspan=2><font color=white>df"
    "<td rowspan=2><font color=white>t-statistics"
    "<tr bgcolor=008080 align=center><td><font color=white>Path<td><font color=white>Stdev"
    "<td><font color=white>t-statistics<td><font color=white>Path<td><font color=white>Stdev"
    "<td><font color=white>t-statistics";

void appendRow(std::string& page, const GroupComparisonRow& row, int df) {
    AppendFormat(page, "<tr align=right><td align=center>%s -> %s",
                 HtmlEscaped(row.source).c_str(), HtmlEscaped(row.destination).c_str());
    AppendFormat(page, "<td>%5.3f<td>%5.3f<td>%5.3f", row.coefficient1, row.se1, row.t1);
    AppendFormat(page, "<td>%5.3f<td>%5.3f<td>%5.3f", row.coefficient2, row.se2, row.t2);
    AppendFormat(page, "<td>%5.3f<td>%d<td>%5.3f", row.difference, df, row.statistic);
}

}  // namespace

std::string FormatGroupReport(const std::vector<GroupComparisonRow>& rows, int df,
                              const std::string& dateText, bool picture, const std::optional<PictureSize>& shown,
                              const std::string& note) {
    std::string page;
    AppendReportHead(page, dateText);
    page += picture ? "<center>" + PictureTag(shown) : "<center>";
    page += kTableHead;
    for (const GroupComparisonRow& row : rows) appendRow(page, row, df);
    page += "</table>";
    if (!note.empty()) page += "<p>" + HtmlEscaped(note) + "\n";
    page += ReportFoot();
    return page;
}

}  // namespace qv
