#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <vector>

#include "core/app/Workbench.h"
#include "core/engine/EstimateCommand.h"
#include "core/ports/ScriptedPorts.h"
#include "core/rawdata/ColumnStatistics.h"
#include "tests/core/support/ExampleProject.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

class ExampleEstimate : public qv::testing::ExampleProject {
protected:
    std::vector<double> column(const std::string& name) {
        return columnNumbers(workbench_.rawData(), indicatorNamed(name) + 1).values;
    }
};

std::vector<double> centred(std::vector<double> values) {
    const double mean = statisticsOf(values).mean;
    for (double& value : values) value -= mean;
    return values;
}

TEST_F(ExampleEstimate, InteractionExampleEstimatesWithStandardizedCentredProducts) {
    open("interaction", "moderation.qvt");
    ProjectModel& model = workbench_.model();
    ASSERT_EQ(model.nProduct, 10);
    ASSERT_TRUE(EstimateCommand(workbench_).run());
    EXPECT_EQ(model.nIndicator, 34);
    // The product column recomputed from the raw data: centre, multiply, standardize.
    const std::vector<double> x = centred(column("IMAG3")), z = centred(column("PERV2"));
    std::vector<double> product(x.size());
    for (size_t r = 0; r < x.size(); ++r) product[r] = x[r] * z[r];
    const ColumnStatistics statistics = statisticsOf(product);
    const std::vector<double> written = column("IM3VA2");
    ASSERT_EQ(written.size(), 250u);
    for (size_t r = 0; r < written.size(); ++r)
        EXPECT_NEAR(written[r], (product[r] - statistics.mean) / statistics.standardDeviation, 1e-12);
    EXPECT_NE(model.indicators[indicatorNamed("IM3VA2")].loading, 0.0f);
    EXPECT_TRUE(fs::exists(folder_ / "project" / "moderation.pls"));
    EXPECT_TRUE(fs::exists(folder_ / "project" / "moderation.out"));
}

TEST_F(ExampleEstimate, SecondOrderExampleRunsTwoStagesAndKeepsFourFiles) {
    open("second-order", "brand.qvt");
    ProjectModel& model = workbench_.model();
    ASSERT_TRUE(model.hasSecondOrder);
    ASSERT_TRUE(EstimateCommand(workbench_).run());
    EXPECT_EQ(model.estimationStage, 2);
    EXPECT_EQ(model.nIndicator, 24);
    EXPECT_EQ(model.nScoreIndicator, 0);
    for (const char* name : {"brand.pls", "brand.out", "brand_2.pls", "brand_2.out"})
        EXPECT_TRUE(fs::exists(folder_ / "project" / name)) << name;
    // Satisfaction has the second-order construct as its only predictor: R-square = beta squared.
    const Construct& satisfaction = model.constructs[3];
    ASSERT_EQ(satisfaction.caption, "SAT");
    ASSERT_EQ(model.paths[0].dest, 3);
    EXPECT_NEAR(satisfaction.rSquare, model.paths[0].coefficient * model.paths[0].coefficient, 2e-6);
    EXPECT_GT(model.paths[0].coefficient, 0.5f);
    // The first-stage loadings of the linked constructs stay.
    EXPECT_GT(model.indicators[indicatorNamed("IMAG1")].loading, 0.5f);
    EXPECT_EQ(user_.lastStatus(), workbench_.texts().lookup("MSG_EstimateOK"));
}

}  // namespace
}  // namespace qv
