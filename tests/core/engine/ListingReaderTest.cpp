#include "core/engine/ListingReader.h"

#include <gtest/gtest.h>

#include "core/engine/Blocks.h"
#include "core/engine/ListingEnd.h"
#include "core/engine/EngineTestModels.h"
#include "core/ports/ScriptedPorts.h"

namespace qv {
namespace {

using testing::ModelBuilder;
using testing::TestData;
using testing::WorkedExample;

// A reader over one hand-made listing, reporting to scripted ports.
struct Reading {
    explicit Reading(const std::string& file) : listing(TestData("listing/" + file)) {
        texts.set("MSG_PLSCompatible", "Check the control file.");
    }
    ListingReader reader(ProjectModel& model) {
        return ListingReader(listing, model,
                             ListingErrorReport{ports, ports, texts, "/work/tmppls.out"});
    }
    std::string listing;
    ScriptedPorts ports;
    LanguageTexts texts;
};

// C1 -> C2 -> ... -> Cn, each block with one indicator, and Cn -> C1.
ModelBuilder Chain(int n) {
    ModelBuilder b;
    for (int i = 0; i < n; ++i) {
        std::string name = "C";
        b.construct(name += std::to_string(i + 1));
        std::string indicator = "x";
        b.indicator(indicator += std::to_string(i + 1), i);
        if (i > 0) b.path(i - 1, i);
    }
    b.path(n - 1, 0);
    return b;
}

void ExpectChainRead(const ProjectModel& model, int n) {
    for (int i = 0; i + 1 < n; ++i)
        EXPECT_FLOAT_EQ(model.paths[static_cast<size_t>(i)].coefficient,
                        0.1f + 0.01f * static_cast<float>(i))
            << i;
    EXPECT_FLOAT_EQ(model.paths[static_cast<size_t>(n - 1)].coefficient, -0.55f);
    for (int i = 0; i < n; ++i) {
        const float k = static_cast<float>(i);
        const Indicator& indicator = model.indicators[static_cast<size_t>(i)];
        EXPECT_FLOAT_EQ(indicator.weight, 0.9f - 0.01f * k) << i;
        EXPECT_FLOAT_EQ(indicator.loading, 0.8f + 0.01f * k) << i;
        EXPECT_FLOAT_EQ(indicator.residual, 0.3f - 0.01f * k) << i;
        EXPECT_FLOAT_EQ(model.constructs[static_cast<size_t>(i)].rSquare, 0.2f + 0.01f * k) << i;
    }
}

TEST(ListingReader, PathTableOfTwelveColumnsIsOnePanel) {
    Reading reading("twelve_blocks.out");
    ModelBuilder b = Chain(12);
    EXPECT_TRUE(reading.reader(b.model).ReadListing("ALLSample", kRegularStage));
    ExpectChainRead(b.model, 12);
}

TEST(ListingReader, ThirteenthColumnIsReadFromTheSecondPanel) {
    Reading reading("thirteen_blocks.out");
    ModelBuilder b = Chain(13);
    EXPECT_TRUE(reading.reader(b.model).ReadListing("ALLSample", kRegularStage));
    ExpectChainRead(b.model, 13);
    EXPECT_TRUE(reading.ports.events().empty());
}

TEST(ListingReader, LargestLoadingBecomesPositive) {
    Reading reading("signs.out");
    ModelBuilder b = WorkedExample();
    EXPECT_TRUE(reading.reader(b.model).ReadListing("ALLSample", kRegularStage));
    const auto& ind = b.model.indicators;
    EXPECT_FLOAT_EQ(ind[0].loading, 0.9f);
    EXPECT_FLOAT_EQ(ind[1].loading, -0.8f);
    EXPECT_FLOAT_EQ(ind[0].weight, 0.6f);
    EXPECT_FLOAT_EQ(ind[1].weight, -0.5f);
    EXPECT_FLOAT_EQ(ind[0].residual, 0.19f);  // variances keep their sign
    EXPECT_EQ(b.model.constructs[0].sign, -1);
    EXPECT_EQ(b.model.constructs[1].sign, 1);
    EXPECT_FLOAT_EQ(ind[2].loading, 0.7f);
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, -0.4f);
    EXPECT_FLOAT_EQ(b.model.constructs[1].rSquare, 0.16f);
}

TEST(ListingReader, AlignSignsNegatesPathsOncePerNegatedEnd) {
    ModelBuilder b;
    for (const char* name : {"A", "B", "C"}) b.construct(name);
    b.indicator("a1", 0);
    b.indicator("a2", 0);
    b.indicator("b1", 1);
    b.indicator("c1", 2);
    b.path(0, 1);
    b.path(1, 2);
    const float loadings[] = {0.5f, -0.5f, -0.7f, 0.2f};  // a tie keeps the first loading
    for (int i = 0; i < 4; ++i) b.model.indicators[static_cast<size_t>(i)].loading = loadings[i];
    b.model.paths[0].coefficient = 0.3f;
    b.model.paths[1].coefficient = 0.6f;
    b.model.constructs[0].sign = -1;  // left from an earlier run
    AlignSigns(b.model);
    EXPECT_EQ(b.model.constructs[0].sign, 1);
    EXPECT_EQ(b.model.constructs[1].sign, -1);
    EXPECT_EQ(b.model.constructs[2].sign, 1);
    EXPECT_FLOAT_EQ(b.model.indicators[2].loading, 0.7f);
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, -0.3f);
    EXPECT_FLOAT_EQ(b.model.paths[1].coefficient, -0.6f);

    b.model.indicators[3].loading = -0.9f;  // both ends negated: the sign stays
    b.model.paths[1].coefficient = 0.6f;
    b.model.indicators[2].loading = -0.7f;
    AlignSigns(b.model);
    EXPECT_FLOAT_EQ(b.model.paths[1].coefficient, 0.6f);
}

TEST(ListingReader, RejectedProblemShowsItsErrorAndTakesNoOtherFigures) {
    Reading reading("rejected_subsample.out");
    ModelBuilder b = WorkedExample();
    ListingReader reader = reading.reader(b.model);
    EXPECT_FALSE(reader.ReadListing("SubSample 0", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, 0.0f);
    EXPECT_FLOAT_EQ(b.model.indicators[0].loading, 0.0f);
    ASSERT_EQ(reading.ports.messages().size(), 1u);
    EXPECT_EQ(reading.ports.messages()[0].key, "MSG_PLSCompatible");
    EXPECT_EQ(reading.ports.messages()[0].text,
              "Error: the indicator b2 is constant\nCheck the control file.");
    const ScriptedPorts::Event& opened = reading.ports.events().back();
    EXPECT_EQ(opened.kind, ScriptedPorts::Kind::ShowText);
    EXPECT_EQ(opened.message.text, "/work/tmppls.out");

    reading.ports.clear();
    EXPECT_TRUE(reader.ReadNextListing("SubSample 1", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, 0.61f);
    EXPECT_TRUE(reader.ReadNextListing("ALLSample", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, 0.55f);
    EXPECT_TRUE(reading.ports.events().empty());

    EXPECT_FALSE(reader.ReadNextListing("SubSample 2", kRegularStage));
    ASSERT_EQ(reading.ports.messages().size(), 1u);
    const std::string shown = reading.ports.messages()[0].text;
    EXPECT_EQ(shown.substr(0, shown.find('\n')).size(), 95u);
}

TEST(ListingReader, MissingTitleReadsNothingFromOtherProblems) {
    Reading reading("subsamples.out");
    ModelBuilder b = WorkedExample();
    EXPECT_FALSE(reading.reader(b.model).ReadListing("SubSample 99", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, 0.0f);
    EXPECT_TRUE(reading.ports.events().empty());  // no error line: nothing is shown
}

TEST(ListingReader, SubsampleOneIsNotSubsampleTen) {
    Reading reading("subsamples.out");
    ModelBuilder b = WorkedExample();
    ListingReader reader = reading.reader(b.model);
    EXPECT_TRUE(reader.ReadListing("SubSample 1", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, 0.02f);

    // Reading the problems in order gives what a search from the start gives.
    ModelBuilder fresh = WorkedExample();
    ListingReader fromStart = reading.reader(fresh.model);
    for (int s = 0; s <= 11; ++s) {
        const std::string title = s == 11 ? "ALLSample" : "SubSample " + std::to_string(s);
        SCOPED_TRACE(title);
        EXPECT_TRUE(reader.ReadNextListing(title, kRegularStage));
        EXPECT_TRUE(fromStart.ReadListing(title, kRegularStage));
        EXPECT_EQ(b.model.paths[0].coefficient, fresh.model.paths[0].coefficient);
        EXPECT_EQ(b.model.indicators[4].loading, fresh.model.indicators[4].loading);
    }
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, 0.5f);
}

// A predicts B and C; each was the target of one blindfolding problem.
ModelBuilder Fork() {
    ModelBuilder b;
    for (const char* name : {"A", "B", "C"}) b.construct(name);
    b.indicator("a1", 0);
    b.indicator("a2", 0);
    b.indicator("b1", 1);
    b.indicator("c1", 2);
    b.path(0, 1);
    b.path(0, 2);
    b.model.blindfoldingFlags[1] = b.model.blindfoldingFlags[2] = 1;
    b.model.nBlindfolding = 2;
    for (int k = 0; k < 3; ++k) b.model.constructs[k].q2Kind = 1;  // redundancy asked for
    return b;
}

TEST(ListingReader, EachFlaggedConstructTakesItsCrossvalidatedSection) {
    Reading reading("blindfolding.out");
    ModelBuilder b = Fork();
    EXPECT_TRUE(reading.reader(b.model).ReadListing("ALLSample", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, 0.45f);  // the first problem's figures
    EXPECT_FLOAT_EQ(b.model.constructs[1].q2, 0.321f);
    EXPECT_FLOAT_EQ(b.model.constructs[1].q2sd, 0.045f);
    EXPECT_FLOAT_EQ(b.model.constructs[2].q2, -0.123f);
    EXPECT_FLOAT_EQ(b.model.constructs[2].q2sd, 0.067f);
    EXPECT_FLOAT_EQ(b.model.constructs[0].q2, 0.0f);
}

TEST(ListingReader, ARejectedBlindfoldingProblemLeavesOnlyItsOwnConstructWithoutQ2) {
    Reading reading("blindfolding.out");
    const auto second = reading.listing.find("---- Problem 2");
    reading.listing = reading.listing.substr(0, second) +
                      "---- Problem 2 ----\r\nALLSample \r\nError: a whole indicator omitted\r\n" +
                      reading.listing.substr(second);
    reading.listing.replace(reading.listing.find("problems 2"), 10, "problems 3");
    ModelBuilder b = Fork();
    b.model.blindfoldingFlags[0] = 1;
    b.model.nBlindfolding = 3;
    EXPECT_TRUE(reading.reader(b.model).ReadListing("ALLSample", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.constructs[0].q2, 0.321f);
    EXPECT_FLOAT_EQ(b.model.constructs[1].q2, 0.0f);
    EXPECT_EQ(b.model.constructs[1].q2Missing, "the engine rejected the problem: a whole indicator omitted");
    EXPECT_FLOAT_EQ(b.model.constructs[2].q2, -0.123f);
    EXPECT_FLOAT_EQ(b.model.constructs[2].q2sd, 0.067f);
    EXPECT_EQ(b.model.constructs[2].q2Missing, "");
}

// A problem whose estimate stands but whose rounds could not be cross-validated says why;
// its construct keeps that reason instead of a Q-square.
TEST(ListingReader, AProblemWithoutCrossvalidationGivesItsConstructTheReason) {
    Reading reading("blindfolding.out");
    const auto heading = reading.listing.rfind("\r\nCrossvalidated");
    const auto end = reading.listing.find("---- End of listing");
    reading.listing.replace(heading, end - heading,
                            "\r\nNo cross-validation for this problem: the omitted points do not vary\r\n");
    ModelBuilder b = Fork();
    b.model.constructs[2].q2 = 0.5f;  // left from an earlier run
    EXPECT_TRUE(reading.reader(b.model).ReadListing("ALLSample", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.constructs[1].q2, 0.321f);
    EXPECT_FLOAT_EQ(b.model.constructs[2].q2, 0.0f);
    EXPECT_EQ(b.model.constructs[2].q2Missing, "the omitted points do not vary");
}

TEST(ListingReader, CrossvalidationIsReadOnlyWhenAsked) {
    Reading reading("blindfolding.out");
    ModelBuilder off = Fork();
    off.model.nBlindfolding = 0;  // a resampling run clears the count
    EXPECT_TRUE(reading.reader(off.model).ReadListing("ALLSample", kRegularStage));
    EXPECT_FLOAT_EQ(off.model.constructs[1].q2, 0.0f);
    // An estimate without blindfolding asks for no kind of Q-square: none is read, none missing.
    Reading plain("signs.out");
    ModelBuilder none = WorkedExample();
    none.model.blindfoldingFlags[1] = 1;
    none.model.nBlindfolding = 1;
    EXPECT_TRUE(plain.reader(none.model).ReadListing("ALLSample", kRegularStage));
    EXPECT_EQ(none.model.constructs[1].q2Missing, "");

    Reading single("signs.out");  // no section at all: the flagged construct keeps 0, and why
    ModelBuilder b = WorkedExample();
    b.model.blindfoldingFlags[1] = 1;
    b.model.nBlindfolding = 1;
    b.model.constructs[1].q2Kind = -1;
    EXPECT_TRUE(single.reader(b.model).ReadListing("ALLSample", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.constructs[1].q2, 0.0f);
    EXPECT_FALSE(b.model.constructs[1].q2Missing.empty());
}

// F1 (a1 a2) and F2 (b1 b2) form S; Y (y1 y2) is a first-order block of its own.
ModelBuilder FirstStageModel() {
    ModelBuilder b;
    const int f1 = b.construct("F1");
    const int f2 = b.construct("F2");
    const int s = b.construct("S", 0, 2);
    const int y = b.construct("Y");
    for (const char* name : {"a1", "a2"}) b.indicator(name, f1);
    for (const char* name : {"b1", "b2"}) b.indicator(name, f2);
    for (const char* name : {"y1", "y2"}) b.indicator(name, y);
    b.link(f1, s);
    b.link(f2, s);
    b.path(s, y);
    return b;
}

TEST(ListingReader, FirstStageReadsTheFirstOrderBlocks) {
    Reading reading("first_stage.out");
    ModelBuilder b = FirstStageModel();
    EXPECT_TRUE(reading.reader(b.model).ReadListing("ALLSample", kFirstStage));
    EXPECT_FLOAT_EQ(b.model.indicators[0].weight, 0.55f);
    EXPECT_FLOAT_EQ(b.model.indicators[3].loading, 0.7f);
    EXPECT_FLOAT_EQ(b.model.indicators[5].residual, 0.26f);
    EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, 0.0f);

    Reading rejected("first_stage_rejected.out");
    ModelBuilder again = FirstStageModel();
    EXPECT_FALSE(rejected.reader(again.model).ReadListing("ALLSample", kFirstStage));
    EXPECT_EQ(rejected.ports.messages()[0].text,
              "Error: a singular Mode B block (F2)\nCheck the control file.");
}

// The engine may know an indicator by a positional alias only, and at the second stage a
// score indicator carries its construct's caption, which a raw variable may share: rows
// go to the block's own indicators by position, whatever name they show.
TEST(ListingReader, RowsGoToTheBlocksIndicatorsByPosition) {
    Reading reading("signs.out");
    ModelBuilder b = WorkedExample();
    b.model.indicators[0].caption = "Qualität der Leistung";
    b.model.indicators[1].caption = "V0001";
    const int outside = b.indicator("a1", -1);  // a raw a1 outside every block
    EXPECT_TRUE(reading.reader(b.model).ReadListing("ALLSample", kRegularStage));
    EXPECT_FLOAT_EQ(b.model.indicators[0].loading, 0.9f);
    EXPECT_FLOAT_EQ(b.model.indicators[1].loading, -0.8f);
    EXPECT_FLOAT_EQ(b.model.indicators[static_cast<size_t>(outside)].loading, 0.0f);
}

// A listing cut anywhere before the engine's closing line (the engine killed, the disk
// full) is read as nothing, with one message; bytes that are no listing are read safely.
TEST(ListingReader, TruncatedOrGarbledListingsAreRefusedOrReadSafely) {
    const std::string whole = TestData("listing/blindfolding.out");
    std::vector<size_t> lengths;
    for (size_t length = 0; length < whole.size(); length += 7) lengths.push_back(length);
    lengths.push_back(whole.size() - 2);  // only the last line end missing
    lengths.push_back(whole.find("---- End of listing"));
    for (size_t length : lengths) {
        ModelBuilder b = Fork();
        ScriptedPorts ports;
        LanguageTexts texts;
        const std::string cut = whole.substr(0, length);
        ListingReader reader(cut, b.model, ListingErrorReport{ports, ports, texts, "/w/tmppls.out"});
        EXPECT_FALSE(reader.ReadListing("ALLSample", kRegularStage)) << length;
        EXPECT_FALSE(reader.ReadNextListing("ALLSample", kRegularStage)) << length;
        ASSERT_EQ(ports.messages().size(), 1u) << length;
        EXPECT_NE(ports.messages()[0].text.find("/w/tmppls.out cannot be read: the listing "), std::string::npos);
        EXPECT_FLOAT_EQ(b.model.paths[0].coefficient, 0.0f);
    }
    std::string garbage;
    unsigned state = 7;
    for (int i = 0; i < 20000; ++i) {
        state = state * 1103515245u + 12345u;
        garbage += static_cast<char>(state >> 23);
    }
    garbage += "ALLSample Path coefficients\nOuter Model\nInner Model\nError\r\n"
               "---- End of listing: problems 0 ----\r\n";
    ModelBuilder b = Fork();
    ScriptedPorts ports;
    LanguageTexts texts;
    ListingReader reader(garbage, b.model, ListingErrorReport{ports, ports, texts, ""});
    EXPECT_TRUE(reader.ReadListing("ALLSample", kRegularStage));
    EXPECT_FALSE(reader.ReadListing("SubSample 3",
                                    kFirstStage));  // no title: only the bytes before "ALLSample"
}

TEST(ListingEnd, TheClosingLineMustEndTheListingAndCountItsProblems) {
    const std::string whole = TestData("listing/subsamples.out");
    EXPECT_EQ(ListingEndError(whole), "");
    EXPECT_EQ(ListingEndError(""), "the listing is empty: the engine printed nothing");
    const std::string cutShort =
        "the listing ends before its closing line: the engine stopped before it finished (it "
        "crashed, was killed, or the disk filled)";
    EXPECT_EQ(ListingEndError(whole.substr(0, whole.size() - 1)), cutShort);
    EXPECT_EQ(ListingEndError(whole + "---- Problem 13 ----\r\n"), cutShort);
    const size_t last = whole.rfind("---- Problem 12");
    EXPECT_EQ(ListingEndError(whole.substr(0, last) + whole.substr(whole.find("---- End", last))),
              "the listing's closing line counts 12 problems, but 11 are printed");
    EXPECT_EQ(ListingEndError("---- pls ----\r\nError: x\r\n---- End of listing: problems 0 ----\r\n"), "");
    EXPECT_NE(ListingEndError("---- End of listing: problems -1 ----\r\n"), "");
    EXPECT_NE(ListingEndError("---- End of listing: problems 0x ----\r\n"), "");
}

}  // namespace
}  // namespace qv
