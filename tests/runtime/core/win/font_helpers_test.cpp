#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>

#include "dialog_canceller.h"
#include "font_helpers.h"

namespace {

int ScreenDpiY()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

LOGFONTA Describe(HGDIOBJ font)
{
    LOGFONTA lf = {};
    GetObjectA(font, sizeof lf, &lf);
    return lf;
}

}  // namespace

TEST(FontHelpersTest, CreatePointFontUsesTheContextResolution)
{
    HDC screen = GetDC(nullptr);
    struct Case {
        int points;
    } cases[] = {{8}, {10}, {12}, {36}};
    for (const auto& c : cases) {
        HFONT font = CreatePointFont(screen, "Arial", c.points);
        ASSERT_NE(font, nullptr);
        LOGFONTA lf = Describe(font);
        EXPECT_EQ(lf.lfHeight, -MulDiv(c.points, GetDeviceCaps(screen, LOGPIXELSY), 72)) << c.points;
        EXPECT_EQ(lf.lfWeight, FW_NORMAL);
        EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
        EXPECT_FALSE(lf.lfItalic || lf.lfUnderline || lf.lfStrikeOut);
        EXPECT_STREQ(lf.lfFaceName, "Arial");
        DeleteObject(font);
    }
    ReleaseDC(nullptr, screen);
}

TEST(FontHelpersTest, CreateFontExTakesSizeInPointsOrAsHeight)
{
    std::unique_ptr<CFont> points(CreateFontEx("Arial", 12, FW_BOLD, true, false, true, true));
    ASSERT_TRUE(points);
    LOGFONTA lf = {};
    points->GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, -MulDiv(12, ScreenDpiY(), 72));
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_TRUE(lf.lfItalic);
    EXPECT_TRUE(lf.lfUnderline);
    EXPECT_FALSE(lf.lfStrikeOut);
    std::unique_ptr<CFont> height(CreateFontEx("Courier New", 20, FW_NORMAL, false, true, false, false));
    ASSERT_TRUE(height);
    height->GetLogFont(&lf);
    EXPECT_EQ(lf.lfHeight, 20);
    EXPECT_TRUE(lf.lfStrikeOut);
    EXPECT_EQ(lf.lfCharSet, DEFAULT_CHARSET);
}

TEST(FontHelpersTest, ChooseFontDialogCancelledIsFalseAndLeavesOutputs)
{
    DialogCanceller canceller;
    CString face = "unchanged";
    int size = -5;
    bool bold = true;
    EXPECT_FALSE(ChooseFontDialog(nullptr, &face, &size, &bold));
    EXPECT_TRUE(canceller.Cancelled());
    EXPECT_EQ(face, "unchanged");
    EXPECT_EQ(size, -5);
    EXPECT_TRUE(bold);
}
