// KLibrary start-up and shutdown on the real system: what it makes, and that a shutdown gives
// everything back.
#include <gtest/gtest.h>

#include "KLibrary.h"
#include "KWnd.h"

#include <objbase.h>

#include <string>

namespace {

HINSTANCE Self() { return GetModuleHandleA(nullptr); }

class Library : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(KLibrary::Init(Self())); }
    void TearDown() override { KLibrary::Shutdown(); }
};

}  // namespace

namespace {

// Everything the library makes that the system counts: its window, its class, its own cursors and
// its fonts.
struct Made {
    HWND window = nullptr;
    HCURSOR cursors[5] = {};
    HFONT fonts[KLibrary::kFontCount] = {};

    static Made Now()
    {
        Made m;
        m.window = KLibrary::LibraryWindow();
        for (int i = 0; i < 5; ++i) m.cursors[i] = KLibrary::Cursor(14 + i);
        for (int i = 0; i < KLibrary::kFontCount; ++i) m.fonts[i] = KLibrary::SystemFont(i);
        return m;
    }
    void ExpectAlive() const
    {
        EXPECT_TRUE(IsWindow(window));
        for (HCURSOR c : cursors) EXPECT_TRUE(CursorAlive(c));
        for (HFONT f : fonts) EXPECT_EQ(GetObjectType(f), static_cast<DWORD>(OBJ_FONT));
        EXPECT_TRUE(ClassRegistered());
    }
    void ExpectGone() const
    {
        EXPECT_FALSE(IsWindow(window));
        for (HCURSOR c : cursors) EXPECT_FALSE(CursorAlive(c));
        for (HFONT f : fonts) EXPECT_EQ(GetObjectType(f), 0u);
        EXPECT_FALSE(ClassRegistered());
    }
    static bool ClassRegistered()
    {
        WNDCLASSEXA wc = {};
        wc.cbSize = sizeof wc;
        return GetClassInfoExA(Self(), CLASS_KWND, &wc) != 0;
    }
    static bool CursorAlive(HCURSOR c)
    {
        ICONINFO info = {};
        if (!GetIconInfo(c, &info)) return false;
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        return true;
    }
};

}  // namespace

TEST(LibraryLifetime, InitShutdownInitLeavesNoObjectsBehind)
{
    // The system's counts, where it keeps them (Wine answers 0), and each object by its handle.
    const DWORD gdi0 = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user0 = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (int cycle = 0; cycle < 2; ++cycle) {
        ASSERT_TRUE(KLibrary::Init(Self()));
        const Made made = Made::Now();
        made.ExpectAlive();
        KLibrary::Shutdown();
        made.ExpectGone();
        EXPECT_EQ(KLibrary::LibraryWindow(), nullptr);
        EXPECT_EQ(KLibrary::DefaultFont(), nullptr);
        EXPECT_EQ(KLibrary::ProgramFolder().Length(), 0);
    }
    // The first cycle may leave the system's own lazily made objects; no more than that.
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi0 + 2);
    EXPECT_LE(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user0 + 2);
}

TEST(LibraryLifetime, ASharedSystemCursorOutlivesShutdown)
{
    ASSERT_TRUE(KLibrary::Init(Self()));
    HCURSOR arrow = KLibrary::Cursor(0);
    KLibrary::Shutdown();
    EXPECT_TRUE(Made::CursorAlive(arrow));
}

TEST(LibraryLifetime, ShutdownWithoutInitDoesNothing)
{
    KLibrary::Shutdown();
    KLibrary::Shutdown();
    EXPECT_EQ(KLibrary::Instance(), nullptr);
}

TEST_F(Library, KeepsTheInstanceAndAHiddenLibraryWindow)
{
    EXPECT_EQ(KLibrary::Instance(), Self());
    HWND w = KLibrary::LibraryWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(IsWindowVisible(w));
    char name[64] = {};
    GetClassNameA(w, name, sizeof name);
    EXPECT_STREQ(name, CLASS_KWND);
    EXPECT_EQ(GetWindowTextLengthA(w), 0);
    EXPECT_NE(KWnd::FindByHandle(w), nullptr);
}

TEST_F(Library, ProgramFolderIsThePathOfTheProgramUpToItsName)
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string full = path;
    const std::string folder = KLibrary::ProgramFolder().c_str();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(full.substr(0, folder.size()), folder);
    EXPECT_EQ(full.find('\\', folder.size()), std::string::npos);
}

TEST_F(Library, ComIsStarted)
{
    // A second start on the same thread answers S_FALSE: the library's start is in place.
    const HRESULT hr = CoInitialize(nullptr);
    EXPECT_EQ(hr, S_FALSE);
    if (SUCCEEDED(hr)) CoUninitialize();
}

TEST_F(Library, CursorTable)
{
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    EXPECT_EQ(KLibrary::Cursor(0), arrow);
    for (int index : {-1, 19, 1000}) EXPECT_EQ(KLibrary::Cursor(index), arrow) << index;
    EXPECT_EQ(KLibrary::Cursor(5), LoadCursorA(nullptr, IDC_IBEAM));
    EXPECT_EQ(KLibrary::Cursor(13), LoadCursorA(nullptr, IDC_WAIT));
    const POINT hotSpots[] = {{9, 22}, {9, 22}, {15, 15}, {11, 22}, {13, 14}};
    for (int index = 14; index <= 18; ++index) {
        HCURSOR c = KLibrary::Cursor(index);
        ASSERT_NE(c, nullptr);
        EXPECT_NE(c, arrow);
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(c, &info)) << index;
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(static_cast<int>(info.xHotspot), hotSpots[index - 14].x) << index;
        EXPECT_EQ(static_cast<int>(info.yHotspot), hotSpots[index - 14].y) << index;
        EXPECT_EQ(info.hbmColor, nullptr);  // monochrome: the mask holds AND over XOR
        BITMAP bm = {};
        GetObjectA(info.hbmMask, sizeof bm, &bm);
        EXPECT_EQ(bm.bmWidth, 32);
        EXPECT_EQ(bm.bmHeight, 64);
        DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
}

TEST_F(Library, SystemFontsFollowTheNonClientMetrics)
{
    NONCLIENTMETRICSA metrics = {};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    const LOGFONTA* expected[] = {&metrics.lfMessageFont, &metrics.lfMenuFont, &metrics.lfStatusFont,
                                  &metrics.lfCaptionFont, &metrics.lfSmCaptionFont};
    for (int i = 0; i < KLibrary::kFontCount; ++i) {
        HFONT font = KLibrary::SystemFont(i);
        ASSERT_NE(font, nullptr) << i;
        LOGFONTA lf = {};
        ASSERT_TRUE(GetObjectA(font, sizeof lf, &lf));
        EXPECT_STREQ(lf.lfFaceName, expected[i]->lfFaceName) << i;
        EXPECT_EQ(lf.lfHeight, expected[i]->lfHeight) << i;
    }
    EXPECT_EQ(KLibrary::DefaultFont(), KLibrary::SystemFont(KLibrary::kMessageFont));
    EXPECT_EQ(KLibrary::SystemFont(5), nullptr);
}

TEST(CreateFontSimple, FlagsChooseWeightAndStyle)
{
    struct Case {
        int flags;
        LONG weight;
        bool italic, underline, strike;
    };
    const Case cases[] = {
        {0, 0, false, false, false}, {1, FW_BOLD, false, false, false}, {3, FW_BOLD, true, false, false},
        {4, 0, false, true, false},  {8, 0, false, false, true},        {15, FW_BOLD, true, true, true},
    };
    for (const Case& c : cases) {
        HFONT font = CreateFontSimple("Arial", -17, c.flags);
        ASSERT_NE(font, nullptr);
        LOGFONTA lf = {};
        GetObjectA(font, sizeof lf, &lf);
        EXPECT_EQ(lf.lfHeight, -17);
        EXPECT_EQ(lf.lfWidth, 0);
        EXPECT_EQ(lf.lfWeight, c.weight) << c.flags;
        EXPECT_EQ(lf.lfItalic != 0, c.italic) << c.flags;
        EXPECT_EQ(lf.lfUnderline != 0, c.underline) << c.flags;
        EXPECT_EQ(lf.lfStrikeOut != 0, c.strike) << c.flags;
        EXPECT_STREQ(lf.lfFaceName, "Arial");
        DeleteObject(font);
    }
}
