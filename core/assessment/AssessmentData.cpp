#include "core/assessment/AssessmentData.h"

#include "core/rawdata/ColumnStatistics.h"
#include "core/results/MeanReplacement.h"

namespace qv {
namespace {

// Adjusted R-square divides by n - k - 1, so with k predictors at most K - 1.
int minimumCases(const ModelShape& shape) { return shape.constructCount() + 1; }

}  // namespace

AssessmentData ReadAssessmentData(const ModelShape& shape, const RawDataTable& table,
                                  std::optional<double> missingCode) {
    AssessmentData data;
    const int cases = table.caseCount();
    if (cases < minimumCases(shape)) {
        data.error = "The assessment needs at least " + std::to_string(minimumCases(shape)) +
                     " cases; the data hold " + std::to_string(cases) + ".";
        return data;
    }
    data.raw.resize(cases, shape.indicatorCount());
    data.standardized.resize(cases, shape.indicatorCount());
    for (int i = 0; i < shape.indicatorCount(); ++i) {
        const std::string& name = shape.indicators[static_cast<size_t>(i)];
        ColumnNumbers numbers = columnNumbers(table, shape.modelIndicators[static_cast<size_t>(i)] + 1);
        if (!numbers.error.empty() || static_cast<int>(numbers.values.size()) != cases) {
            data.error = "Indicator " + name + ": " + numbers.error;
            return data;
        }
        ReplaceMissingByMean(numbers.values, missingCode);
        data.raw.col(i) = Eigen::Map<const Eigen::VectorXd>(numbers.values.data(), cases);
        const double mean = data.raw.col(i).mean();
        const Eigen::VectorXd centred = data.raw.col(i).array() - mean;
        const double sd = std::sqrt(centred.squaredNorm() / (cases - 1));
        if (!(sd > 1e-12 * (std::abs(mean) + 1))) {
            data.error = "Indicator " + name + " has the same value in every case.";
            return data;
        }
        data.standardized.col(i) = centred / sd;
    }
    return data;
}

Eigen::MatrixXd IndicatorCorrelations(const AssessmentData& data) {
    const Eigen::MatrixXd& z = data.standardized;
    Eigen::MatrixXd r = (z.transpose() * z) / static_cast<double>(z.rows() - 1);
    r.diagonal().setOnes();
    return r;
}

}  // namespace qv
