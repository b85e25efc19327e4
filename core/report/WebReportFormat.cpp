#include "core/report/WebReportFormat.h"

#include "core/app/Version.h"
#include "core/assessment/AssessmentTables.h"
#include "core/consistent/ConsistentParameter.h"
#include "core/engine/AppendFormat.h"
#include "core/report/FigureSectionHtml.h"
#include "core/report/PictureArea.h"
#include "core/report/WebReportSections.h"

namespace qv {
namespace {

constexpr const char* kContentsBegin =
    "<center><table><tr><td><font size=3 face='Times New Roman'><ul dynamicoutline>";
constexpr const char* kLoadingItem = "\t<li><a href=#LOADING>Factor Loading, Residual and Weights</a></li>";
constexpr const char* kCorrelationItem = "\t<li><a href=#CORR>Correlation of Latent Variables</a></li>";
constexpr const char* kReliabilityItem = "\t<li><a href=#AVE>Reliability and AVE</a></li>";
constexpr const char* kRSquareItem =
    "        <li><a href=#RSquare>Variance Explained and Predictive Relevance</a></li>";
constexpr const char* kStructureItem =
    "\t<li><a href=#EFA>Factor Structure Matrix of Loadings and Cross-Loadings</a></li>";
constexpr const char* kScoresItem = "        <li><a href=#FScore>Factor Score of Latent Variables</a></li>";
constexpr const char* kBootstrapItem =
    "<li><a href=#BootStrap>Result of BootStrap Estimate</a><ul>"
    "\t\t<li><a href=#BootStrapLOADING>Measurement Mode(Loading)</a></li>"
    "\t\t<li><a href=#BootStrapWEIGHT>Measurement Mode(Weight)</a></li>"
    "\t\t<li><a href=#BootStrapPATH>Structural Model</a></li>        \t</ul>";
constexpr const char* kJackknifeItem =
    "<li><a href=#JackKnife>Result of JackKnife Estimate </a>                \t<ul>"
    "\t\t        <li><a href=#JackKnifeLOADING>Measurement Mode(Loading)</a></li>"
    "        \t\t<li><a href=#JackKnifeWEIGHT>Measurement Mode(Weight)</a></li>"
    "\t        \t<li><a href=#JackKnifePATH>Structural Model</a></li>                \t</ul>";
constexpr const char* kStructureNotComputed =
    "<a name=EFA><hr>At least one of the variables has zero variance.\nNo further statistics "
    "will be computed for Factor Structure Matrix of Loadings and Cross-Loadings.<HR>";

void appendContents(std::string& page, const WebReportContents& contents) {
    page += kContentsBegin;
    page += kLoadingItem;
    page += kCorrelationItem;
    page += kReliabilityItem;
    if (contents.rSquare) page += kRSquareItem;
    if (contents.factorStructureState != FactorStructureSection::Missing) page += kStructureItem;
    page += kScoresItem;
    for (const FigureSection& section : contents.assessment) page += FigureSectionEntry(section);
    if (contents.bootstrapSection) page += kBootstrapItem;
    if (contents.inferenceSection) page += FigureSectionEntry({kInferenceAnchor, kInferenceCaption, {}});
    if (contents.jackknifeSection) page += kJackknifeItem;
    if (contents.prediction) page += FigureSectionEntry(*contents.prediction);
    page += "</ul>";
    page += contents.picture ? "<td>" + PictureTag(contents.pictureShown) + "</table>"
                             : "<td><i>No picture of the diagram was made.</i></table>";
}

void appendFactorStructure(std::string& page, const WebReportContents& contents) {
    if (contents.factorStructureState == FactorStructureSection::Copied)
        page += contents.factorStructure;
    else if (contents.factorStructureState == FactorStructureSection::NotComputed)
        page += kStructureNotComputed;
}

}  // namespace

void AppendReportHead(std::string& page, const std::string& dateText) {
    page += "<HTML>\n<HEAD>\n<TITLE>Quorvanta Report</TITLE>\n"
            "<link rel=stylesheet type=text/css href=style.css></HEAD>\n<BODY>\n"
            "<a name=HOME><H1>Quorvanta Report</H1></a>";
    AppendFormat(page, "<div align=right>%s</div><HR width=90%%>", dateText.c_str());
}

std::string ReportDateText(const std::tm& time) {
    static const char* const kWeekdays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::string text;
    AppendFormat(text, "%s %s %2d %02d:%02d:%02d %d\n", kWeekdays[(time.tm_wday % 7 + 7) % 7],
                 kMonths[(time.tm_mon % 12 + 12) % 12], time.tm_mday, time.tm_hour, time.tm_min,
                 time.tm_sec, time.tm_year + 1900);
    return text;
}

std::string ReportFoot() {
    return std::string("<HR width=80%>\n<div align=right><font size=2>Quorvanta ") + kProgramVersion +
           "</font></div>\n</BODY>\n</HTML>\n";
}

std::string FormatWebReport(const WebReportContents& contents) {
    std::string page;
    AppendReportHead(page, contents.dateText);
    if (contents.consistent)
        page += std::string("<p><b>") + kConsistentCaption +
                "</b>: loadings, construct correlations, paths and R-square corrected for attenuation.</p>\n";
    appendContents(page, contents);
    AppendLoadingsSection(page, contents.loadings, "Factor Loading, Residual and Weights");
    if (contents.secondOrderLoadings)
        AppendLoadingsSection(page, *contents.secondOrderLoadings,
                              "2nd order Factor Loading, Residual and Weights");
    AppendCorrelationSection(page, contents.correlations, contents.hasSecondOrder);
    if (contents.secondStageCorrelations)
        AppendSecondStageCorrelationSection(page, *contents.secondStageCorrelations);
    AppendReliabilitySection(page, contents.reliability);
    if (contents.rSquare) AppendRSquareSection(page, *contents.rSquare);
    appendFactorStructure(page, contents);
    AppendScoresSection(page, contents.scoreCaptions, contents.scores);
    for (const FigureSection& section : contents.assessment) AppendFigureSection(page, section);
    if (contents.bootstrapSection) page += "<HR>" + *contents.bootstrapSection;
    if (contents.inferenceSection) page += *contents.inferenceSection;
    if (contents.jackknifeSection) page += "<HR>" + *contents.jackknifeSection;
    if (contents.prediction) AppendFigureSection(page, *contents.prediction);
    page += ReportFoot();
    return page;
}

}  // namespace qv
