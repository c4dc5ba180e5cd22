#include "tray_animation.h"

#include <gtest/gtest.h>

namespace {

TEST(TrayAnimation, IconsFollowInTurnAndStartOverAfterTheLast)
{
    int index = 0;
    int seen[5];
    for (int& icon : seen) icon = index = qbk::NextTrayIcon(index, 3);
    EXPECT_EQ(seen[0], 1);
    EXPECT_EQ(seen[1], 2);
    EXPECT_EQ(seen[2], 0);
    EXPECT_EQ(seen[3], 1);
    EXPECT_EQ(qbk::NextTrayIcon(0, 0), -1);
    EXPECT_EQ(qbk::NextTrayIcon(7, 3), 0);  // an index left over from a longer list
    EXPECT_EQ(qbk::NextTrayIcon(-1, 1), 0);
}

TEST(TrayAnimation, APeriodEndsOnceTheRoundedSecondsExceedIt)
{
    EXPECT_FALSE(qbk::TrayAnimationOver(5.0, 5));
    EXPECT_FALSE(qbk::TrayAnimationOver(5.49, 5));
    EXPECT_TRUE(qbk::TrayAnimationOver(5.5, 5));
    EXPECT_TRUE(qbk::TrayAnimationOver(6.0, 5));
    EXPECT_FALSE(qbk::TrayAnimationOver(1e9, 0));  // no limit
    EXPECT_FALSE(qbk::TrayAnimationOver(10, -3));
}

}  // namespace
