#include "progress_fill.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using qbk::FillArea;
using qbk::ProgressFillArea;

struct FillCase {
    int width, height, low, high, position;
    bool vertical;
    FillArea expected;
};

TEST(ProgressFill, ShareOfTheRangeFromTheLeftOrTheBottom)
{
    const FillCase cases[] = {
        {200, 20, 0, 100, 30, false, {0, 0, 60, 20}}, {20, 100, 0, 100, 30, true, {0, 70, 20, 100}},
        {100, 10, 0, 3, 1, false, {0, 0, 33, 10}},  // truncated
        {10, 100, 0, 3, 1, true, {0, 67, 10, 100}},  // the filled length is truncated
        {100, 10, -50, 50, 0, false, {0, 0, 50, 10}}, {100, 10, 0, 100, 100, false, {0, 0, 100, 10}},
        {100, 10, 0, 100, 0, false, {0, 0, 0, 10}},
    };
    for (const FillCase& c : cases) {
        const FillArea area = ProgressFillArea(c.width, c.height, c.low, c.high, c.position, c.vertical);
        EXPECT_EQ(area.Left, c.expected.Left);
        EXPECT_EQ(area.Top, c.expected.Top);
        EXPECT_EQ(area.Right, c.expected.Right);
        EXPECT_EQ(area.Bottom, c.expected.Bottom) << c.position;
    }
}

TEST(ProgressFill, EmptyRangesAndPositionsOutsideTheRangeStayWithinTheBar)
{
    EXPECT_TRUE(ProgressFillArea(100, 10, 5, 5, 5, false).IsEmpty());
    EXPECT_TRUE(ProgressFillArea(100, 10, 5, 5, 9, true).IsEmpty());
    EXPECT_TRUE(ProgressFillArea(100, 10, 0, 100, -20, false).IsEmpty());
    EXPECT_EQ(ProgressFillArea(100, 10, 0, 100, 500, false).Right, 100);
    EXPECT_EQ(ProgressFillArea(100, 10, INT_MIN, INT_MAX, INT_MAX, false).Right, 100);
    EXPECT_EQ(ProgressFillArea(100, 10, 100, 0, 50, false).Right, 50);  // a range given high first
    EXPECT_TRUE(ProgressFillArea(0, 10, 0, 100, 50, false).IsEmpty());
}

}  // namespace
