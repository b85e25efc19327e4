#include "core/model/RecentModels.h"

#include <gtest/gtest.h>

namespace qv {
namespace {

TEST(RecentModels, NewNameGoesOnTopAndTheOldestDropsOut) {
    RecentModels recent;
    EXPECT_TRUE(recent.add("a.qvt"));
    EXPECT_TRUE(recent.add("b.qvt"));
    EXPECT_TRUE(recent.add("c.qvt"));
    EXPECT_TRUE(recent.add("d.qvt"));
    EXPECT_EQ(recent.entry(0), "d.qvt");
    EXPECT_EQ(recent.entry(1), "c.qvt");
    EXPECT_EQ(recent.entry(2), "b.qvt");
    EXPECT_EQ(recent.caption(1), "2. c.qvt");
}

TEST(RecentModels, KnownNameKeepsTheOrder) {
    RecentModels recent;
    recent.add("a.qvt");
    recent.add("b.qvt");
    EXPECT_FALSE(recent.add("a.qvt"));
    EXPECT_FALSE(recent.add(""));
    EXPECT_EQ(recent.entry(0), "b.qvt");
    EXPECT_EQ(recent.entry(1), "a.qvt");
    EXPECT_EQ(recent.caption(2), "");
    EXPECT_TRUE(recent.add("A.qvt"));  // names compare by exact text
}

}  // namespace
}  // namespace qv
