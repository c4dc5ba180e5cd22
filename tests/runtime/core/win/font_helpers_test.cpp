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

int CALLBACK CountFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM counts)
{
    auto* count = reinterpret_cast<std::pair<std::string, int>*>(counts);
    if (count->first == font->lfFaceName) ++count->second;
    return 1;
}

TEST(FontHelpersTest, FontFamiliesAreSortedAndListedOnceWhateverTheirCharacterSets)
{
    ListFontFamilies(nullptr);  // nothing to fill
    // The system lists a family once for each character set it covers.
    std::pair<std::string, int> dejaVu{"DejaVu Sans", 0};
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    HDC screen = GetDC(nullptr);
    EnumFontFamiliesExA(screen, &all, &CountFace, reinterpret_cast<LPARAM>(&dejaVu), 0);
    ReleaseDC(nullptr, screen);
    ASSERT_GT(dejaVu.second, 1);

    CStringArray families;
    families.Add("zz first entry");  // what the list held stays, sorted in
    ListFontFamilies(&families);
    ASSERT_GT(families.GetSize(), 2);
    int listed = 0;
    for (INT_PTR i = 0; i < families.GetSize(); ++i) {
        EXPECT_FALSE(families[i].IsEmpty());
        if (i > 0) EXPECT_LT(families[i - 1].CompareNoCase(families[i]), 0) << families[i].Str();
        if (families[i].Str() == dejaVu.first) ++listed;
    }
    EXPECT_EQ(listed, 1);
    EXPECT_EQ(families[families.GetSize() - 1].Str(), "zz first entry");
}
