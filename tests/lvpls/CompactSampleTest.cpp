#include "lvpls/CaseSelection.h"
#include "lvpls/ProblemError.h"
#include "tests/lvpls/support/EngineProcess.h"
#include "tests/lvpls/support/ProblemFixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace lvpls::testing {
namespace {

// A resampling file as the standard layout writes it: every problem with its own records,
// the entire sample last.
std::string standardFile(ControlRun run, const DataSet& data, const std::vector<std::vector<int>>& samples) {
    std::string out;
    for (std::size_t s = 0; s <= samples.size(); ++s) {
        run.title = s < samples.size() ? "SubSample " + std::to_string(s) : "ALLSample";
        run.cases = s < samples.size() ? samples[s] : std::vector<int>();
        appendControlRun(out, run, data);
    }
    return out + "STOP";
}

// The same problems in the compact form: the records once, then one SAMPLE line a problem.
std::string compactFile(ControlRun run, const DataSet& data, const std::vector<std::string>& selections) {
    std::string out;
    run.title = "SubSample 0";
    run.cases.clear();
    appendControlRun(out, run, data);
    out += "SAMPLE " + selections.front() + "\n";
    for (std::size_t s = 1; s < selections.size(); ++s)
        out += "SAMPLE " + selections[s] + " SubSample " + std::to_string(s) + "\n";
    return out + "SAMPLE * ALLSample\nSTOP";
}

std::vector<int> everyCaseBut(int omitted, int cases) {
    std::vector<int> rows;
    for (int c = 0; c < cases; ++c)
        if (c != omitted) rows.push_back(c);
    return rows;
}

void expectSameListing(const std::string& standard, const std::string& compact) {
    const EngineRun expected = runEngineProgram(standard);
    const EngineRun actual = runEngineProgram(compact);
    EXPECT_EQ(expected.exitStatus, 0);
    EXPECT_EQ(actual.exitStatus, 0);
    EXPECT_EQ(expected.listing.find("Error:"), std::string::npos);
    EXPECT_TRUE(expected.listing == actual.listing) << "the listings differ from byte "
                                                   << std::mismatch(expected.listing.begin(), expected.listing.end(),
                                                                    actual.listing.begin(), actual.listing.end())
                                                          .first - expected.listing.begin();
}

TEST(CompactSample, BootstrapListingEqualsTheStandardFileToTheLastByte) {
    const DataSet data = mobiData();
    const int cases = int(data.values.rows());
    std::vector<std::vector<int>> samples;
    std::vector<std::string> selections;
    for (unsigned s = 0; s < 8; ++s) {
        samples.push_back(bootstrapCases(cases, 17 + s));
        selections.push_back(sampleCounts(samples.back(), cases));
    }
    // A case drawn twelve times takes the "(12)" form.
    std::fill_n(samples.back().begin(), 12, 2);
    std::sort(samples.back().begin(), samples.back().end());
    selections.back() = sampleCounts(samples.back(), cases);
    ASSERT_NE(selections.back().find("(12)"), std::string::npos);

    ControlRun run = ecsiRun();
    expectSameListing(standardFile(run, data, samples), compactFile(run, data, selections));
    run.missingCode = 1;  // every 1 in the data is a missing value, replaced within each subsample
    run.metric = 4;
    expectSameListing(standardFile(run, data, samples), compactFile(run, data, selections));
    run.missingCode.reset();
    run.blindTarget = 5;
    run.blindDistance = 7;
    expectSameListing(standardFile(run, data, samples), compactFile(run, data, selections));
}

TEST(CompactSample, JackknifeListingEqualsTheStandardFileToTheLastByte) {
    const DataSet data = mobiData();
    const int cases = int(data.values.rows());
    std::vector<std::vector<int>> samples;
    std::vector<std::string> selections;
    for (int omitted : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 99, 248, 249}) {
        samples.push_back(everyCaseBut(omitted, cases));
        selections.push_back("-" + std::to_string(omitted + 1));
    }
    expectSameListing(standardFile(ecsiRun(), data, samples), compactFile(ecsiRun(), data, selections));
}

TEST(CompactSample, TheEngineNamesTheFormAmongItsCapabilities) {
    FILE* pipe = popen("'" QV_START_DIR "/pls' --capabilities", "r");
    ASSERT_NE(pipe, nullptr);
    std::string printed;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) printed += buffer;
    EXPECT_EQ(pclose(pipe), 0);
    EXPECT_NE(printed.find("sample-lines\n"), std::string::npos);
}

TEST(CaseSelection, ReadsEveryFormAndNamesWhatIsWrong) {
    EXPECT_EQ(selectedRecords("*", 3), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(selectedRecords("-2", 3), (std::vector<int>{0, 2}));
    EXPECT_EQ(selectedRecords("20(11)0", 4), (std::vector<int>{0, 0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}));
    const auto failure = [](std::string_view selection) {
        try {
            selectedRecords(selection, 3);
        } catch (const ProblemError& error) {
            return std::string(error.what());
        }
        return std::string("no error");
    };
    EXPECT_EQ(failure("12"), "the SAMPLE line holds 2 counts for 3 data records");
    EXPECT_EQ(failure("1201"), "the SAMPLE line holds 4 counts for 3 data records");
    EXPECT_EQ(failure("1x1"), "the SAMPLE counts hold 'x', not a count");
    EXPECT_EQ(failure("1(41"), "the SAMPLE counts hold a '(' without its ')'");
    EXPECT_EQ(failure("1(x)1"), "the SAMPLE count 'x' is not a whole number from 1 up");
    EXPECT_EQ(failure("-4"), "the omitted case 4 is not one of the 3 data records");
    EXPECT_EQ(failure("-0"), "the omitted case '0' is not a whole number from 1 up");
    EXPECT_EQ(failure(""), "the SAMPLE line names no cases");
    const SampleLine line = splitSampleLine("SAMPLE 0120  SubSample 3  ");
    EXPECT_EQ(line.selection, "0120");
    EXPECT_EQ(line.title, " SubSample 3");
    EXPECT_FALSE(isSampleLine("SAMPLES 1"));
    EXPECT_TRUE(isSampleLine("SAMPLE"));
}

// Each fault stays with its own problem; the problems after it are still estimated.
TEST(CompactSample, AFaultyLineFailsItsProblemAlone) {
    const DataSet data = mobiData();
    ControlRun run = ecsiRun();
    run.title = "SubSample 0";
    std::string out;
    appendControlRun(out, run, data);
    const std::string records = out;
    const std::string all(250, '1');
    out += "SAMPLE " + all + "\nSAMPLE 12 SubSample 1\n\nstray\nSAMPLE -7 SubSample 2\n"
           "COMMENT\nnext\nSAMPLE * ALLSample\nSTOP";
    const std::string listing = runEngineProgram(out).listing;
    EXPECT_NE(listing.find("---- Problem 1 ----"), std::string::npos);
    EXPECT_NE(listing.find("SubSample 1 \r\nError: line 273: the SAMPLE line holds 2 counts for 250 data records\r\n"),
              std::string::npos);
    EXPECT_NE(listing.find(" \r\nError: line 275: expected a SAMPLE line or a COMMENT card, found 'stray'\r\n"),
              std::string::npos);
    EXPECT_NE(listing.find("SubSample 2 \r\nBlocks 7, indicators 24, cases 249\r\n"), std::string::npos);
    // A problem in cards alone starts over: its SAMPLE-looking line is no card of it.
    EXPECT_NE(listing.find("next \r\nError: "), std::string::npos);
    EXPECT_NE(listing.find("---- End of listing: problems 5 ----"), std::string::npos);

    std::string broken = records;
    broken.replace(broken.find("Case   3") + 10, 1, "x");
    broken += "SAMPLE " + all + "\nSAMPLE " + all + " SubSample 1\nSAMPLE * titled\nSTOP";
    const std::string failed = runEngineProgram(broken).listing;
    EXPECT_NE(failed.find("SubSample 0 \r\nError: line 24: letters in a data value"), std::string::npos);
    EXPECT_NE(failed.find("SubSample 1 \r\nError: the data records of problem 1, which this SAMPLE line draws from, "
                          "cannot be read\r\n"),
              std::string::npos);
    EXPECT_NE(failed.find("titled \r\nError: the data records of problem 1"), std::string::npos);

    const std::string titled = records + "SAMPLE " + all + " SubSample 0\nSTOP";
    EXPECT_NE(runEngineProgram(titled).listing.find(
                  "Error: line 272: the SAMPLE line after the data records takes the problem's title and carries none"),
              std::string::npos);
}

// Omitting the only record leaves a sample of no case, which is too few to estimate.
TEST(CompactSample, ASampleOfNoCaseIsRefusedAsTooFewCases) {
    DataSet data = mobiData();
    data.values.conservativeResize(1, Eigen::NoChange);
    ControlRun run = ecsiRun();
    run.title = "SubSample 0";
    std::string out;
    appendControlRun(out, run, data);
    out += "SAMPLE -1\nSAMPLE * ALLSample\nSTOP";
    const std::string listing = runEngineProgram(out).listing;
    EXPECT_NE(listing.find("SubSample 0 \r\nError: too few cases (0)"), std::string::npos) << listing;
    EXPECT_NE(listing.find("ALLSample \r\nError: too few cases (1)"), std::string::npos) << listing;
}

}  // namespace
}  // namespace lvpls::testing
