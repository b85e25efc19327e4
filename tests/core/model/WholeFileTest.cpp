#include "core/model/WholeFile.h"

#include <gtest/gtest.h>

#include "tests/core/support/TempFolder.h"

namespace qv {
namespace {

TEST(WholeFile, ReadsEveryByteAndNamesWhyAFileCannotBeRead) {
    qv::testing::TempFolder folder;
    std::string reason;
    const std::string bytes("a\r\nb\0\xff", 6);
    EXPECT_EQ(ReadWholeFile(folder.write("data", bytes), reason), bytes);
    EXPECT_EQ(ReadWholeFile(folder.write("empty", ""), reason), "");
    EXPECT_FALSE(ReadWholeFile(folder / "missing", reason));
    EXPECT_EQ(reason, "No such file or directory");
    EXPECT_FALSE(ReadWholeFile(folder.path(), reason));
    EXPECT_EQ(reason, "Is a directory");
    EXPECT_EQ(UnreadableListingText(reason, "/x/y.out"), "ERROR!: Is a directory (/x/y.out)");
}

}  // namespace
}  // namespace qv
