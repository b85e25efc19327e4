#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/results/ResamplingRun.h"
#include "core/results/ResamplingStatistics.h"
#include "tests/core/support/ExampleProject.h"

namespace qv {
namespace {

using ResamplingExample = qv::testing::ExampleProject;

int pathBetween(const ProjectModel& model, const std::string& from, const std::string& to) {
    for (int p = 0; p < model.nPath; ++p) {
        const Path& path = model.paths[p];
        if (model.constructs[path.src].caption == from && model.constructs[path.dest].caption == to)
            return p;
    }
    return -1;
}

// The interaction term's coefficient lies near zero, so its subsamples fall on both sides:
// over absolute values its standard error came out far too small.
TEST_F(ResamplingExample, TheInteractionsStandardErrorIsThatOfTheSignedSubsamples) {
    open("interaction", "moderation.qvt");
    workbench_.resampling().nSample = "500";
    workbench_.resampling().seed = "20261207";
    ResamplingRun run(workbench_);
    ASSERT_TRUE(run.run(SampleKind::Bootstrap));
    const ProjectModel& model = workbench_.model();
    const int p = pathBetween(model, "IMxVAL", "SAT");
    ASSERT_GE(p, 0);
    const std::span<const float> signedValues = run.alignedSubsamples().coefficients(p);
    ASSERT_EQ(signedValues.size(), 500u);
    std::vector<float> absolute;
    for (float value : signedValues) absolute.push_back(std::fabs(value));
    const double absoluteError = SubsampleStatistics(absolute).sd;

    const Path& path = model.paths[p];
    EXPECT_NEAR(path.coefficientSE, 0.079, 0.008);
    EXPECT_NEAR(absoluteError, 0.049, 0.008);
    EXPECT_NEAR(path.coefficientSE, SubsampleStatistics(signedValues).sd, 1e-9);
    EXPECT_NEAR(path.coefficientT, path.coefficient / path.coefficientSE, 1e-4);
}

}  // namespace
}  // namespace qv
