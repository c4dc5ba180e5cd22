#include "image_test_util.h"
#include "pixel_tool.h"
#include "win_test_support.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>

using namespace qbktest;

namespace {

// An image of distinct pixels selected in a memory context, as the drawing tool holds it.
struct Target {
    Target(int w, int h) : width(w), height(h), original(Distinct(w, h))
    {
        EXPECT_TRUE(MakeImage(&image, w, h, original));
        dc.reset(image.CreateMemDC());
    }
    // The image's pixels as the context holds them now.
    Pixels Now()
    {
        Pixels p(size_t(width) * height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) p[size_t(y) * width + x] = qbk::ColorRefToPixel(dc->GetPixel(x, y));
        return p;
    }
    uint32_t Original(int x, int y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height ? original[size_t(y) * width + x] : 0xFFFFFFFF;
    }
    int width, height;
    Pixels original;
    CImageBitmap image;
    std::unique_ptr<CDC> dc;
};

}  // namespace

TEST(PixelTool, EscapeDuringAPassLeavesTheImageUnchanged)
{
    for (int pass = 0; pass < 3; ++pass) {
        Target t(12, 8);
        RECT r = {0, 0, 12, 8};
        CPixelTool tool(t.dc.get(), &r, nullptr);
        int columns = 0;
        tool.cancelCheck = [&] { return ++columns > 6; };
        if (pass == 0) tool.MajorityFilter(2);
        if (pass == 1) tool.Diffuse(5);
        if (pass == 2) tool.Ripple(20);
        EXPECT_EQ(columns, 7) << pass;
        EXPECT_EQ(t.Now(), t.original) << pass;
    }
}

TEST(PixelTool, DiffuseWithAmountZeroTakesPixelsFromOneStepAway)
{
    Target t(10, 10);
    RECT r = {2, 2, 8, 8};
    CPixelTool tool(t.dc.get(), &r, nullptr);
    tool.cancelCheck = [] { return false; };
    tool.Diffuse(0);
    Pixels now = t.Now();
    std::set<int> offsets;
    for (int y = 2; y < 8; ++y)
        for (int x = 2; x < 8; ++x) {
            bool found = false;
            for (int dy = -1; dy <= 1 && !found; ++dy)
                for (int dx = -1; dx <= 1 && !found; ++dx)
                    if (now[size_t(y) * 10 + x] == t.Original(x + dx, y + dy)) {
                        found = true;
                        offsets.insert(dx * 10 + dy);
                    }
            EXPECT_TRUE(found) << x << "," << y;
        }
    EXPECT_GT(offsets.size(), 3u);  // really random
    EXPECT_EQ(now[0], t.original[0]);  // outside the rectangle nothing moved
}

TEST(PixelTool, RippleAndOutsideSources)
{
    Target t(8, 8);
    RECT r = {0, 0, 8, 8};
    CPixelTool tool(t.dc.get(), &r, nullptr);
    tool.cancelCheck = [] { return false; };
    tool.Ripple(-4);  // as 0: step 1 radian
    Pixels now = t.Now();
    EXPECT_EQ(now[0 * 8 + 0], t.Original(5, 0));  // angle 0: five to the right
    // (0,1) at angle 1: x + trunc(5 cos 1) = 2, y + trunc(5 sin 1) = 1 + 4.
    EXPECT_EQ(now[1 * 8 + 0], t.Original(2, 5));
    // (7, 7) looks at a point right of the image (angle 63 mod 2pi ~ 0.17: +4, +0): outside.
    uint32_t outside = now[7 * 8 + 7];
    EXPECT_NE(outside, t.Original(7, 7));
}

TEST(PixelTool, MajorityFilterOfOneColourChangesNothing)
{
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 6, 6, Pixels(36, 0x204060)));
    std::unique_ptr<CDC> dc(image.CreateMemDC());
    RECT r = {0, 0, 6, 6};
    CPixelTool tool(dc.get(), &r, nullptr);
    tool.cancelCheck = [] { return false; };
    tool.MajorityFilter(3);
    EXPECT_EQ(tool.DominantColour(dc.get(), 2, 2, 2), RGB(0x20, 0x40, 0x60));
    dc.reset();
    EXPECT_EQ(ReadImage(image), Pixels(36, 0x204060));
}

TEST(PixelTool, EmptyInvertedOrUnmakeableRectanglesAndNoTargetDoNothing)
{
    Target t(6, 6);
    const RECT rects[] = {{3, 3, 3, 5}, {5, 0, 1, 6}, {0, 5, 6, 1}, {0, 0, 100000, 100000}};
    for (const RECT& r : rects) {
        CPixelTool tool(t.dc.get(), &r, nullptr);
        tool.cancelCheck = [] { return false; };
        tool.Ripple(10);
        tool.MajorityFilter(1000000000);
        EXPECT_EQ(t.Now(), t.original);
    }
    CPixelTool none(nullptr, nullptr, nullptr);
    none.Diffuse(3);
    CPixelTool noRect(t.dc.get(), nullptr, nullptr);
    noRect.Ripple(3);
    EXPECT_EQ(t.Now(), t.original);
}

TEST(PixelTool, ProgressBarRunsFromZeroToTheLastColumn)
{
    INITCOMMONCONTROLSEX init = {sizeof init, ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&init);
    HWND host = zvtest::CreateTestWindow(200, 60, "pixel progress");
    HWND bar = CreateWindowExA(0, PROGRESS_CLASSA, "", WS_CHILD | WS_VISIBLE, 0, 0, 200, 20, host, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(bar, nullptr);
    Target t(10, 4);
    RECT r = {0, 0, 10, 4};
    CPixelTool tool(t.dc.get(), &r, bar);
    std::vector<int> seen;
    tool.cancelCheck = [&] {
        seen.push_back(int(SendMessageA(bar, PBM_GETPOS, 0, 0)));
        return false;
    };
    tool.Smooth();
    EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 1000);
    EXPECT_EQ(seen.front(), 0);
    EXPECT_EQ(SendMessageA(bar, PBM_GETPOS, 0, 0), 900);
    DestroyWindow(host);
}
