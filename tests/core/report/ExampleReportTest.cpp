#include <gtest/gtest.h>

#include <filesystem>

#include "core/app/Workbench.h"
#include "core/engine/EstimateCommand.h"
#include "core/ports/ScriptedPorts.h"
#include "core/report/WebReport.h"
#include "tests/core/report/ReportAnchors.h"
#include "tests/core/support/TempFolder.h"

namespace qv {
namespace {
namespace fs = std::filesystem;

// The interaction example opened in a workbench whose start folder holds the built engine
// and the report's companion files, estimated with the engine and shown in a diagram.
class ExampleReportTest : public ::testing::Test {
protected:
    void SetUp() override {
        const fs::path start = QV_START_DIR;
        if (!fs::exists(start / "pls")) GTEST_SKIP() << "the engine is not built";
        fs::create_directories(folder_ / "start");
        fs::create_directories(folder_ / "project");
        fs::create_symlink(start / "pls", folder_ / "start" / "pls");
        for (const char* name : {"English.ini", "style.css", "icon_182.jpg"})
            fs::copy_file(start / name, folder_ / "start" / name);
        const fs::path example = fs::path(QV_EXAMPLES_DIR) / "interaction";
        for (const char* name : {"moderation.qvt", "mobi.txt"})
            fs::copy_file(example / name, folder_ / "project" / name);
        ASSERT_FALSE(workbench_.startUp().has_value());
        ASSERT_TRUE(workbench_.openModelByName((folder_ / "project" / "moderation.qvt").string()));
        user_.paintDiagram({1000, 800});
    }

    testing::TempFolder folder_;
    ScriptedPorts user_;
    Workbench workbench_{user_.ports(), folder_ / "start"};
};

TEST_F(ExampleReportTest, ProductTermModelScoresItsConstructsBesideItsPicture) {
    ASSERT_TRUE(EstimateCommand(workbench_).run());
    const auto report = WebReport(workbench_).run();
    ASSERT_TRUE(report);
    // The page, its picture and the companions it links lie beside the model.
    const fs::path beside = folder_ / "project" / "moderation_report";
    EXPECT_EQ(*report, beside / "WebOutput.html");
    EXPECT_TRUE(fs::exists(beside / "style.css") && fs::exists(beside / "icon_182.jpg"));
    const std::string page = testing::readBytes(*report);
    // The product indicators have their rows in the loadings, the scores only constructs.
    EXPECT_NE(page.find("<td rowspan=10 align=center>IMxVAL<td>IM1VA1<td>"), std::string::npos);
    EXPECT_NE(page.find("<tr align=center bgcolor=008080><th>IMAG<th>VAL<th>SAT<th>IMxVAL<tr>"),
              std::string::npos);
    EXPECT_EQ(testing::contentsTargets(page),
              (std::vector<std::string>{"LOADING", "CORR", "AVE", "RSquare", "EFA", "FScore", "HTMT", "VIF", "EFFECTSIZE",
                                        "RELIABILITY", "EFFECTS", "FIT"}));
    const std::set<std::string> anchors = testing::anchorNames(page);
    for (const char* section : {"HTMT", "VIF", "EFFECTSIZE", "RELIABILITY", "EFFECTS", "FIT"})
        EXPECT_TRUE(anchors.contains(section)) << section;
    EXPECT_NE(page.find("<caption><u><b>Effect size f2</b></u></caption>"), std::string::npos);
    EXPECT_NE(page.find("<td><img src=Model.bmp></table>"), std::string::npos);
    const int margin = workbench_.model().radius + 30;
    EXPECT_EQ(user_.pictureRectangle(),
              (PictureRectangle{80 - margin, 100 - margin, 400 + margin, 320 + margin}));
    EXPECT_EQ(workbench_.rawData().cell(1, 1), "7");  // the raw values as read
}

}  // namespace
}  // namespace qv
