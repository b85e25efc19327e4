#pragma once

#include <optional>
#include <string>

#include <Eigen/Dense>

#include "core/assessment/ModelShape.h"
#include "core/rawdata/RawDataTable.h"

namespace qv {

// The indicator values the assessment works on, one column per indicator of the shape.
// Cells holding the missing-value code take their column's mean, as the engine does.
struct AssessmentData {
    Eigen::MatrixXd raw;           // cases x indicators, as read (after mean replacement)
    Eigen::MatrixXd standardized;  // each column centred, divided by its SD (divisor n - 1)
    std::string error;             // why the data cannot be assessed; empty when they can

    int cases() const { return static_cast<int>(raw.rows()); }
};

// Reads the grid columns of the shape's indicators. A cell that is not a number, a column
// without variance and fewer cases than the assessment needs end in an error that names
// the indicator and the reason.
AssessmentData ReadAssessmentData(const ModelShape& shape, const RawDataTable& table,
                                  std::optional<double> missingCode);

// The correlations of the standardized columns.
Eigen::MatrixXd IndicatorCorrelations(const AssessmentData& data);

}  // namespace qv
