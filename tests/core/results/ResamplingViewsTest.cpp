#include <gtest/gtest.h>

#include "core/app/Workbench.h"
#include "core/ports/ScriptedPorts.h"
#include "core/results/ResamplingViews.h"

namespace qv {
namespace {

class ResamplingViewsTest : public ::testing::Test {
protected:
    void SetUp() override {
        workbench_.files().project = "/models/ecsi.final.qvt";
        workbench_.files().bootStrap = "/cards/ecsi.bt";
        workbench_.files().jackKnife = "/cards/ecsi.jk";
    }
    // The file the last desktop event handed on, and whether it went to the viewer.
    std::pair<std::string, bool> lastOpened() const {
        const ScriptedPorts::Event& event = user_.events().back();
        return {event.message.text, event.kind == ScriptedPorts::Kind::ShowText};
    }

    ScriptedPorts user_;
    Workbench workbench_{user_.ports(), std::filesystem::path("/start")};
    ResamplingViews views_{workbench_};
};

TEST_F(ResamplingViewsTest, CardsAndListingsOpenInTheViewerAtOnce) {
    views_.viewCard(SampleKind::Bootstrap);
    EXPECT_EQ(lastOpened(), (std::pair<std::string, bool>{"/cards/ecsi.bt", true}));
    views_.viewCard(SampleKind::Jackknife);
    EXPECT_EQ(lastOpened().first, "/cards/ecsi.jk");
    views_.viewListing(SampleKind::Bootstrap);
    EXPECT_EQ(lastOpened().first, "/models/ecsi.boot");
    views_.viewListing(SampleKind::Jackknife);
    EXPECT_EQ(lastOpened().first, "/models/ecsi.jack");
    EXPECT_EQ(user_.events().size(), 4u);
}

TEST_F(ResamplingViewsTest, SummariesAskFirstWhenTheirRunFlagIsNotSet) {
    user_.answer(false);
    EXPECT_FALSE(views_.viewSummary(SampleKind::Bootstrap));
    ASSERT_EQ(user_.events().size(), 1u);
    EXPECT_EQ(user_.events()[0].kind, ScriptedPorts::Kind::AskOkCancel);
    EXPECT_EQ(user_.events()[0].message.key, "MSG_InvalidModel");

    user_.answer(true);
    EXPECT_TRUE(views_.viewSummary(SampleKind::Jackknife));
    EXPECT_EQ(lastOpened(), (std::pair<std::string, bool>{"/models/ecsi_jk.out", true}));

    // The text summaries need an estimate, the CSV summaries a resampling run.
    workbench_.model().estimated = true;
    user_.clear();
    EXPECT_TRUE(views_.viewSummary(SampleKind::Bootstrap));
    EXPECT_EQ(user_.events().size(), 1u);
    user_.answer(false);
    EXPECT_FALSE(views_.openCsvSummary(SampleKind::Bootstrap));
    workbench_.model().resampled = true;
    user_.clear();
    EXPECT_TRUE(views_.openCsvSummary(SampleKind::Jackknife));
    ASSERT_EQ(user_.events().size(), 1u);
    EXPECT_EQ(user_.events()[0].kind, ScriptedPorts::Kind::OpenWithDesktop);
    EXPECT_EQ(lastOpened().first, "/models/ecsi_jack.csv");
}

}  // namespace
}  // namespace qv
