#include "lvpls/CardParser.h"
#include "lvpls/PlsEstimate.h"
#include "lvpls/StandardizedData.h"
#include "tests/lvpls/support/ControlFileBuilder.h"
#include "tests/lvpls/support/EngineProcess.h"
#include "tests/lvpls/support/ListingRules.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <sstream>

namespace lvpls::testing {
namespace {

using Json = nlohmann::ordered_json;

const std::filesystem::path kData = QV_TEST_DATA_DIR;

// A reference result with the control run that poses the same problem.
struct ReferenceCase {
    Json json;
    DataSet data;
    ControlRun run;
    std::vector<std::string> blockNames;
    std::vector<std::string> indicatorNames;

    int block(const std::string& name) const {
        return int(std::find(blockNames.begin(), blockNames.end(), name) - blockNames.begin());
    }
};

ReferenceCase loadCase(const std::string& name) {
    ReferenceCase c;
    std::ifstream(kData / "reference" / (name + ".json")) >> c.json;
    c.data = readDataSet(kData / "lvpls" / c.json["data_file"].get<std::string>());
    const std::map<std::string, int> schemes{{"path", 1}, {"centroid", 2}, {"factorial", 3}};
    c.run.scheme = schemes.at(c.json["options"]["scheme"].get<std::string>());
    for (const auto& [block, indicators] : c.json["model"]["blocks"].items()) {
        c.run.blocks.push_back({block, indicators.get<std::vector<std::string>>(),
                                c.json["model"]["modes"][block] == "B" ? 1 : 0});
        c.blockNames.push_back(block);
        for (const auto& indicator : indicators) c.indicatorNames.push_back(indicator.get<std::string>());
    }
    for (const auto& path : c.json["model"]["paths"]) c.run.paths.emplace_back(path[0], path[1]);
    return c;
}

std::string controlText(const ReferenceCase& c) {
    std::string text;
    appendControlRun(text, c.run, c.data);
    return text + "STOP";
}

PlsEstimate estimateTightly(const ReferenceCase& c) {
    std::istringstream input(controlText(c));
    LineReader reader(input);
    ProblemSplitter splitter(reader);
    Problem problem = parseProblem(*splitter.next());
    problem.settings.tolerance = 1e-10;
    problem.settings.maxIterations = 1000;
    const StandardizedData described = describeData(problem.data, problem.model);
    return estimatePls(problem.model, described.correlations, problem.settings);
}

class ReferenceAgreement : public ::testing::TestWithParam<std::string> {};

TEST_P(ReferenceAgreement, TightEstimateMatchesWithin1e6) {
    const ReferenceCase c = loadCase(GetParam());
    const PlsEstimate estimate = estimateTightly(c);
    const Json& results = c.json["results"];
    ASSERT_TRUE(estimate.converged);
    for (std::size_t i = 0; i < c.indicatorNames.size(); ++i) {
        EXPECT_NEAR(estimate.weights(Eigen::Index(i)), results["outer_weights"][c.indicatorNames[i]].get<double>(), 1e-6)
            << c.indicatorNames[i];
        EXPECT_NEAR(estimate.loadings(Eigen::Index(i)), results["loadings"][c.indicatorNames[i]].get<double>(), 1e-6)
            << c.indicatorNames[i];
    }
    for (const auto& path : results["path_coefficients"]) {
        EXPECT_NEAR(estimate.pathCoefficients(c.block(path["to"]), c.block(path["from"])), path["value"].get<double>(), 1e-6);
    }
    for (const auto& [block, value] : results["r_squared"].items()) {
        EXPECT_NEAR(estimate.rSquare(c.block(block)), value.get<double>(), 1e-6) << block;
    }
    for (const auto& [row, columns] : results["lv_correlations"].items()) {
        for (const auto& [column, value] : columns.items()) {
            EXPECT_NEAR(estimate.latentCorrelations(c.block(row), c.block(column)), value.get<double>(), 1e-6);
        }
    }
}

TEST_P(ReferenceAgreement, PrintedListingReadByTheWorkbenchRulesMatchesWithin1e4) {
    const ReferenceCase c = loadCase(GetParam());
    const EngineRun run = runEngineProgram(controlText(c));
    ASSERT_EQ(run.exitStatus, 0);
    const ListingRules listing(run.listing);
    const Json& results = c.json["results"];
    const int blocks = int(c.blockNames.size());
    const auto paths = listing.pathTable("ALLSample", blocks);
    for (const auto& path : results["path_coefficients"]) {
        EXPECT_NEAR(paths[std::size_t(c.block(path["to"]))][std::size_t(c.block(path["from"]))],
                    path["value"].get<double>(), 1e-4);
    }
    std::vector<int> sizes;
    for (const BlockSpec& block : c.run.blocks) sizes.push_back(int(block.indicators.size()));
    for (const auto& row : listing.outerModel("ALLSample", sizes)) {
        EXPECT_NEAR(row.weight, results["outer_weights"][row.name].get<double>(), 1e-4) << row.name;
        EXPECT_NEAR(row.loading, results["loadings"][row.name].get<double>(), 1e-4) << row.name;
        EXPECT_NEAR(row.residual, results["residual_variance"][row.name].get<double>(), 1e-4) << row.name;
    }
    const auto rSquares = listing.rSquares("ALLSample", blocks);
    for (int j = 0; j < blocks; ++j) {
        const Json& expected = results["r_squared"];
        const double value = expected.contains(c.blockNames[j]) ? expected[c.blockNames[j]].get<double>() : 0.0;
        EXPECT_NEAR(rSquares[std::size_t(j)], value, 1e-4) << c.blockNames[j];
    }
    const auto correlations = listing.correlations("ALLSample", blocks);
    for (int r = 0; r < blocks; ++r) {
        for (int s = 0; s <= r; ++s) {
            const double expected = results["lv_correlations"][c.blockNames[r]][c.blockNames[s]].get<double>();
            EXPECT_NEAR(correlations[std::size_t(r)][std::size_t(s)], expected, 1e-4);
        }
    }
}

TEST_P(ReferenceAgreement, ConvergesInTheReferenceNumberOfIterationsAtTheCardCriterion) {
    const ReferenceCase c = loadCase(GetParam());
    const EngineRun run = runEngineProgram(controlText(c));
    const int expected = c.json["results"]["iterations"]["maxabs_tol_1e_5"].get<int>();
    EXPECT_NE(run.listing.find("Iterations " + std::to_string(expected) + " of at most 100: converged"),
              std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Reference, ReferenceAgreement,
                         ::testing::Values("a_mobi_path", "b_mobi_centroid", "e_satisfaction_centroid"));

}  // namespace
}  // namespace lvpls::testing
