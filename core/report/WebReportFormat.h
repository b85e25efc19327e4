#pragma once

#include <ctime>
#include <string>

#include "core/report/WebReportContents.h"

namespace qv {

// "Sun Dec  6 21:05:01 2026\n": the fixed-width date and time of the report head, in English
// whatever the locale.
std::string ReportDateText(const std::tm& time);

// The head every report page begins with (title, style sheet, the HOME anchor, the date) and
// the foot it ends with.
void AppendReportHead(std::string& page, const std::string& dateText);
// The end of every report page, naming the program's version.
std::string ReportFoot();

// The whole "WebOutput.html" page: head, contents and picture, then the sections in order.
// Every caption is escaped; the fragments are copied as they are.
std::string FormatWebReport(const WebReportContents& contents);

}  // namespace qv
