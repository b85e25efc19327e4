#include "core/report/WebReport.h"

#include <gtest/gtest.h>

#include "core/report/HtmlText.h"
#include "core/report/PictureArea.h"
#include "core/report/WebReportFormat.h"
#include "core/results/ResamplingSummaryHtml.h"
#include "tests/core/report/GoldenReport.h"
#include "tests/core/report/ReportAnchors.h"
#include "tests/core/results/ResultFixture.h"

namespace qv {
namespace {
namespace fs = std::filesystem;
using testing::anchorNames;
using testing::contentsTargets;

// Sunday, 6 December 2026, 21:05:01.
std::tm reportTime() {
    std::tm time{};
    time.tm_year = 126;
    time.tm_mon = 11;
    time.tm_mday = 6;
    time.tm_wday = 0;
    time.tm_hour = 21;
    time.tm_min = 5;
    time.tm_sec = 1;
    return time;
}

// The small estimated model of the result tables with the paths A -> B -> C, estimated with
// blindfolding (redundancy Q-square for B and C), reported into its project folder.
class WebReportTest : public ResultFixture {
protected:
    void SetUp() override {
        ResultFixture::SetUp();
        texts_.set("MSG_InvalidModelStop", "Estimate the model first.");
        ASSERT_TRUE(model_.addPath(0, 1));
        ASSERT_TRUE(model_.addPath(1, 2));
        const float rSquare[] = {0, 0.25f, 0.5f}, q2[] = {0, 0.125f, 0.375f};
        for (int k = 0; k < 3; ++k) {
            model_.constructs[k].q2Kind = 1;
            model_.constructs[k].rSquare = rSquare[k];
            model_.constructs[k].q2 = q2[k];
            model_.constructs[k].q2sd = q2[k] / 10;
            model_.blindfoldingFlags[k] = k > 0;
        }
        model_.nBlindfolding = 2;
    }

    std::optional<fs::path> report() {
        return WebReport(ResultContext{model_, table_, filter_, parameters_, files_, texts_, ports_,
                                       folder_.path()},
                         reportTime)
            .run();
    }
    std::string page() const { return written("study_report/WebOutput.html"); }
    std::string toldTexts() const {
        std::string texts;
        for (const Message& message : user_.messages()) texts += message.text + "\n";
        return texts;
    }
    std::string goldenReport(const std::string& name) const {
        return testing::goldenPage(std::string(QV_TEST_DATA_DIR) + "/report/" + name);
    }
    // The summaries a bootstrap and a jackknife run leave in the work folder.
    void resampled() {
        const std::string resampling = std::string(QV_TEST_DATA_DIR) + "/resampling/";
        folder_.write("study_bt.html", testing::readBytes(resampling + "bootstrap_bt.html"));
        folder_.write("study_jk.html", testing::readBytes(resampling + "jackknife_jk.html"));
        model_.bootstrapDone = model_.jackknifeDone = true;
        model_.nBlindfolding = 0;  // a resampling run reads no cross-validation
    }
};

TEST_F(WebReportTest, AnEstimateGivesTheSixSectionsInOrderBesideThePicture) {
    user_.paintDiagram({640, 480});
    const auto written = report();
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, folder_ / "study_report" / "WebOutput.html");
    EXPECT_EQ(page(), goldenReport("small_WebOutput.html"));
    EXPECT_EQ(contentsTargets(page()),
              (std::vector<std::string>{"LOADING", "CORR", "AVE", "RSquare", "EFA", "FScore", "HTMT", "VIF",
                                        "EFFECTSIZE", "RELIABILITY", "EFFECTS", "FIT"}));
    // The constructs lie near the top-left corner: the picture starts at the surface's edge.
    EXPECT_EQ(user_.pictureRectangle(), (PictureRectangle{1, 0, 135, 95}));
    EXPECT_EQ(testing::readBytes(folder_ / "study_report" / "Model.bmp"), "BM 1 0 135 95");
    EXPECT_EQ(opened(), written->string());
    EXPECT_TRUE(user_.messages().empty());
    EXPECT_EQ(table_.cell(1, 1), "1");  // the grid holds the raw values again
    EXPECT_EQ(model_.nIndicator, 7);
}

TEST_F(WebReportTest, ResamplingSectionsFollowTheScoresAndTheRSquareWaitsForAnEstimate) {
    resampled();
    ASSERT_TRUE(report());
    EXPECT_EQ(page(), goldenReport("small_resampled_WebOutput.html"));
    EXPECT_EQ(contentsTargets(page()),
              (std::vector<std::string>{"LOADING", "CORR", "AVE", "EFA", "FScore", "HTMT", "VIF", "EFFECTSIZE",
                                        "RELIABILITY", "EFFECTS", "FIT", "BootStrap",
                                        "BootStrapLOADING", "BootStrapWEIGHT", "BootStrapPATH",
                                        "JackKnife", "JackKnifeLOADING", "JackKnifeWEIGHT",
                                        "JackKnifePATH"}));
    EXPECT_EQ(page().find("Model.bmp"), std::string::npos);  // no diagram to picture
    EXPECT_EQ(page().find("<HR><center><U><h2><a name=BootStrap>"),
              page().find("<HR>", page().find("name=FScore")));
}

TEST_F(WebReportTest, EveryEntryOfTheContentsLeadsToAnAnchorOfThePage) {
    resampled();
    fs::remove(folder_ / "study_jk.html");
    ASSERT_TRUE(report());
    const std::set<std::string> names = anchorNames(page());
    const auto targets = contentsTargets(page());
    EXPECT_EQ(targets.size(), 15u);  // the unreadable jackknife section is left out
    for (const std::string& target : targets) EXPECT_TRUE(names.contains(target)) << target;
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].text,
              "Cannot create the file\n(" + (folder_ / "study_jk.html").string() + ")");
}

TEST_F(WebReportTest, CaptionsAreEscapedInThePageAndItsSections) {
    model_.constructs[0].caption = "a<b";
    model_.indicators[indicatorNamed("x1")].caption = "x&'y'";
    ASSERT_TRUE(report());
    const std::string text = page();
    EXPECT_EQ(text.find("a<b"), std::string::npos);
    EXPECT_EQ(text.find("x&'"), std::string::npos);
    EXPECT_NE(text.find("<td rowspan=3 align=center>a&lt;b<td>x&amp;&#39;y&#39;<td>3.000000"),
              std::string::npos);
    EXPECT_NE(text.find("<font color=white>a&lt;b"), std::string::npos);  // factor structure
    EXPECT_NE(text.find("<th>a&lt;b"), std::string::npos);                // factor scores
}

TEST_F(WebReportTest, AQ2ThatCouldNotBeComputedIsNaWithItsReason) {
    model_.constructs[2].q2 = model_.constructs[2].q2sd = 0;
    model_.constructs[2].q2Missing = "round 1: indicator <c1> is constant";
    ASSERT_TRUE(report());
    EXPECT_NE(page().find("<td align=right>0.125000<td align=right>0.012500"), std::string::npos);
    EXPECT_NE(page().find("<td align=right>n/a (round 1: indicator &lt;c1&gt; is constant)<td align=right>n/a"),
              std::string::npos);
}

TEST_F(WebReportTest, NoEstimateOrNoWritableFolderWritesNothing) {
    model_.estimated = false;
    EXPECT_FALSE(report());
    ASSERT_EQ(user_.messageKeys(), (std::vector<std::string>{"MSG_InvalidModelStop"}));
    EXPECT_EQ(user_.messages()[0].caption, "Invalid Model");
    EXPECT_FALSE(fs::exists(folder_ / "study_report" / "WebOutput.html"));
    model_.estimated = true;
    user_.clear();
    fs::create_directories(folder_ / "study_report" / "WebOutput.html");  // a folder in its place
    EXPECT_FALSE(report());
    ASSERT_FALSE(user_.messages().empty());
    EXPECT_EQ(user_.messages().back().text,
              "cannot write " + (folder_ / "study_report" / "WebOutput.html").string() + ": Is a directory");
    EXPECT_EQ(opened(), "");
}

// The picture beside the page is written like the page: a failure ends the report.
TEST_F(WebReportTest, APictureThatCannotBeWrittenEndsTheReportNamingIt) {
    user_.paintDiagram({640, 480});
    fs::create_directories(folder_ / "study_report" / "Model.bmp" / "in the way");
    EXPECT_FALSE(report());
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].text,
              "cannot write " + (folder_ / "study_report" / "Model.bmp").string() + ": Is a directory");
    EXPECT_FALSE(fs::exists(folder_ / "study_report" / "WebOutput.html"));
}

// The style sheet beside the page is written like the page: a failure ends the report.
TEST_F(WebReportTest, AStyleSheetThatCannotBeCopiedEndsTheReportNamingIt) {
    fs::create_directories(folder_ / "data");
    folder_.write("data/style.css", "body {}");
    fs::create_directories(folder_ / "study_report" / "style.css" / "in the way");
    EXPECT_FALSE(WebReport(ResultContext{model_, table_, filter_, parameters_, files_, texts_, ports_,
                                         folder_.path(), folder_ / "data"},
                           reportTime)
                     .run());
    ASSERT_EQ(user_.messages().size(), 1u);
    EXPECT_EQ(user_.messages()[0].text,
              "cannot write " + (folder_ / "study_report" / "style.css").string() + ": Is a directory");
    EXPECT_FALSE(fs::exists(folder_ / "study_report" / "WebOutput.html"));
}

// A two-stage estimate: T is second order over A and B; the first stage's blocks are A, B
// and C, the second stage's C and T.
TEST_F(WebReportTest, SecondOrderModelAddsItsLoadingsAndSecondStageCorrelations) {
    model_.currentOrder = 2;
    ASSERT_TRUE(model_.addConstruct(200, 200));
    model_.constructs[3].caption = "T";
    ASSERT_TRUE(model_.linkConstruct(0, 3));
    ASSERT_TRUE(model_.linkConstruct(1, 3));
    model_.recomputeHasSecondOrder();
    const float loadings[] = {0.75f, 0.5f, 0, 0}, weights[] = {0.625f, 0.5f, 0, 0};
    for (int k = 0; k < 4; ++k) {
        Indicator& score = model_.indicators[7 + k];
        score = Indicator{.caption = model_.constructs[k].caption,
                          .construct = model_.constructs[k].construct,
                          .loading = loadings[k], .residual = 1 - loadings[k] * loadings[k],
                          .weight = weights[k]};
        model_.constructs[k].scoreIndicator = 7 + k;
    }
    model_.estimationStage = 2;
    model_.estimated = true;  // the edits above made the earlier estimate void
    folder_.write("study_2.out",
                  "---- Problem 1 ------------------------------------------\r\nALLSample \r\n"
                  "Blocks 2, cases 5\r\n\r\nCorrelations of latent variables\r\n"
                  "================================\r\n\r\n                   C         T\r\n"
                  "C           1.000000\r\nT           0.375000  1.000000\r\n");
    ASSERT_TRUE(report()) << toldTexts();
    EXPECT_EQ(page(), goldenReport("second_order_WebOutput.html"));
    EXPECT_EQ(model_.nIndicator, 7);
}

TEST(WebReportText, ResamplingSectionEscapesNamesAndKeepsThePathColumnsWidths) {
    SummaryTable table;
    table.kind = SampleKind::Bootstrap;
    table.loadings.push_back({"a<b", "x&y", "", 0, true, {0.5}});
    table.paths.push_back({"", "a<b", "C", 0, false, {0.25}});
    const std::string html = FormatSummaryHtml(table);
    EXPECT_NE(html.find("<TD align=left>a&lt;b<TD align=left>x&amp;y<TD>  0.5000\n"),
              std::string::npos)
        << html;
    EXPECT_NE(html.find("<TD align=left>     a&lt;b->C       <TD>  0.2500\n"), std::string::npos)
        << html;
}

TEST(PictureArea, CircleAndMarginStayInsideTheSurface) {
    ProjectModel model;
    EXPECT_EQ(DiagramPictureArea(model, {800, 600}), std::nullopt);
    ASSERT_TRUE(model.addConstruct(20, 10));
    ASSERT_TRUE(model.addConstruct(300, 200));
    // radius 25 and 30 around the circles: left -35 becomes 1, top -45 becomes 0.
    EXPECT_EQ(DiagramPictureArea(model, {800, 600}), (PictureRectangle{1, 0, 355, 255}));
    EXPECT_EQ(DiagramPictureArea(model, {320, 240}), (PictureRectangle{1, 0, 320, 240}));
    model.constructs[0].x = 500;
    model.constructs[0].y = 400;
    EXPECT_EQ(DiagramPictureArea(model, {800, 600}), (PictureRectangle{245, 145, 555, 455}));
    EXPECT_EQ(DiagramPictureArea(model, {200, 100}), std::nullopt);  // beyond the surface
}

// A painter whose bitmap has only a header: "BM", then the width and height at bytes 18 and 22.
struct HeaderOnlyPicture final : DiagramPicture {
    std::int32_t width = 0, height = 0;
    std::optional<PictureSize> surfaceSize() override { return PictureSize{800, 600}; }
    std::optional<std::string> bitmap(const PictureRectangle&) override {
        std::string bytes(54, '\0');
        bytes[0] = 'B';
        bytes[1] = 'M';
        for (int k = 0; k < 4; ++k) {
            bytes[18 + k] = char(std::uint32_t(width) >> (8 * k) & 0xFF);
            bytes[22 + k] = char(std::uint32_t(height) >> (8 * k) & 0xFF);
        }
        return bytes;
    }
};

TEST(PictureArea, ThePageShowsThePictureAtHalfItsPixels) {
    testing::TempFolder folder;
    ProjectModel model;
    ASSERT_TRUE(model.addConstruct(100, 100));
    HeaderOnlyPicture picture;
    picture.width = 301;
    picture.height = -200;  // stored top row first
    const SavedPicture saved = SaveDiagramPicture(picture, model, folder.path() / "Model.bmp");
    ASSERT_TRUE(saved.saved);
    ASSERT_TRUE(saved.shown);
    EXPECT_EQ(saved.shown->width, 151);
    EXPECT_EQ(saved.shown->height, 100);
    EXPECT_EQ(PictureTag(saved.shown), "<img src=Model.bmp width=151 height=100>");
    // Bytes that carry no bitmap size leave the picture at its own size.
    picture.width = 0;
    EXPECT_FALSE(SaveDiagramPicture(picture, model, folder.path() / "Model.bmp").shown);
    EXPECT_EQ(PictureTag(std::nullopt), "<img src=Model.bmp>");
}

TEST(WebReportText, DateIsFixedWidthEnglishAndTextIsEscaped) {
    EXPECT_EQ(ReportDateText(reportTime()), "Sun Dec  6 21:05:01 2026\n");
    std::tm later = reportTime();
    later.tm_mday = 16;
    later.tm_wday = 3;
    later.tm_hour = 9;
    EXPECT_EQ(ReportDateText(later), "Wed Dec 16 09:05:01 2026\n");
    EXPECT_EQ(HtmlEscaped("<a href=\"x\">&'"), "&lt;a href=&quot;x&quot;&gt;&amp;&#39;");
    EXPECT_EQ(HtmlEscaped("IMAG1"), "IMAG1");
}

}  // namespace
}  // namespace qv
