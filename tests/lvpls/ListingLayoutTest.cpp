#include "lvpls/Blindfolding.h"
#include "lvpls/NumberField.h"
#include "lvpls/PlsEstimate.h"
#include "lvpls/ProblemRunner.h"
#include "tests/lvpls/support/EngineProcess.h"
#include "tests/lvpls/support/ListingRules.h"
#include "tests/lvpls/support/ProblemFixture.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace lvpls::testing {
namespace {

std::string field(double value) {
    std::string out;
    appendField(out, value);
    return out;
}

TEST(NumberField, TenColumnsWithALeadingBlankAndAsManyDecimalsAsFit) {
    EXPECT_EQ(field(0.1234564), "  0.123456");
    EXPECT_EQ(field(-0.5), " -0.500000");
    EXPECT_EQ(field(99.9999991), " 99.999999");
    EXPECT_EQ(field(-12.25), " -12.25000");
    EXPECT_EQ(field(123.456789), " 123.45679");
    EXPECT_EQ(field(-99999999.0), " -99999999");
    EXPECT_EQ(field(1.5e12), " 1.500e+12");
    EXPECT_EQ(field(-1.25e-30), " -0.000000");
    for (double value : {0.0, 1e30, -1e30, 1234567.891, -0.000001}) {
        const std::string text = field(value);
        ASSERT_EQ(text.size(), 10u) << value;
        EXPECT_EQ(text[0], ' ') << value;
        float read = 0;
        ASSERT_EQ(std::sscanf(text.c_str(), "%10f", &read), 1);
        EXPECT_NEAR(read, value, std::abs(value) * 1e-2 + 1e-6);
    }
}

// A model of 13 blocks in a chain: path and correlation tables need a second panel.
ControlRun chainOfThirteen(DataSet& data) {
    data.values = (Eigen::MatrixXd::Random(60, 26).array() * 5).round() / 1.0;
    for (int c = 1; c < 26; ++c) data.values.col(c) += 0.5 * data.values.col(c - 1);
    ControlRun run;
    for (int b = 0; b < 13; ++b) {
        const std::string x = "x" + std::to_string(2 * b), y = "x" + std::to_string(2 * b + 1);
        data.names.push_back(x);
        data.names.push_back(y);
        run.blocks.push_back({"B" + std::to_string(b), {x, y}});
        if (b > 0) run.paths.emplace_back("B" + std::to_string(b - 1), "B" + std::to_string(b));
    }
    run.paths.emplace_back("B0", "B12");
    return run;
}

TEST(ListingLayout, EverySectionReadsBackByTheWorkbenchRules) {
    DataSet data;
    const ControlRun run = chainOfThirteen(data);
    Problem problem = parseRun(run, data);
    const PlsEstimate estimate = estimatePls(problem.model, describeData(problem.data, problem.model).correlations,
                                             problem.settings);
    std::string control;
    appendControlRun(control, run, data);
    const EngineRun engine = runEngineProgram(control + "STOP");
    ASSERT_EQ(engine.exitStatus, 0);
    const ListingRules listing(engine.listing);

    const auto paths = listing.pathTable("ALLSample", 13);
    const auto correlations = listing.correlations("ALLSample", 13);
    for (int r = 0; r < 13; ++r) {
        ASSERT_EQ(paths[std::size_t(r)].size(), 13u);
        ASSERT_EQ(correlations[std::size_t(r)].size(), std::size_t(r + 1));
        for (int s = 0; s < 13; ++s) EXPECT_NEAR(paths[r][s], estimate.pathCoefficients(r, s), 1e-6) << r << " " << s;
        for (int s = 0; s <= r; ++s) EXPECT_NEAR(correlations[r][s], estimate.latentCorrelations(r, s), 1e-6);
    }
    const auto rows = listing.outerModel("ALLSample", std::vector<int>(13, 2));
    ASSERT_EQ(rows.size(), 26u);
    for (int i = 0; i < 26; ++i) {
        EXPECT_EQ(rows[i].name, "x" + std::to_string(i));
        EXPECT_NEAR(rows[i].weight, estimate.weights(i), 1e-6);
        EXPECT_NEAR(rows[i].loading, estimate.loadings(i), 1e-6);
        EXPECT_NEAR(rows[i].residual, 1 - estimate.loadings(i) * estimate.loadings(i), 1e-6);
    }
    const auto rSquares = listing.rSquares("ALLSample", 13);
    for (int j = 0; j < 13; ++j) EXPECT_NEAR(rSquares[j], estimate.rSquare(j), 1e-6);
}

// A listing the disk cannot take (here /dev/full) ends the engine with a failed status and
// the reason, so the workbench never reads a listing cut short as a finished one.
TEST(ListingLayout, AListingThatCannotBeWrittenFailsTheEngineWithTheReason) {
    DataSet data;
    const ControlRun run = chainOfThirteen(data);
    std::string control;
    appendControlRun(control, run, data);
    const auto folder = freshFolder("lvpls-full");
    std::ofstream(folder / "tmppls.pls", std::ios::binary) << control << "STOP";
    const std::string command = "cd '" + folder.string() + "' && '" QV_START_DIR
                                "/pls' tmppls.pls > /dev/full 2> errors";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 1);
    EXPECT_EQ(readFile(folder / "errors"), "pls: cannot write the listing: No space left on device\n");
    std::filesystem::remove_all(folder);
}

TEST(ListingLayout, LinesEndInCrLfAndOnlyTitlesNameTheSamples) {
    std::string control;
    ControlRun run = ecsiRun();
    const DataSet data = mobiData();
    for (int s = 1; s <= 11; ++s) {
        run.title = "SubSample " + std::to_string(s);
        run.cases = bootstrapCases(250, unsigned(s));
        appendControlRun(control, run, data);
    }
    const EngineRun engine = runEngineProgram(control + "STOP");
    std::size_t lines = 0;
    for (std::size_t p = engine.listing.find('\n'); p != std::string::npos; p = engine.listing.find('\n', p + 1), ++lines) {
        ASSERT_EQ(engine.listing[p - 1], '\r');
    }
    EXPECT_TRUE(engine.listing.ends_with("\r\n---- End of listing: problems 11 ----\r\n"));
    const ListingRules listing(engine.listing);
    long previous = -1;
    for (int s = 1; s <= 11; ++s) {
        const long title = listing.find(0, "SubSample " + std::to_string(s));
        EXPECT_GT(title, previous);
        EXPECT_EQ(listing.lineAt(title), "SubSample " + std::to_string(s) + " \r");
        previous = title;
    }
    std::size_t samples = 0;
    for (std::size_t p = engine.listing.find("Sample"); p != std::string::npos; p = engine.listing.find("Sample", p + 1)) {
        ++samples;
    }
    EXPECT_EQ(samples, 11u);
    EXPECT_EQ(engine.listing.find("Error"), std::string::npos);
}

TEST(ListingLayout, AFailedProblemShowsErrorAfterItsTitleAndTheNextOneIsEstimated) {
    std::string control;
    ControlRun run = ecsiRun();
    DataSet data = mobiData();
    data.values.col(data.column("CUSA2")).setConstant(5);
    run.title = "SubSample 1";
    appendControlRun(control, run, data);
    run.title = "ALLSample";
    appendControlRun(control, run, mobiData());
    const EngineRun engine = runEngineProgram(control + "STOP");
    EXPECT_EQ(engine.exitStatus, 0);
    const ListingRules listing(engine.listing);
    const long title = listing.find(0, "SubSample 1");
    EXPECT_EQ(listing.lineAt(listing.skipLines(title, 1)), "Error: indicator CUSA2 is constant\r");
    EXPECT_GT(listing.find(title, "Path coefficients"), listing.find(0, "ALLSample"));
    EXPECT_NEAR(listing.pathTable("ALLSample", 7)[1][0], 0.504914, 1e-6);
}

TEST(ListingLayout, NamesKeepTheirBytesAndLoseOnlyControlCharacters) {
    DataSet data = mobiData();
    data.names[std::size_t(data.column("CUSCO"))] = "Qualit\xe4t";
    ControlRun run = ecsiRun();
    run.blocks[5] = {"Beschw\x01", {"Qualit\xe4t"}};
    std::string control;
    appendControlRun(control, run, data);
    const EngineRun engine = runEngineProgram(control + "STOP");
    EXPECT_NE(engine.listing.find("\r\nQualit\xe4t    1.000000  1.000000"), std::string::npos);
    EXPECT_NE(engine.listing.find("\r\nBeschw?  (Mode A)\r\n"), std::string::npos);
}

TEST(ListingLayout, CrossvalidatedTotalLineHoldsQ2AndItsDeviationAtTheirOffsets) {
    std::string control;
    ControlRun run = ecsiRun();
    run.blindDistance = 7;
    for (int target : {5, -7}) {
        run.blindTarget = target;
        appendControlRun(control, run, mobiData());
    }
    const EngineRun engine = runEngineProgram(control + "STOP");
    const ListingRules listing(engine.listing);
    Problem problem = parseRun(run, mobiData());
    for (int k = 0; k < 2; ++k) {
        problem.blindfold = k == 0 ? BlindfoldSettings{7, 4, true} : BlindfoldSettings{7, 6, false};
        const BlindfoldResult expected = blindfold(problem, problem.data, describeData(problem.data, problem.model));
        const auto [q2, deviation] = listing.crossvalidated(k);
        EXPECT_NEAR(q2, expected.q2, 1e-6);
        EXPECT_NEAR(deviation, expected.roundDeviation, 1e-6);
    }
}

// An indicator that varies in one case only turns constant in the round that omits that
// case: the estimate stands and the listing says why there is no Q-square.
TEST(ListingLayout, AnUncrossvalidatableProblemKeepsItsEstimateAndSaysWhy) {
    ControlRun run = ecsiRun();
    run.blindDistance = 7;
    run.blindTarget = 3;  // QUAL, seven indicators: the first round omits case 1 of PERQ1
    DataSet data = mobiData();
    data.values.col(data.column("PERQ1")).setConstant(5);
    data.values(0, data.column("PERQ1")) = 6;
    std::string control;
    appendControlRun(control, run, data);
    const EngineRun engine = runEngineProgram(control + "STOP");
    EXPECT_NE(engine.listing.find("Path coefficients"), std::string::npos);
    EXPECT_NE(engine.listing.find("\r\nNo cross-validation for this problem: blindfolding round 1: "
                                  "indicator PERQ1 is constant\r\n"),
              std::string::npos)
        << engine.listing;
    EXPECT_EQ(engine.listing.find("Crossvalidated"), std::string::npos);
    EXPECT_EQ(engine.listing.find("Error"), std::string::npos);
}

// Numbered indicator by indicator, the points of a block with as many indicators as the
// distance (QUAL: 7 at distance 7) are spread over every round.
TEST(ListingLayout, ABlockWithAsManyIndicatorsAsTheDistanceIsCrossvalidated) {
    ControlRun run = ecsiRun();
    run.blindDistance = 7;
    std::string control;
    for (int target : {3, -3}) {  // QUAL by redundancy and by communality
        run.blindTarget = target;
        appendControlRun(control, run, mobiData());
    }
    const EngineRun engine = runEngineProgram(control + "STOP");
    const ListingRules listing(engine.listing);
    for (int k = 0; k < 2; ++k) {
        const auto [q2, deviation] = listing.crossvalidated(k);
        EXPECT_GT(q2, 0.0) << k;
        EXPECT_GT(deviation, 0.0) << k;
    }
    EXPECT_EQ(engine.listing.find("No cross-validation"), std::string::npos);
}

// The rows of the section headed `heading` in the problem titled `title`: from the column
// headers to the blank line before the next section or to the next banner.
std::string sectionRows(const std::string& listing, const std::string& title, const std::string& heading) {
    const std::size_t at = listing.find(heading + "\r\n", listing.find(title + " \r\n"));
    const std::size_t rows = listing.find("\r\nVariable", at);
    const std::size_t end = std::min(listing.find("\r\n\r\nInner Model", rows), listing.find("\r\n----", rows));
    return at == std::string::npos ? "" : listing.substr(rows, end - rows);
}

// Metrics 2 to 4 add the figures of metric 1 in the Outer Model's layout; metric 1 does not.
TEST(ListingLayout, MetricsOtherThanUnitVarianceAddTheStandardizedOuterModel) {
    ControlRun run = ecsiRun();
    std::string control;
    for (int metric : {1, 2, 3, 4}) {
        run.metric = metric;
        run.title = "Metric" + std::to_string(metric);
        appendControlRun(control, run, mobiData());
    }
    const EngineRun engine = runEngineProgram(control + "STOP");
    const std::string unitVariance = sectionRows(engine.listing, "Metric1", "Outer Model");
    ASSERT_GT(unitVariance.size(), 1000u);
    EXPECT_GT(engine.listing.find("Standardized weights and loadings"), engine.listing.find("Metric2 "));
    for (const char* title : {"Metric2", "Metric3", "Metric4"}) {
        EXPECT_EQ(sectionRows(engine.listing, title, "Standardized weights and loadings"), unitVariance) << title;
        EXPECT_NE(sectionRows(engine.listing, title, "Outer Model"), unitVariance) << title;
    }
}

TEST(EngineProgram, ReportsAnUnreadableControlFileAndAFileWithoutProblems) {
    const auto folder = freshFolder("lvpls-program");
    const std::string missing = "'" QV_START_DIR "/pls' '" + (folder / "none.pls").string() + "' > '" +
                                (folder / "out").string() + "'";
    EXPECT_NE(std::system(missing.c_str()), 0);
    const std::string unreadable = readFile(folder / "out");
    EXPECT_NE(unreadable.find("\r\nError: cannot open the control file"), std::string::npos);
    EXPECT_TRUE(unreadable.ends_with("\r\n---- End of listing: problems 0 ----\r\n"));
    const EngineRun empty = runEngineProgram("STOP");
    EXPECT_EQ(empty.exitStatus, 0);
    EXPECT_NE(empty.listing.find("\r\nError: the control file holds no problem"), std::string::npos);
    EXPECT_TRUE(empty.listing.ends_with("\r\n---- End of listing: problems 0 ----\r\n"));
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lvpls::testing
