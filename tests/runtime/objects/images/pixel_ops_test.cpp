#include "pixel_ops.h"
#include "pixel_passes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

using namespace qbk;
using Pixels = std::vector<uint32_t>;

namespace {

// A w x h image whose pixel (x, y) is 100*y + x: every pixel distinct and easy to read.
Pixels Numbered(int w, int h)
{
    Pixels p(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) p[size_t(y) * w + x] = uint32_t(100 * y + x);
    return p;
}

class Recorder : public PassControl {
public:
    explicit Recorder(int cancelAtColumn = -1) : cancelAt_(cancelAtColumn) {}
    bool Cancelled() override { return columns_++ == cancelAt_; }
    void Progress(int permille) override { progress.push_back(permille); }
    std::vector<int> progress;

private:
    int cancelAt_;
    int columns_ = 0;
};

}  // namespace

TEST(Rotate, QuarterTurnsOfAThreeByTwoImage)
{
    Pixels src = Numbered(3, 2);  // 0 1 2 / 100 101 102
    Pixels ccw(6), cw(6), half(6);
    RotatePixels(src.data(), 3, 2, 2, ccw.data());
    EXPECT_EQ(ccw, (Pixels{2, 102, 1, 101, 0, 100}));  // 2 wide: top-left was the top-right
    RotatePixels(src.data(), 3, 2, 3, cw.data());
    EXPECT_EQ(cw, (Pixels{100, 0, 101, 1, 102, 2}));  // top-left was the bottom-left
    RotatePixels(src.data(), 3, 2, 7, cw.data());
    EXPECT_EQ(cw[0], 100u);
    RotatePixels(src.data(), 3, 2, 1, half.data());
    EXPECT_EQ(half, (Pixels{102, 101, 100, 2, 1, 0}));
}

TEST(Rotate, HalfTurnOfAnOddHeightReversesTheMiddleRow)
{
    Pixels src = Numbered(3, 3), dst(9);
    RotatePixels(src.data(), 3, 3, 1, dst.data());
    EXPECT_EQ(dst[3], 102u);
    EXPECT_EQ(dst[4], 101u);
    EXPECT_EQ(dst[5], 100u);
}

TEST(Flip, RowsAndColumnsOfARectangleAndOfAnImageEdge)
{
    Pixels p = Numbered(4, 3);
    FlipRectRows(p.data(), 4, 3, PixelRect{1, 0, 3, 3});
    EXPECT_EQ(p, (Pixels{0, 201, 202, 3, 100, 101, 102, 103, 200, 1, 2, 203}));
    p = Numbered(4, 3);
    FlipRectColumns(p.data(), 4, 3, PixelRect{0, 1, 3, 2});
    EXPECT_EQ(p, (Pixels{0, 1, 2, 3, 102, 101, 100, 103, 200, 201, 202, 203}));
    // A rectangle that reaches past the image: pairs with a partner outside stay.
    p = Numbered(2, 1);
    FlipRectColumns(p.data(), 2, 1, PixelRect{0, 0, 3, 1});
    EXPECT_EQ(p, (Pixels{0, 1}));
    FlipRectColumns(p.data(), 2, 1, PixelRect{2, 0, 0, 1});  // inverted: nothing
    EXPECT_EQ(p, (Pixels{0, 1}));
}

TEST(Gradient, BandValues)
{
    EXPECT_EQ(GradientValue(0, 250, 0), 5);
    EXPECT_EQ(GradientValue(249, 250, 0), 254);
    EXPECT_EQ(GradientValue(0, 250, 2), 255);
    EXPECT_EQ(GradientValue(249, 250, 3), 6);
    EXPECT_EQ(GradientValue(1, 3, 1), 5 + 83);
}

TEST(Mask, KeyColourBecomesWhiteAndTheRestBlack)
{
    Pixels p = {0x123456, 0xFF123456, 0x123457, 0};
    MaskByColour(p.data(), p.size(), 0x123456);
    EXPECT_EQ(p, (Pixels{0xFFFFFF, 0xFFFFFF, 0, 0}));
}

TEST(Region, RunsOfPixelsThatDifferFromTheKey)
{
    const uint32_t K = 0xFF00FF;
    // Full 24-bit comparison: 0xFE00FF is not the key.
    Pixels p = {K, 1, 1, K, 0xFE00FF, 1, K, K, K, K, K, K, K, K, K};
    std::vector<PixelRect> runs = RegionRuns(p.data(), 5, 3, K);
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ((std::vector<int>{runs[0].left, runs[0].top, runs[0].right, runs[0].bottom}),
              (std::vector<int>{1, 0, 3, 1}));
    EXPECT_EQ((std::vector<int>{runs[1].left, runs[1].right}), (std::vector<int>{4, 5}));  // reaches the edge
    EXPECT_EQ((std::vector<int>{runs[2].left, runs[2].top, runs[2].right}), (std::vector<int>{0, 1, 1}));
    Pixels all(6, K);
    EXPECT_TRUE(RegionRuns(all.data(), 3, 2, K).empty());
    Pixels none(6, 0);
    runs = RegionRuns(none.data(), 3, 2, K);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].right, 3);
}

TEST(Dominant, MostFrequentEarliestOnATieClippedToTheRectangle)
{
    // Columns first: column 0 holds 7, 8; column 1 holds 8, 7 -> tie 2:2, 7 came first.
    Pixels p = {7, 8, 8, 7};
    PixelGrid g{p.data(), 2, 2};
    std::vector<std::pair<uint32_t, int>> table;
    EXPECT_EQ(DominantColour(g, PixelRect{0, 0, 2, 2}, 1, 1, 1, table), 7u);
    p = {7, 8, 8, 8};
    EXPECT_EQ(DominantColour(g, PixelRect{0, 0, 2, 2}, 1, 1, 1, table), 8u);
    // Clipped to the rectangle: only column 0 counts.
    EXPECT_EQ(DominantColour(g, PixelRect{0, 0, 1, 2}, 1, 1, 1, table), 7u);
    // Radius 0: the window is empty, the pixel keeps its colour.
    EXPECT_EQ(DominantColour(g, PixelRect{0, 0, 2, 2}, 1, 1, 0, table), 8u);
}

TEST(Passes, MajorityFilterOfOneColourChangesNothingAndAHugeRadiusIsBounded)
{
    Pixels p(20 * 10, 0x336699);
    p[55] = 0x000001;
    PixelGrid g{p.data(), 20, 10};
    Pixels out(p.size());
    Recorder control;
    ASSERT_TRUE(MajorityFilterPass(g, PixelRect{0, 0, 20, 10}, 2, out.data(), control));
    EXPECT_EQ(out, Pixels(p.size(), 0x336699));  // the lone pixel is outvoted
    Recorder c2;
    Pixels small(4);
    ASSERT_TRUE(MajorityFilterPass(g, PixelRect{0, 0, 2, 2}, 2000000000, small.data(), c2));
    EXPECT_EQ(small, Pixels(4, 0x336699));
}

TEST(Passes, DiffuseAmountZeroMovesByAtMostOneAndLargeAmountsAreClamped)
{
    Pixels p = Numbered(30, 30);
    PixelGrid g{p.data(), 30, 30};
    PixelRect r{10, 10, 20, 20};
    Pixels out(100);
    int draws = 0;
    RandomSource extremes = [&] { return (draws++ % 2) ? 0 : 32767; };
    Recorder c1;
    ASSERT_TRUE(DiffusePass(g, r, 0, extremes, out.data(), c1));
    // span 2, half 1: 32767 gives +1, 0 gives -1.
    EXPECT_EQ(out[0], uint32_t(100 * (10 - 1) + 10 + 1));
    draws = 0;
    Recorder c2;
    Pixels clamped(100);
    ASSERT_TRUE(DiffusePass(g, r, 100, extremes, clamped.data(), c2));
    draws = 0;
    Recorder c3;
    Pixels thirty(100);
    ASSERT_TRUE(DiffusePass(g, r, 30, extremes, thirty.data(), c3));
    EXPECT_EQ(clamped, thirty);
    // span 32, half 16: the source lies outside the image.
    EXPECT_EQ(thirty[0], kNoPixel);
}

TEST(Passes, RippleFollowsTheRunningAngleAndNegativeAmountsAreZero)
{
    Pixels p = Numbered(40, 40);
    PixelGrid g{p.data(), 40, 40};
    PixelRect r{10, 10, 13, 13};
    Pixels out(9), zero(9);
    Recorder c1, c2;
    ASSERT_TRUE(RipplePass(g, r, -4, out.data(), c1));
    ASSERT_TRUE(RipplePass(g, r, 0, zero.data(), c2));
    EXPECT_EQ(out, zero);
    // Step 1 radian; pixel order columns first: (10,10) angle 0, (10,11) angle 1, ...
    double angle = 0;
    for (int x = 10; x < 13; ++x)
        for (int y = 10; y < 13; ++y) {
            int sx = x + int(std::trunc(5 * std::cos(angle))), sy = y + int(std::trunc(5 * std::sin(angle)));
            EXPECT_EQ(out[size_t(y - 10) * 3 + size_t(x - 10)], uint32_t(100 * sy + sx));
            angle += 1;
            if (angle >= 6.283186) angle -= 6.283186;
        }
}

TEST(Passes, SmoothAveragesFourNeighboursAndKeepsTheBorder)
{
    Pixels p(9, 0);
    p[1] = 0x040404;
    p[3] = 0x080000;
    PixelGrid g{p.data(), 3, 3};
    Pixels out(9);
    Recorder c;
    ASSERT_TRUE(SmoothPass(g, PixelRect{0, 0, 3, 3}, out.data(), c));
    EXPECT_EQ(out[4], 0x030101u);
    EXPECT_EQ(out[1], 0x040404u);
}

TEST(Passes, ProgressPerColumnAndCancellationStopsAtOnce)
{
    Pixels p = Numbered(10, 2);
    PixelGrid g{p.data(), 10, 2};
    Pixels out(20, 0xABCDEF);
    Recorder c;
    ASSERT_TRUE(RipplePass(g, PixelRect{0, 0, 10, 2}, 0, out.data(), c));
    EXPECT_EQ(c.progress, (std::vector<int>{0, 100, 200, 300, 400, 500, 600, 700, 800, 900}));
    Recorder stop(3);
    Pixels partial(20, 0xABCDEF);
    EXPECT_FALSE(RipplePass(g, PixelRect{0, 0, 10, 2}, 0, partial.data(), stop));
    EXPECT_EQ(stop.progress.size(), 3u);
}

TEST(Passes, EmptyOrInvertedRectanglesDoNothing)
{
    Pixels p = Numbered(4, 4);
    PixelGrid g{p.data(), 4, 4};
    Pixels out(1, 42);
    Recorder c;
    RandomSource r = [] { return 0; };
    EXPECT_FALSE(MajorityFilterPass(g, PixelRect{2, 2, 2, 3}, 1, out.data(), c));
    EXPECT_FALSE(DiffusePass(g, PixelRect{3, 0, 1, 2}, 1, r, out.data(), c));
    EXPECT_FALSE(RipplePass(g, PixelRect{0, 3, 2, 1}, 1, out.data(), c));
    EXPECT_FALSE(SmoothPass(g, PixelRect{}, out.data(), c));
    EXPECT_EQ(out[0], 42u);
    EXPECT_TRUE(c.progress.empty());
}
