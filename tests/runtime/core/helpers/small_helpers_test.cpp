#include <gtest/gtest.h>

#include <climits>

#include "aspect_fit.h"
#include "string_sort.h"

TEST(SortStringsTest, IgnoresCaseAndKeepsEqualOrder)
{
    CStringArray a;
    for (const char* s : {"beta", "Alpha", "alpha", "_x", "Beta", "a"}) a.Add(s);
    SortStrings(a);
    const char* want[] = {"_x", "a", "Alpha", "alpha", "beta", "Beta"};
    ASSERT_EQ(a.GetSize(), 6);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(a[i], want[i]) << i;
    CStringArray empty;
    SortStrings(empty);
    EXPECT_EQ(empty.GetSize(), 0);
}

TEST(FitSizeToAspectTest, ByTable)
{
    struct Case {
        int bw, bh, sw, sh;
        CSize want;
    } cases[] = {
        {100, 100, 200, 100, CSize(100, 50)},
        {100, 100, 100, 200, CSize(50, 100)},
        {100, 100, 300, 0, CSize(100, 100)},  // height below 1: ratio 1
        {100, 50, 0, 10, CSize(0, 50)},  // zero width: no infinity to convert
        {0, 50, 0, 10, CSize(0, 50)},
        {100, 100, 3, 1, CSize(100, 33)},
        {INT_MAX, 10, 1, 1000000, CSize(0, 10)},
        {10, INT_MAX, 1, 1000000, CSize(10, 10000000)},
        {INT_MAX, INT_MAX, INT_MAX, 1, CSize(INT_MAX, 1)},
    };
    for (const auto& c : cases) {
        CSize got = FitSizeToAspect(c.bw, c.bh, c.sw, c.sh);
        EXPECT_EQ(got, c.want) << c.bw << "x" << c.bh << " " << c.sw << "x" << c.sh << " -> " << got.cx << "x"
                               << got.cy;
    }
}
