#pragma once

#include <string>
#include <vector>

#include "core/report/WebReportContents.h"

namespace qv {

inline constexpr const char* kReportLinkHome = "<a href=#HOME><img src='icon_182.jpg' border=0></a>";

// The tables of the web report, each appended to the page as it is laid out there.
void AppendLoadingsSection(std::string& page, const std::vector<ReportLoadingBlock>& blocks,
                           const char* caption);
void AppendCorrelationSection(std::string& page, const ReportMatrix& matrix, bool hasSecondOrder);
void AppendSecondStageCorrelationSection(std::string& page, const ReportMatrix& matrix);
void AppendReliabilitySection(std::string& page, const std::vector<ReliabilityRow>& rows);
void AppendRSquareSection(std::string& page, const ReportRSquare& rSquare);
void AppendScoresSection(std::string& page, const std::vector<std::string>& captions,
                         const std::vector<ReportScoreRow>& scores);

}  // namespace qv
