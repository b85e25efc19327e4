#include "core/groups/GroupReport.h"

#include <gtest/gtest.h>

#include "core/app/Workbench.h"
#include "core/groups/GroupReportFormat.h"
#include "core/ports/ScriptedPorts.h"
#include "core/support/TempFolder.h"
#include "tests/core/report/GoldenReport.h"

namespace qv {
namespace {

namespace fs = std::filesystem;
using testing::readBytes;
using testing::TempFolder;

constexpr const char* kDate = "Sun Dec  6 21:05:01 2026\n";

std::tm reportTime() {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 6;
    time.tm_wday = 0;
    time.tm_hour = 21;
    time.tm_min = 5;
    time.tm_sec = 1;
    return time;
}

// Paths "A<B" -> "C & D" and "C & D" -> "E", compared on 100 and 120 cases.
void compare(ProjectModel& model) {
    for (const char* caption : {"A<B", "C & D", "E"}) {
        ASSERT_TRUE(model.addConstruct(50 * model.nConstruct, 10));
        model.constructs[static_cast<size_t>(model.nConstruct - 1)].caption = caption;
    }
    ASSERT_TRUE(model.addPath(0, 1));
    ASSERT_TRUE(model.addPath(1, 2));
    model.paths[0] = Path{.src = 0, .dest = 1, .coefficient = 0.40f, .coefficientSE = 0.05,
                          .coefficientT = 8.0f};
    model.paths[1] = Path{.src = 1, .dest = 2, .coefficient = -0.1234f, .coefficientSE = 0.1,
                          .coefficientT = -1.234f};
    model.groupPaths[0] = Path{.src = 0, .dest = 1, .coefficient = 0.20f, .coefficientSE = 0.04,
                               .coefficientT = 5.0f};
    model.groupPaths[1] = Path{.src = 1, .dest = 2, .coefficient = 0.3f, .coefficientSE = 0.15,
                               .coefficientT = 2.0f};
    ComputeGroupStatistics(model, {100, 120});
}

TEST(GroupReport, PageHoldsHeadPictureTableOfEveryPathAndFootWithCaptionsEscaped) {
    ProjectModel model;
    compare(model);
    const std::string page = FormatGroupReport(GroupComparisonRows(model), model.groupDf, kDate, true);
    EXPECT_EQ(page, testing::goldenPage(fs::path(QV_TEST_DATA_DIR) / "groups" / "WebOutput.html"));
    EXPECT_NE(page.find("<td align=center>A&lt;B -> C &amp; D<td>0.400<td>0.050<td>8.000"
                        "<td>0.200<td>0.040<td>5.000<td>0.200<td>218<td>3.205"),
              std::string::npos);
}

class GroupReportCommand : public ::testing::Test {
protected:
    GroupReportCommand() : workbench_(user_.ports(), folder_ / "start") {
        fs::create_directories(folder_ / "start");
        EXPECT_FALSE(workbench_.startUp().has_value());
        workbench_.texts().set("MSG_OpenError", "Cannot open the file");
        workbench_.files().project = (folder_ / "study.qvt").string();
        compare(workbench_.model());
    }
    TempFolder folder_;
    ScriptedPorts user_;
    Workbench workbench_;
};

TEST_F(GroupReportCommand, WritesTheReportAndPictureBesideTheModelShowsBothGroupsAndOpensIt) {
    user_.paintDiagram({800, 600});
    const auto report = WriteGroupReport(workbench_, reportTime());
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(*report, folder_ / "study_groups" / "WebOutput.html");
    EXPECT_EQ(readBytes(*report), testing::goldenPage(fs::path(QV_TEST_DATA_DIR) / "groups" / "WebOutput.html"));
    // The constructs lie near the top-left corner: the picture starts at left 1, top 0.
    EXPECT_EQ(user_.pictureRectangle(), (PictureRectangle{1, 0, 155, 65}));
    EXPECT_EQ(workbench_.model().groupDisplayMode, 2);
    ASSERT_FALSE(user_.events().empty());
    EXPECT_EQ(user_.events().back().kind, ScriptedPorts::Kind::OpenWithDesktop);
    EXPECT_EQ(user_.events().back().message.text, report->string());
}

TEST_F(GroupReportCommand, AReportThatCannotBeCreatedIsToldAndNothingIsOpened) {
    const fs::path blocked = folder_ / "study_groups" / "WebOutput.html";
    fs::create_directories(blocked);  // a folder in the report's place
    EXPECT_FALSE(WriteGroupReport(workbench_, reportTime()).has_value());
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].text, "cannot write " + blocked.string() + ": Is a directory");
    for (const auto& event : user_.events())
        EXPECT_NE(event.kind, ScriptedPorts::Kind::OpenWithDesktop);
}

TEST_F(GroupReportCommand, WithoutAPaintedDiagramThePageHasNoPicture) {
    const auto report = WriteGroupReport(workbench_, reportTime());
    ASSERT_TRUE(report.has_value());
    EXPECT_EQ(readBytes(*report).find("Model.bmp"), std::string::npos);
    EXPECT_NE(readBytes(*report).find("<center><p><p><caption>"), std::string::npos);
}

}  // namespace
}  // namespace qv
