#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/assessment/FigureTable.h"
#include "core/ports/DiagramPicture.h"
#include "core/results/LoadingsTable.h"
#include "core/results/Reliability.h"

namespace qv {

// Everything the web report shows, computed before a line of it is written.

// An indicator's row: the same figures as the loadings table's.
using ReportLoadingRow = LoadingRow;

// A construct's rows; colourIndex picks the row colour (the construct's index).
struct ReportLoadingBlock {
    int colourIndex = 0;
    std::string construct;
    std::vector<ReportLoadingRow> rows;
};

// A lower triangle: the column captions and each row's caption with its values.
struct ReportMatrixRow {
    std::string caption;
    std::vector<double> values;
};
struct ReportMatrix {
    std::vector<std::string> columns;
    std::vector<ReportMatrixRow> rows;
};

struct ReportRSquareRow {
    std::string construct;
    float rSquare = 0;
    float q2 = 0;
    float q2sd = 0;
    std::string q2Missing;  // why there is no Q-square; empty when there is one
};
struct ReportRSquare {
    int q2Kind = 0;  // 0 no blindfolding, 1 redundancy, otherwise communality
    std::vector<ReportRSquareRow> rows;
};

// One case's construct scores; an empty cell has no value.
using ReportScoreRow = std::vector<std::optional<double>>;

enum class FactorStructureSection {
    Copied,        // the computed section
    NotComputed,   // the structure could not be computed: a short note stands in its place
    Missing        // the section was computed but could not be read back: left out
};

// A section the page leaves out is left out of its contents list too, so that every entry
// of the list leads somewhere.
struct WebReportContents {
    std::string dateText;  // 24 characters and a line break
    bool consistent = false;  // the figures are corrected by consistent PLS: the page says so
    bool picture = false;  // "Model.bmp" was written beside the report
    std::optional<PictureSize> pictureShown;  // the size the page shows it at, when known
    std::vector<ReportLoadingBlock> loadings;
    std::optional<std::vector<ReportLoadingBlock>> secondOrderLoadings;
    bool hasSecondOrder = false;
    ReportMatrix correlations;
    std::optional<ReportMatrix> secondStageCorrelations;
    std::vector<ReliabilityRow> reliability;
    std::optional<ReportRSquare> rSquare;  // only after an ordinary estimate with paths
    FactorStructureSection factorStructureState = FactorStructureSection::Missing;
    std::string factorStructure;  // the "efa.html" bytes when copied
    std::vector<std::string> scoreCaptions;
    std::vector<ReportScoreRow> scores;
    // The "_bt.html" and "_jk.html" bytes, after a run of that kind whose section could be read.
    std::optional<std::string> bootstrapSection;
    std::optional<std::string> jackknifeSection;
    // The assessment's sections; none for a model the assessment does not cover.
    std::vector<FigureSection> assessment;
    // The bootstrap's inference ("inference.html"), after a bootstrap that computed it.
    std::optional<std::string> inferenceSection;
    // The out-of-sample prediction of the estimated model, when one was made.
    std::optional<FigureSection> prediction;
};

}  // namespace qv
