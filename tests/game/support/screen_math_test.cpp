// FitRect, PointInRect and MakeColor.
#include <gtest/gtest.h>

#include "KScreenMath.h"

#include <climits>

namespace {
void ExpectRect(const KRect& r, int left, int top, int right, int bottom)
{
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}
}  // namespace

TEST(FitRect, CentresTheLargestBandOfTheAspect)
{
    ExpectRect(FitRect(0, 0, 400, 300, 4, 3), 0, 0, 400, 300);
    ExpectRect(FitRect(0, 0, 400, 300, 1, 1), 50, 0, 350, 300);
    ExpectRect(FitRect(10, 20, 410, 320, 16, 9), 10, 57, 410, 282);  // 225 high, (300-225)/2 = 37 cut
    ExpectRect(FitRect(0, 0, 101, 100, 1, 1), 0, 0, 100, 100);  // half of 1 is cut to 0
}

TEST(FitRect, AnAspectSideBelowOneCountsAsSquare)
{
    ExpectRect(FitRect(0, 0, 400, 300, 4, 0), 50, 0, 350, 300);
    ExpectRect(FitRect(0, 0, 400, 300, 0, 3), 50, 0, 350, 300);
    ExpectRect(FitRect(0, 0, 400, 300, -4, 3), 50, 0, 350, 300);
}

TEST(FitRect, DegenerateBoxesGiveEmptyBands)
{
    ExpectRect(FitRect(5, 5, 5, 5, 4, 3), 5, 5, 5, 5);
    const KRect inverted = FitRect(100, 100, 0, 0, 4, 3);
    EXPECT_EQ(inverted.right - inverted.left, 0);
    const KRect huge = FitRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, 1);
    EXPECT_LE(huge.top, huge.bottom);
}

TEST(PointInRect, LeftAndTopEdgesInsideRightAndBottomOutside)
{
    EXPECT_TRUE(PointInRect(10, 20, 30, 40, 10, 20));
    EXPECT_TRUE(PointInRect(10, 20, 30, 40, 39, 59));
    EXPECT_FALSE(PointInRect(10, 20, 30, 40, 40, 30));
    EXPECT_FALSE(PointInRect(10, 20, 30, 40, 20, 60));
    EXPECT_FALSE(PointInRect(10, 20, 30, 40, 9, 30));
    EXPECT_FALSE(PointInRect(10, 20, 0, 40, 10, 30));
    EXPECT_TRUE(PointInRect(INT_MAX - 1, 0, INT_MAX, 1, INT_MAX, 0));  // no overflow at the far edge
}

TEST(MakeColor, OpaqueTopByteThenRedGreenBlue)
{
    EXPECT_EQ(MakeColor(1, 2, 3), 0xFF010203u);
    EXPECT_EQ(MakeColor(255, 0, 128), 0xFFFF0080u);
    EXPECT_EQ(MakeColor(256 + 1, -1, 0), 0xFF01FF00u);  // each channel keeps its own byte
}
