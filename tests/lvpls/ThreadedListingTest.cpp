#include "lvpls/CommandLine.h"
#include "lvpls/OrderedWorkers.h"
#include "tests/lvpls/support/EngineProcess.h"
#include "tests/lvpls/support/ProblemFixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace lvpls::testing {
namespace {

// Later jobs finish first; the listings still come out in the order they went in, and on
// the thread that submitted them.
TEST(OrderedWorkers, WritesInSubmissionOrderWhateverFinishesFirst) {
    for (int threads : {1, 3}) {
        std::string written;
        const std::thread::id caller = std::this_thread::get_id();
        bool onCaller = true;
        OrderedWorkers workers(threads, [&](std::string_view listing) {
            written += listing;
            onCaller = onCaller && std::this_thread::get_id() == caller;
        });
        for (int job = 0; job < 12; ++job) {
            workers.submit([job](Problem&) {
                std::this_thread::sleep_for(std::chrono::milliseconds((12 - job) % 4));
                return std::to_string(job) + ";";
            });
        }
        workers.finish();
        EXPECT_EQ(written, "0;1;2;3;4;5;6;7;8;9;10;11;") << threads << " threads";
        EXPECT_TRUE(onCaller);
    }
}

// Standard problems, blindfolding, a failing problem and the compact form: one listing,
// whatever the number of threads.
TEST(ThreadedListing, TheListingIsTheSameOnOneThreadAndOnSeveral) {
    const DataSet data = mobiData();
    ControlRun run = ecsiRun();
    std::string control;
    for (unsigned s = 0; s < 6; ++s) {
        run.title = "SubSample " + std::to_string(s);
        run.cases = bootstrapCases(250, s);
        run.blindDistance = s % 2 ? 7 : 0;
        run.blindTarget = s % 2 ? -5 : 0;
        appendControlRun(control, run, data);
    }
    control += "COMMENT\nbroken\n";
    run = ecsiRun();
    run.title = "SubSample 0";
    appendControlRun(control, run, data);
    control += "SAMPLE " + sampleCounts(bootstrapCases(250, 9), 250) + "\n";
    for (int omitted = 1; omitted <= 12; ++omitted)
        control += "SAMPLE -" + std::to_string(omitted) + " SubSample " + std::to_string(omitted) + "\n";
    control += "SAMPLE 1 short\nSAMPLE * ALLSample\nSTOP";
    const EngineRun single = runEngineProgram(control, "--threads 1");
    ASSERT_EQ(single.exitStatus, 0);
    EXPECT_NE(single.listing.find("---- End of listing: problems 22 ----"), std::string::npos);
    for (const char* threads : {"--threads 2", "--threads 5", ""}) {
        const EngineRun several = runEngineProgram(control, threads);
        EXPECT_EQ(several.exitStatus, 0);
        EXPECT_TRUE(several.listing == single.listing) << threads;
    }
}

TEST(CommandLine, TakesAThreadCountBeforeTheControlFile) {
    EXPECT_TRUE(parseCommandLine({"--capabilities"}).capabilities);
    const CommandLine plain = parseCommandLine({"run.pls"});
    EXPECT_EQ(plain.controlFile, "run.pls");
    EXPECT_EQ(plain.threads, 0);
    EXPECT_GE(threadsToUse(plain), 1);
    const CommandLine three = parseCommandLine({"--threads", "3", "run.pls"});
    EXPECT_EQ(three.threads, 3);
    EXPECT_EQ(threadsToUse(three), 3);
    EXPECT_EQ(three.controlFile, "run.pls");
    EXPECT_EQ(parseCommandLine({"--threads", "0", "run.pls"}).error, "--threads takes a number from 1 to 256, not '0'");
    EXPECT_EQ(parseCommandLine({"--threads", "2x", "run.pls"}).error, "--threads takes a number from 1 to 256, not '2x'");
    EXPECT_FALSE(parseCommandLine({"--threads", "2"}).error.empty());
    EXPECT_FALSE(parseCommandLine({}).error.empty());
    EXPECT_FALSE(parseCommandLine({"a.pls", "b.pls"}).error.empty());
}

}  // namespace
}  // namespace lvpls::testing
