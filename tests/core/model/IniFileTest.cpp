#include "core/model/IniFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>

#include "tests/core/support/InjectedWriteFault.h"
#include "tests/core/support/TempFolder.h"

namespace qv {
namespace {

namespace fs = std::filesystem;

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("qv_ini_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    fs::path file(const std::string& content) {
        const fs::path path = dir_ / "test.ini";
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    static std::string bytes(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path dir_;
};

TEST_F(IniFileTest, ReadsWithoutRegardToLetterCaseAndKeepsValuesVerbatim) {
    IniFile ini(file("[Basic]\r\nRaw=C:\\data\\my file.dat \r\nConstruct=3\r\n[Path]\r\nSrc_0=x\r\n"));
    EXPECT_TRUE(ini.existed());
    EXPECT_EQ(ini.readString("basic", "RAW"), "C:\\data\\my file.dat ");
    EXPECT_EQ(ini.readInt("BASIC", "construct", 0), 3);
    EXPECT_EQ(ini.readInt("Path", "Src_0", 7), 7);  // not a number: the fallback
    EXPECT_EQ(ini.readInt("Path", "Dest_0", -1), -1);
    EXPECT_EQ(ini.readString("Missing", "Raw", "none"), "none");
    EXPECT_FALSE(ini.readBool("Basic", "Other", false));
    EXPECT_TRUE(ini.readBool("Basic", "Construct", false));
}

TEST_F(IniFileTest, ToleratesLineFeedsOnlyAndGarbageLines) {
    IniFile ini(file("garbage before\n[A]\nno equals sign\n;comment=1\n\x01\xff=\xfe\nk = v\n[B"));
    EXPECT_EQ(ini.readString("A", "k"), "v");  // the blanks belong to the equals sign
    EXPECT_FALSE(ini.value("A", ";comment").has_value());
    EXPECT_EQ(ini.readString("A", "\x01\xff"), "\xfe");
    ini.writeString("A", "k", "w");
    EXPECT_EQ(ini.text(),
              "garbage before\r\n[A]\r\nno equals sign\r\n;comment=1\r\n\x01\xff=\xfe\r\nk=w\r\n[B\r\n");
}

TEST_F(IniFileTest, HandEditedFileWithByteOrderMarkAndBlanksIsReadAndKeptSo) {
    const fs::path path = file("\xEF\xBB\xBF[Basic]\r\nRaw = /data/my file.dat \r\nConstruct =\t3\r\nKeep= x\r\n");
    IniFile ini(path);
    EXPECT_TRUE(ini.hasSection("Basic"));
    EXPECT_EQ(ini.readString("Basic", "Raw"), "/data/my file.dat");
    EXPECT_EQ(ini.readInt("Basic", "Construct", 0), 3);
    EXPECT_EQ(ini.readString("Basic", "Keep"), " x");  // written so: the blank is the value's
    ini.writeInt("Basic", "Construct", 4);
    ini.writeString("Basic", "Raw", " lead");
    ASSERT_FALSE(ini.save().has_value());
    EXPECT_EQ(bytes(path), "\xEF\xBB\xBF[Basic]\r\nRaw= lead\r\nConstruct=4\r\nKeep= x\r\n");
    EXPECT_EQ(IniFile(path).readString("Basic", "Raw"), " lead");
}

TEST_F(IniFileTest, WritingReplacesInPlaceAppendsNewKeysToTheirSectionAndNewSectionsAtTheEnd) {
    const fs::path path = file("; head\r\n[One]\r\nA=1\r\nb=2\r\n\r\n[Two]\r\nC=3\r\n");
    IniFile ini(path);
    ini.writeInt("one", "B", 20);
    ini.writeString("One", "New", "x\\y");
    ini.writeBool("Three", "Flag", true);
    ini.writeString("Two", "C", "line\r\nbreak");
    ini.removeKey("ONE", "a");
    ini.removeKey("One", "Absent");
    ini.removeKey("Absent", "A");
    ASSERT_FALSE(ini.save().has_value());
    EXPECT_EQ(bytes(path),
              "; head\r\n[One]\r\nb=20\r\nNew=x\\y\r\n\r\n[Two]\r\nC=line  break\r\n"
              "[Three]\r\nFlag=1\r\n");
    EXPECT_EQ(testing::temporaryFilesIn(dir_), 0);
}

TEST_F(IniFileTest, MissingFileIsEmptyAndCreatedOnSave) {
    const fs::path path = dir_ / "new.ini";
    IniFile ini(path);
    EXPECT_FALSE(ini.existed());
    EXPECT_FALSE(ini.hasSection("Basic"));
    ini.writeString("Basic", "Raw", "");
    ASSERT_FALSE(ini.save().has_value());
    EXPECT_EQ(bytes(path), "[Basic]\r\nRaw=\r\n");
}

TEST_F(IniFileTest, FailedSaveReportsAndLeavesTheOldFile) {
    const fs::path path = file("[A]\r\nk=1\r\n");
    IniFile ini(path);
    ini.writeInt("A", "k", 2);
    const testing::InjectedWriteFault full({"test.ini", ENOSPC, 3});  // the disk fills
    const auto error = ini.save();
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(*error, "cannot write " + path.string() + ": No space left on device");
    EXPECT_EQ(bytes(path), "[A]\r\nk=1\r\n");
    EXPECT_EQ(testing::temporaryFilesIn(dir_), 0);
}

}  // namespace
}  // namespace qv
