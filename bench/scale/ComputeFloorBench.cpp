// The engine's compute floor for a bootstrap of the ECSI example: every subsample's data
// taken from the matrix in memory (no control file, no parsing, no listing) and estimated
// as the engine estimates it, on one thread. Prints the time, to set beside the end-to-end
// figure of resampling_bench.
//
//   compute_floor_bench [SUBSAMPLES]      (default 5000)

#include "lvpls/MetricScaling.h"
#include "lvpls/MissingValues.h"
#include "lvpls/PlsEstimate.h"
#include "tests/lvpls/support/ProblemFixture.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    using namespace lvpls;
    const int subsamples = argc > 1 ? std::atoi(argv[1]) : 5000;
    const testing::DataSet data = testing::mobiData();
    testing::ControlRun run = testing::ecsiRun();
    run.missingCode = 0;  // as the workbench writes the example: its missing-value code is 0
    const Problem full = testing::parseRun(run, data);
    Problem drawn = full;
    double checksum = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int s = 0; s <= subsamples; ++s) {
        const std::vector<int> rows = s < subsamples ? testing::bootstrapCases(250, unsigned(s)) : std::vector<int>();
        drawn.data = s < subsamples ? Eigen::MatrixXd(full.data(rows, Eigen::all)) : full.data;
        const std::vector<int> replaced = replaceMissingByMeans(drawn.data, drawn.missingCodes, drawn.model);
        const StandardizedData described = describeData(drawn.data, drawn.model);
        const PlsEstimate estimate = estimatePls(drawn.model, described.correlations, drawn.settings);
        const ScaledOuterModel scaled = scaleForMetric(drawn.metric, drawn.model, estimate, described);
        checksum += estimate.pathCoefficients.sum() + double(replaced.size());
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("ECSI, %d subsamples and the entire sample estimated from memory on one thread: %.3f s "
                "(checksum %.6f)\n", subsamples, seconds, checksum);
    return 0;
}
