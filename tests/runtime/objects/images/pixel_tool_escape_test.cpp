// A real Escape key held down by the user stops a pass; the image keeps its pixels.
#include "image_test_util.h"
#include "pixel_tool.h"
#include "win_test_support.h"

#include <gtest/gtest.h>

using namespace qbktest;

TEST(PixelToolEscape, HeldEscapeKeyStopsEveryPass)
{
    HWND hwnd = zvtest::CreateTestWindow(100, 100, "escape");
    zvtest::Activate(hwnd);
    CImageBitmap image;
    ASSERT_TRUE(MakeImage(&image, 16, 16, Distinct(16, 16)));
    std::unique_ptr<CDC> dc(image.CreateMemDC());
    RECT r = {0, 0, 16, 16};
    zvtest::SendKey(VK_ESCAPE, true);
    ASSERT_TRUE(zvtest::WaitFor([] { return GetAsyncKeyState(VK_ESCAPE) < 0; }, 2000));
    {
        CPixelTool tool(dc.get(), &r, nullptr);  // the default check: Escape down
        tool.MajorityFilter(2);
        tool.Diffuse(10);
        tool.Ripple(10);
    }
    zvtest::SendKey(VK_ESCAPE, false);
    dc.reset();
    EXPECT_EQ(ReadImage(image), Distinct(16, 16));
    // Without Escape the same pass changes the image.
    ASSERT_TRUE(zvtest::WaitFor([] { return GetAsyncKeyState(VK_ESCAPE) >= 0; }, 2000));
    dc.reset(image.CreateMemDC());
    {
        CPixelTool tool(dc.get(), &r, nullptr);
        tool.Ripple(10);
    }
    dc.reset();
    EXPECT_NE(ReadImage(image), Distinct(16, 16));
    DestroyWindow(hwnd);
}
