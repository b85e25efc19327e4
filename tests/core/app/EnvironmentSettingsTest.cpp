#include "core/app/EnvironmentSettings.h"

#include <gtest/gtest.h>

#include "core/support/TempFolder.h"

namespace qv {
namespace {

using testing::readBytes;
using testing::TempFolder;

TEST(EnvironmentSettings, WithoutConfIniEverySettingHasItsDefault) {
    TempFolder start;
    EnvironmentSettings settings;
    settings.lang = "German";
    settings.read(start.path(), start.path());
    EXPECT_EQ(settings.lang, "English");
    EXPECT_EQ(settings.radius, 25);
    EXPECT_EQ(settings.editor, "");  // the desktop's editor
    EXPECT_EQ(settings.workingDir, start.path().string());
    // Black text on light colours; before, light grey text on grey circles (contrast 1.6:1).
    EXPECT_EQ(settings.bgColor, 0xF5F5EB);
    EXPECT_EQ(settings.constructColor, 0x80FFFF);
    EXPECT_EQ(settings.pathColor, 0x808040);
    EXPECT_EQ(settings.textColor, 0);
    EXPECT_FALSE(settings.beep);
    EXPECT_EQ(settings.charset, 1);
    EXPECT_EQ(settings.languages, std::vector<std::string>{"English"});
    for (int i = 0; i < RecentModels::kCount; ++i) EXPECT_EQ(settings.recentModels.entry(i), "");
}

TEST(EnvironmentSettings, ReadsEveryKeyReplacesColourMinusOneAndLimitsTheLanguages) {
    TempFolder start;
    start.write("conf.ini",
                "[Color]\r\nbgcolor=-1\r\nconstruct_color=8454143\r\npath_color=-1\r\n"
                "text_color=0\r\n[Environment]\r\nEditor=C:\\Tools\\edit.exe\r\nRadius=31\r\n"
                "Beep=1\r\nPath=/home/u/models\r\n[Language]\r\nLANG=Deutsch\r\nnLANG=500\r\n"
                "Charset=4\r\nLANGUAGE2=Deutsch\r\n[History]\r\nModel1=/a.qvt\r\nModel3=/c.qvt\r\n");
    EnvironmentSettings settings;
    settings.read(start.path(), start.path());
    EXPECT_EQ(settings.bgColor, kDefaultBackgroundColor);
    EXPECT_EQ(settings.constructColor, 0x80FFFF);
    EXPECT_EQ(settings.pathColor, kDefaultPathColor);
    EXPECT_EQ(settings.textColor, 0);
    EXPECT_EQ(settings.editor, "C:\\Tools\\edit.exe");
    EXPECT_EQ(settings.radius, 31);
    EXPECT_TRUE(settings.beep);
    EXPECT_EQ(settings.workingDir, "/home/u/models");
    EXPECT_EQ(settings.lang, "Deutsch");
    EXPECT_EQ(settings.charset, 4);
    ASSERT_EQ(settings.languages.size(), 80u);
    EXPECT_EQ(settings.languages[0], "English");
    EXPECT_EQ(settings.languages[1], "Deutsch");
    EXPECT_EQ(settings.recentModels.entry(0), "/a.qvt");
    EXPECT_EQ(settings.recentModels.entry(1), "");
    EXPECT_EQ(settings.recentModels.entry(2), "/c.qvt");
}

TEST(EnvironmentSettings, WritesInItsOrderAndLeavesPathLanguageListAndOtherKeys) {
    TempFolder start;
    start.write("conf.ini", "[Environment]\r\nPath=/keep\r\nOwn=1\r\n[Language]\r\nnLANG=2\r\n");
    EnvironmentSettings settings;
    settings.read(start.path(), start.path());
    settings.radius = 28;
    settings.workingDir = "/elsewhere";
    settings.recentModels.add("/m.qvt");
    ASSERT_FALSE(settings.write(start.path()).has_value());
    EXPECT_EQ(readBytes(start / "conf.ini"),
              "[Environment]\r\nPath=/keep\r\nOwn=1\r\nEditor=\r\nRadius=28\r\n"
              "Beep=0\r\n[Language]\r\nnLANG=2\r\nLANG=English\r\nCharset=1\r\n"
              "[Color]\r\nbgcolor=16119275\r\nconstruct_color=8454143\r\npath_color=8421440\r\n"
              "text_color=0\r\n[History]\r\nModel1=/m.qvt\r\nModel2=\r\nModel3=\r\n");
    ASSERT_FALSE(settings.storeWorkingDir(start.path()).has_value());
    EnvironmentSettings again;
    again.read(start.path(), start.path());
    EXPECT_EQ(again.workingDir, "/elsewhere");
    EXPECT_EQ(again.radius, 28);
    EXPECT_EQ(again.bgColor, kDefaultBackgroundColor);
}

TEST(EnvironmentSettings, CharacterSetTable) {
    EXPECT_EQ(characterSetValue(0), 0);
    EXPECT_EQ(characterSetValue(3), 77);
    EXPECT_EQ(characterSetValue(18), 255);
    EXPECT_EQ(characterSetValue(19), 1);
    EXPECT_EQ(characterSetValue(-1), 1);
}

}  // namespace
}  // namespace qv
