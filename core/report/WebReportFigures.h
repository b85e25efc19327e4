#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/ProjectModel.h"
#include "core/rawdata/RawDataTable.h"
#include "core/report/WebReportContents.h"
#include "core/results/CorrelationTable.h"

namespace qv {

struct ReportLoadings {
    std::vector<ReportLoadingBlock> blocks;
    std::string error;  // the conversion error of a data cell that is not a number
};

// Every construct with each of its indicators among the first indicatorCount, estimated or
// not, beside the mean and deviation (divisor n - 1) of its data column without the cells
// that hold the missing-value code.
ReportLoadings ComputeReportLoadings(const ProjectModel& model, const RawDataTable& table,
                                     int indicatorCount, std::optional<double> missingCode);

// The second-order constructs with the score indicators of their estimated members; the
// grid must hold the construct scores.
ReportLoadings ComputeSecondOrderLoadings(const ProjectModel& model, const RawDataTable& table,
                                          std::optional<double> missingCode);

// The first-order matrix: the columns are all participants but the last, the rows all but
// the first with the values left of their diagonal.
ReportMatrix FirstOrderReportMatrix(const ProjectModel& model, const CorrelationMatrix& matrix);

// The second-stage matrix from its listing: every participant is a column and a row, and each
// row ends with its diagonal.
ReportMatrix SecondStageReportMatrix(const ProjectModel& model, std::string_view listing);

// R-square (and Q-square) of the constructs flagged for blindfolding by the last ordinary
// estimate; nothing when none is flagged, as after a resampling run.
std::optional<ReportRSquare> ReportRSquareOf(const ProjectModel& model);

// The captions of the score columns and every case's scores.
void ReadReportScores(const ProjectModel& model, const RawDataTable& table,
                      WebReportContents& contents);

}  // namespace qv
