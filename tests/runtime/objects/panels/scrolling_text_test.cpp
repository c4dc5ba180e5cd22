#include "scrolling_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using qbk::TextExtent;
using qbk::TextMotion;

const TextExtent kExtent{40, 12, 100, 30};  // text 40 x 12 in an area of 100 x 30

TEST(ScrollingText, SpeedsStartTheTextJustOutsideTheNearSideOrAtTheFarEdge)
{
    struct Case {
        double sx, sy, x, y;
    };
    const Case cases[] = {{0.1, 0, -40, 0}, {-0.1, 0, 100, 0}, {0, 0.2, 0, -12}, {0, -0.2, 0, 30}, {0, 0, 0, 0}};
    for (const Case& c : cases) {
        TextMotion motion;
        motion.SetOffset(7, 9);
        motion.Start(c.sx, c.sy, kExtent);
        EXPECT_EQ(motion.X(), c.x);
        EXPECT_EQ(motion.Y(), c.y);
        EXPECT_EQ(motion.IsMoving(), c.sx != 0 || c.sy != 0);
    }
}

TEST(ScrollingText, MovesByElapsedTimeAndComesBackFromTheOtherSide)
{
    TextMotion motion;
    motion.Start(0.1, 0, kExtent);
    motion.Advance(20, kExtent);
    EXPECT_DOUBLE_EQ(motion.X(), -38);  // 2 pixels per 20 ms
    for (int i = 0; i < 69; ++i) motion.Advance(20, kExtent);
    EXPECT_DOUBLE_EQ(motion.X(), 100);  // at the right edge, still in
    motion.Advance(20, kExtent);
    EXPECT_DOUBLE_EQ(motion.X(), -40);  // out at the right: back in from the left
    // Past the right edge (x above 100) it starts again left of the area.
    TextMotion right;
    right.Start(0.1, 0, kExtent);
    right.SetOffset(99.5, 0);
    right.Advance(20, kExtent);
    EXPECT_EQ(right.X(), -40);
    // Leftwards, below -40 it comes back at the right edge.
    TextMotion left;
    left.Start(-1, 0, kExtent);
    left.SetOffset(-39, 0);
    left.Advance(1, kExtent);
    EXPECT_EQ(left.X(), -40);  // -40 is still in (the text just touches the area)
    left.Advance(1, kExtent);
    EXPECT_EQ(left.X(), 100);
    // The same on the vertical axis.
    TextMotion down;
    down.Start(0, 0.5, kExtent);
    down.SetOffset(0, 29);
    down.Advance(4, kExtent);
    EXPECT_EQ(down.Y(), -12);
}

TEST(ScrollingText, SpeedsThatAreNoNumbersStandStill)
{
    TextMotion motion;
    motion.Start(std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(), kExtent);
    EXPECT_FALSE(motion.IsMoving());
    motion.Advance(20, kExtent);
    EXPECT_EQ(motion.X(), 0);
    EXPECT_EQ(motion.Y(), 0);
    TextMotion fast;
    fast.Start(1e300, 0, kExtent);
    fast.Advance(4000000000u, kExtent);
    EXPECT_TRUE(std::isfinite(fast.X()));
    EXPECT_GE(fast.X(), -40);
    EXPECT_LE(fast.X(), 100);
}

}  // namespace
