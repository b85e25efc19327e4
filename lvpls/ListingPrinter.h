#pragma once

#include "lvpls/Blindfolding.h"
#include "lvpls/MetricScaling.h"
#include "lvpls/PlsEstimate.h"

#include <string>
#include <string_view>
#include <vector>

namespace lvpls {

// Everything the listing shows of one estimated problem.
struct ProblemReport {
    const Problem& problem;
    const std::vector<int>& replacedCells;
    const PlsEstimate& estimate;
    const ScaledOuterModel& scaled;
    const BlindfoldResult* blindfold;  // null without blindfolding
};

// Appends a line and its CR LF.
void appendLine(std::string& out, std::string_view text);

// Input text made safe to print: control bytes become '?'; other bytes stay, so that names in
// any encoding still match the workbench's captions.
std::string printable(std::string_view text);

void appendProblemHead(std::string& out, int number, std::string_view title);
void appendErrorLine(std::string& out, std::string_view reason);
// The last line of every listing; a listing without it was cut short.
void appendClosingLine(std::string& out, int problems);
void appendEcho(std::string& out, const ProblemReport& report);
void appendPathCoefficients(std::string& out, const ProblemReport& report);
void appendOuterModel(std::string& out, const ProblemReport& report);
// For a metric other than unit variance: the Outer Model's layout with the figures of the
// standardized indicators, which the workbench's derived statistics need.
void appendStandardizedOuterModel(std::string& out, const ProblemReport& report);
void appendInnerModel(std::string& out, const ProblemReport& report);
void appendLatentCorrelations(std::string& out, const ProblemReport& report);
void appendCrossvalidation(std::string& out, const ProblemReport& report);
// In place of the cross-validation section when the rounds could not be estimated.
void appendCrossvalidationFailure(std::string& out, const std::string& reason);

}  // namespace lvpls
