#include "lvpls/MissingValues.h"

#include "lvpls/ProblemError.h"

namespace lvpls {

std::vector<int> replaceMissingByMeans(Eigen::MatrixXd& data, const std::vector<double>& codes,
                                       const PathModel& model) {
    std::vector<int> replaced(data.cols(), 0);
    if (codes.empty()) return replaced;
    for (Eigen::Index column = 0; column < data.cols(); ++column) {
        auto values = data.col(column);
        const double code = codes[column];
        double sum = 0;
        for (Eigen::Index row = 0; row < values.size(); ++row) {
            if (values(row) == code) {
                ++replaced[column];
            } else {
                sum += values(row);
            }
        }
        if (replaced[column] == 0) continue;
        const Eigen::Index available = values.size() - replaced[column];
        if (available == 0) {
            throw ProblemError("indicator " + model.indicatorName(int(column)) + " has no value but the missing code");
        }
        const double mean = sum / double(available);
        for (Eigen::Index row = 0; row < values.size(); ++row) {
            if (values(row) == code) values(row) = mean;
        }
    }
    return replaced;
}

}  // namespace lvpls
