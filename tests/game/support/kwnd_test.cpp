// KWnd on real windows under Wine: creation, visibility, centring, the double-buffered erase,
// child notification, the registry, the main window's end of the message loop.
#include <gtest/gtest.h>

#include "KLibrary.h"
#include "KWnd.h"
#include "library_environment.h"
#include "win_test_support.h"

#include <functional>
#include <vector>

using namespace zvtest;

namespace {

const auto* const g_environment = ::testing::AddGlobalTestEnvironment(new LibraryEnvironment);

// A KWnd whose messages a test can watch and answer.
class TestWnd : public KWnd {
public:
    std::function<bool(UINT, WPARAM, LPARAM, LRESULT*)> handler;  // true: answered, base not called
    std::vector<UINT> seen;
    COLORREF background = RGB(255, 0, 0);
    bool visibleWhenCreated = true;

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override
    {
        seen.push_back(msg);
        if (msg == KWM_CREATED) {
            visibleWhenCreated = IsWindowVisible(Handle()) != 0;
            SetBackgroundColor(background);
        }
        LRESULT result = 0;
        if (handler && handler(msg, wp, lp, &result)) return result;
        return KWnd::OnMessage(msg, wp, lp);
    }
    int Count(UINT msg) const
    {
        int n = 0;
        for (UINT m : seen) n += m == msg;
        return n;
    }
};

RECT Rect(int left, int top, int right, int bottom) { return RECT{left, top, right, bottom}; }

BOOL CALLBACK CountIfLibraryClass(HWND hwnd, LPARAM lp)
{
    char name[64] = {};
    GetClassNameA(hwnd, name, sizeof name);
    if (lstrcmpA(name, CLASS_KWND) == 0) ++*reinterpret_cast<int*>(lp);
    return TRUE;
}

int WindowsOfClass()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountIfLibraryClass, reinterpret_cast<LPARAM>(&count));
    return count;
}

// Repaints the whole client area now and reads it back.
Image Repaint(KWnd& w)
{
    RedrawWindow(w.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    PumpMessages(30);
    return CaptureWindow(w.Handle());
}

int PixelsNot(const Image& img, uint32_t color)
{
    return img.Count(0, 0, img.width, img.height, [color](uint32_t p) { return !ColorNear(p, color); });
}

}  // namespace

TEST(KWndCreate, MakesAPopupOfTheLibraryClassWithTheTitle)
{
    TestWnd w;
    RECT r = Rect(10, 20, 210, 170);
    ASSERT_TRUE(w.Create("Hello", WS_VISIBLE, 0, &r, nullptr, nullptr));
    char name[64] = {};
    GetClassNameA(w.Handle(), name, sizeof name);
    EXPECT_STREQ(name, CLASS_KWND);
    EXPECT_TRUE(GetWindowLongPtrA(w.Handle(), GWL_STYLE) & WS_POPUP);
    EXPECT_STREQ(w.GetText().c_str(), "Hello");
    EXPECT_EQ(w.Width(), 200);
    EXPECT_EQ(w.Height(), 150);
    RECT got;
    ASSERT_TRUE(w.GetWindowRect(&got));
    EXPECT_EQ(got.left, 10);
    EXPECT_EQ(got.top, 20);
}

TEST(KWndCreate, ASecondCreateFailsAndMakesNothing)
{
    TestWnd w;
    ASSERT_TRUE(w.Create("one", 0, 0, nullptr, nullptr, nullptr));
    HWND first = w.Handle();
    const int before = WindowsOfClass();
    EXPECT_FALSE(w.Create("two", 0, 0, nullptr, nullptr, nullptr));
    EXPECT_EQ(w.Handle(), first);
    EXPECT_EQ(WindowsOfClass(), before);
    EXPECT_STREQ(w.GetText().c_str(), "one");
}

TEST(KWndCreate, AVetoOnCreatedFailsAndLeavesNoWindow)
{
    const int before = WindowsOfClass();
    TestWnd w;
    w.handler = [](UINT msg, WPARAM, LPARAM, LRESULT* result) {
        if (msg != KWM_CREATED) return false;
        *result = 1;
        return true;
    };
    EXPECT_FALSE(w.Create("vetoed", WS_VISIBLE, 0, nullptr, nullptr, nullptr));
    EXPECT_EQ(w.Handle(), nullptr);
    EXPECT_EQ(WindowsOfClass(), before);
    EXPECT_EQ(w.Count(WM_DESTROY), 1);
}

TEST(KWndCreate, CreationDataArrivesWithCreated)
{
    TestWnd w;
    LPARAM got = 0;
    w.handler = [&got](UINT msg, WPARAM, LPARAM lp, LRESULT*) {
        if (msg == KWM_CREATED) got = lp;
        return false;
    };
    ASSERT_TRUE(w.Create("", 0, 0, nullptr, nullptr, nullptr, 0x1234));
    EXPECT_EQ(got, 0x1234);
}

TEST(KWndCreate, VisibilityIsAppliedOnlyAfterCreatedWasAnswered)
{
    TestWnd shown, hidden;
    ASSERT_TRUE(shown.Create("shown", WS_VISIBLE, 0, nullptr, nullptr, nullptr));
    EXPECT_FALSE(shown.visibleWhenCreated);
    EXPECT_TRUE(IsWindowVisible(shown.Handle()));
    ASSERT_TRUE(hidden.Create("hidden", 0, 0, nullptr, nullptr, nullptr));
    EXPECT_FALSE(IsWindowVisible(hidden.Handle()));
}

TEST(KWndCreate, CreatedSetsTheDefaultFontAndButtonFaceBackground)
{
    KWnd w;
    ASSERT_TRUE(w.Create("", 0, 0, nullptr, nullptr, nullptr));
    EXPECT_EQ(reinterpret_cast<HFONT>(w.Send(WM_GETFONT)), KLibrary::DefaultFont());
    EXPECT_NE(KLibrary::DefaultFont(), nullptr);
    EXPECT_EQ(w.BackgroundColor(), GetSysColor(COLOR_BTNFACE));
    HFONT other = CreateFontSimple("Arial", 20, 0);
    w.Send(WM_SETFONT, reinterpret_cast<WPARAM>(other), FALSE);
    EXPECT_EQ(reinterpret_cast<HFONT>(w.Send(WM_GETFONT)), other);
    w.Destroy();
    DeleteObject(other);
}

TEST(KWndDestroy, ForgetsTheHandleAndAnswersFalseWithoutAWindow)
{
    KWnd w;
    EXPECT_FALSE(w.Destroy());
    ASSERT_TRUE(w.Create("", 0, 0, nullptr, nullptr, nullptr));
    HWND hwnd = w.Handle();
    EXPECT_TRUE(w.Destroy());
    EXPECT_EQ(w.Handle(), nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(w.Destroy());
    EXPECT_TRUE(w.Create("again", 0, 0, nullptr, nullptr, nullptr));  // the object can make a new one
}

TEST(KWndDestroy, DestroyWindowFromOutsideClearsTheHandle)
{
    KWnd w;
    ASSERT_TRUE(w.Create("", 0, 0, nullptr, nullptr, nullptr));
    DestroyWindow(w.Handle());
    EXPECT_EQ(w.Handle(), nullptr);
}

TEST(KWndCenter, PutsAnOverlappedWindowInTheMiddleOfTheWorkArea)
{
    RECT work;
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    KWnd w;
    RECT r = Rect(0, 0, 800, 600);
    ASSERT_TRUE(w.Create("centred", WS_VISIBLE, 0, &r, nullptr, nullptr));
    w.Center(false);
    RECT got;
    w.GetWindowRect(&got);
    EXPECT_EQ(got.left, (work.left + work.right) / 2 - 400);
    EXPECT_EQ(got.top, (work.top + work.bottom) / 2 - 300);
    EXPECT_EQ(got.right - got.left, 800);
}

TEST(KWndCenter, AChildIsCentredOnItsParentInClientCoordinates)
{
    KWnd parent, child;
    RECT pr = Rect(100, 100, 500, 400);
    ASSERT_TRUE(parent.Create("parent", WS_VISIBLE, 0, &pr, nullptr, nullptr));
    RECT cr = Rect(0, 0, 100, 50);
    ASSERT_TRUE(child.Create("child", WS_CHILD | WS_VISIBLE, 0, &cr, parent.Handle(), nullptr));
    child.Center(true);
    RECT got;
    child.GetWindowRect(&got);
    EXPECT_EQ(got.left, 300 - 50);  // screen position: centred on the parent's window rectangle
    EXPECT_EQ(got.top, 250 - 25);
}

TEST(KWndErase, TheBackgroundIsPaintedThroughAMemoryContext)
{
    TestWnd w;
    HDC memory = nullptr;
    w.handler = [&memory](UINT msg, WPARAM wp, LPARAM lp, LRESULT*) {
        if (msg == WM_ERASEBKGND) memory = reinterpret_cast<HDC>(lp);
        return false;
    };
    RECT r = Rect(50, 50, 250, 200);
    ASSERT_TRUE(w.Create("erase", WS_VISIBLE, 0, &r, nullptr, nullptr));
    const Image img = Repaint(w);
    ASSERT_FALSE(img.Empty());
    EXPECT_EQ(PixelsNot(img, Rgb(255, 0, 0)), 0);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(GetObjectType(memory), 0u);  // freed after the copy
}

TEST(KWndErase, DirectBackgroundPaintsWithoutAMemoryContext)
{
    TestWnd w;
    w.background = KWND_DIRECT_BACKGROUND;
    LPARAM seenLp = -1;
    w.handler = [&seenLp](UINT msg, WPARAM, LPARAM lp, LRESULT*) {
        if (msg == WM_ERASEBKGND) seenLp = lp;
        return false;
    };
    RECT r = Rect(50, 50, 250, 200);
    ASSERT_TRUE(w.Create("direct", WS_VISIBLE, 0, &r, nullptr, nullptr));
    Repaint(w);
    EXPECT_EQ(seenLp, 0);  // the window's own context only
}

TEST(KWndErase, AHandlerThatSwallowsTheEraseLeaksNothing)
{
    TestWnd w;
    HDC memory = nullptr;
    HGDIOBJ bitmap = nullptr;
    bool swallow = true;
    w.handler = [&](UINT msg, WPARAM, LPARAM lp, LRESULT* result) {
        if (msg != WM_ERASEBKGND || !swallow) return false;
        memory = reinterpret_cast<HDC>(lp);
        bitmap = GetCurrentObject(memory, OBJ_BITMAP);
        *result = 1;
        return true;
    };
    RECT r = Rect(50, 50, 250, 200);
    ASSERT_TRUE(w.Create("swallow", WS_VISIBLE, 0, &r, nullptr, nullptr));
    Repaint(w);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(GetObjectType(memory), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    // The depth went back to 0: the next erase paints again.
    swallow = false;
    EXPECT_EQ(PixelsNot(Repaint(w), Rgb(255, 0, 0)), 0);
}

TEST(KWndErase, NestedErasesPaintOnceToTheWindow)
{
    TestWnd w;
    // The inner erase gets its own target; if it copied anything there, the blue would be gone.
    HDC screen = GetDC(nullptr);
    HDC probe = CreateCompatibleDC(screen);
    HBITMAP probeBitmap = CreateCompatibleBitmap(screen, 200, 150);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(probe, probeBitmap);
    RECT all = Rect(0, 0, 200, 150);
    HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
    FillRect(probe, &all, blue);
    DeleteObject(blue);
    int nested = 0;
    LPARAM innerLp = -1;
    w.handler = [&](UINT msg, WPARAM, LPARAM lp, LRESULT*) {
        if (msg != WM_ERASEBKGND) return false;
        if (++nested == 1)
            SendMessageA(w.Handle(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(probe), 0);
        else
            innerLp = lp;
        return false;
    };
    RECT r = Rect(50, 50, 250, 200);
    ASSERT_TRUE(w.Create("nested", WS_VISIBLE, 0, &r, nullptr, nullptr));
    nested = 0;
    const Image img = Repaint(w);
    EXPECT_EQ(nested, 2);
    EXPECT_EQ(innerLp, 0);  // no second memory context
    EXPECT_EQ(GetPixel(probe, 10, 10) & 0xFFFFFF, RGB(0, 0, 255));
    EXPECT_EQ(PixelsNot(img, Rgb(255, 0, 0)), 0);
    SelectObject(probe, old);
    DeleteObject(probeBitmap);
    DeleteDC(probe);
}

TEST(KWndSize, ChildrenHearOfTheirParentsResize)
{
    KWnd parent;
    TestWnd child, stranger;
    RECT pr = Rect(0, 0, 300, 200);
    ASSERT_TRUE(parent.Create("parent", WS_VISIBLE, 0, &pr, nullptr, nullptr));
    RECT cr = Rect(0, 0, 50, 50);
    ASSERT_TRUE(child.Create("child", WS_CHILD | WS_VISIBLE, 0, &cr, parent.Handle(), nullptr));
    ASSERT_TRUE(stranger.Create("stranger", 0, 0, &cr, nullptr, nullptr));
    LPARAM size = 0;
    child.handler = [&size](UINT msg, WPARAM, LPARAM lp, LRESULT*) {
        if (msg == KWM_PARENT_RESIZED) size = lp;
        return false;
    };
    parent.Move(0, 0, 400, 250);
    EXPECT_EQ(child.Count(KWM_PARENT_RESIZED), 1);
    EXPECT_EQ(LOWORD(size), parent.ClientWidth());
    EXPECT_EQ(HIWORD(size), parent.ClientHeight());
    EXPECT_EQ(stranger.Count(KWM_PARENT_RESIZED), 0);
}

TEST(KWndRegistry, HoldsEveryLiveObjectWithOrWithoutAWindow)
{
    const int before = KWnd::RegisteredCount();
    {
        KWnd a;
        auto* b = new KWnd;
        EXPECT_EQ(KWnd::RegisteredCount(), before + 2);
        ASSERT_TRUE(b->Create("b", 0, 0, nullptr, nullptr, nullptr));
        HWND hb = b->Handle();
        EXPECT_EQ(KWnd::FindByHandle(hb), b);
        EXPECT_EQ(KWnd::FindByHandle(nullptr), nullptr);
        delete b;
        EXPECT_EQ(KWnd::RegisteredCount(), before + 1);
        EXPECT_EQ(KWnd::FindByHandle(hb), nullptr);
        EXPECT_FALSE(IsWindow(hb));  // deleting the object destroys its window
    }
    EXPECT_EQ(KWnd::RegisteredCount(), before);
}

TEST(KWndQuit, TheMainWindowEndsTheMessageLoopWhenTheUserClosesIt)
{
    QuitArrives(20);
    TestWnd w;
    w.SetQuitOnDestroy(true);
    ASSERT_TRUE(w.Create("main", WS_VISIBLE, 0, nullptr, nullptr, nullptr));
    SendMessageA(w.Handle(), WM_CLOSE, 0, 0);  // what Alt+F4 and the close command do
    EXPECT_EQ(w.Handle(), nullptr);
    WPARAM code = 99;
    EXPECT_TRUE(QuitArrives(200, &code));
    EXPECT_EQ(code, 0u);
}

TEST(KWndQuit, AnOverrideThatIgnoresDestroyStillEndsTheLoop)
{
    QuitArrives(20);
    TestWnd w;
    w.handler = [](UINT msg, WPARAM, LPARAM, LRESULT*) { return msg == WM_DESTROY; };
    w.SetQuitOnDestroy(true);
    ASSERT_TRUE(w.Create("main", 0, 0, nullptr, nullptr, nullptr));
    DestroyWindow(w.Handle());
    EXPECT_TRUE(QuitArrives(200));
    EXPECT_EQ(w.Handle(), nullptr);
}

TEST(KWndQuit, OtherWindowsAndDeletingTheObjectPostNothing)
{
    QuitArrives(20);
    {
        KWnd plain;
        ASSERT_TRUE(plain.Create("plain", 0, 0, nullptr, nullptr, nullptr));
        plain.Destroy();
        KWnd main;
        main.SetQuitOnDestroy(true);
        ASSERT_TRUE(main.Create("main", 0, 0, nullptr, nullptr, nullptr));
    }  // shutdown deletes the main window after the loop has ended
    EXPECT_FALSE(QuitArrives(100));
}

TEST(KWndScroll, OwnScrollBarsMoveByStepsWithinTheRange)
{
    KWnd w;
    RECT r = Rect(0, 0, 200, 200);
    ASSERT_TRUE(w.Create("scroll", WS_VISIBLE | WS_VSCROLL | WS_HSCROLL, 0, &r, nullptr, nullptr));
    SetScrollRange(w.Handle(), SB_VERT, 0, 100, FALSE);
    SetScrollRange(w.Handle(), SB_HORZ, 0, 50, FALSE);
    w.SetScrollSteps(2, 20, 5, 30);
    struct Step {
        UINT msg;
        WORD code;
        int thumb;
        int expected;
    };
    const Step steps[] = {
        {WM_VSCROLL, SB_LINEDOWN, 0, 2},   {WM_VSCROLL, SB_PAGEDOWN, 0, 22}, {WM_VSCROLL, SB_THUMBTRACK, 90, 90},
        {WM_VSCROLL, SB_PAGEDOWN, 0, 100}, {WM_VSCROLL, SB_LINEUP, 0, 98},   {WM_VSCROLL, SB_TOP, 0, 0},
        {WM_VSCROLL, SB_LINEUP, 0, 0},     {WM_VSCROLL, SB_BOTTOM, 0, 100},  {WM_HSCROLL, SB_LINEDOWN, 0, 5},
        {WM_HSCROLL, SB_PAGEDOWN, 0, 35},  {WM_HSCROLL, SB_PAGEDOWN, 0, 50}, {WM_HSCROLL, SB_THUMBPOSITION, 7, 7},
        {WM_HSCROLL, SB_PAGEUP, 0, 0},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(w.Send(s.msg, MAKEWPARAM(s.code, s.thumb), 0), 0);
        EXPECT_EQ(GetScrollPos(w.Handle(), s.msg == WM_VSCROLL ? SB_VERT : SB_HORZ), s.expected)
            << s.msg << " " << s.code;
    }
    int minPos = -1, maxPos = -1;
    EXPECT_TRUE(w.GetScrollRange(SB_HORZ, &minPos, &maxPos));
    EXPECT_EQ(maxPos, 50);
}

TEST(KWndTracking, MinimumAndMaximumTrackSizesAreApplied)
{
    KWnd w;
    ASSERT_TRUE(w.Create("track", 0, 0, nullptr, nullptr, nullptr));
    MINMAXINFO info = {};
    info.ptMaxTrackSize = {1234, 987};
    w.SetTrackSize(200, 150, -1, 300);
    w.Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);
    EXPECT_EQ(info.ptMaxTrackSize.x, 1234);  // -1 leaves the system's value
    EXPECT_EQ(info.ptMaxTrackSize.y, 300);
}

TEST(KWndModal, EndMessagesAndDestructionSetTheResult)
{
    KWnd w;
    ASSERT_TRUE(w.Create("modal", 0, 0, nullptr, nullptr, nullptr));
    w.EndModal(7);  // not waiting: nothing
    EXPECT_EQ(w.ModalResult(), 0);
    w.BeginModal();
    w.Send(KWM_MODAL_OK);
    EXPECT_FALSE(w.ModalWaiting());
    EXPECT_EQ(w.ModalResult(), 1);
    w.BeginModal();
    w.Send(KWM_MODAL_CANCEL);
    EXPECT_EQ(w.ModalResult(), 0);
    w.BeginModal();
    w.EndModal(5);
    EXPECT_EQ(w.ModalResult(), 5);
    w.BeginModal();
    w.Destroy();
    EXPECT_EQ(w.ModalResult(), 0);
    EXPECT_FALSE(w.ModalWaiting());
}

TEST(KWndCursor, AnOwnCursorAnswersSetCursor)
{
    KWnd w;
    ASSERT_TRUE(w.Create("cursor", 0, 0, nullptr, nullptr, nullptr));
    EXPECT_EQ(w.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(w.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), FALSE);
    w.SetCursor(KLibrary::Cursor(16));
    EXPECT_EQ(w.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(w.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)), TRUE);
    EXPECT_EQ(GetCursor(), KLibrary::Cursor(16));
}

TEST(KWndWrappers, ClientGeometry)
{
    KWnd w;
    RECT r = Rect(100, 100, 300, 250);
    ASSERT_TRUE(w.Create("geometry", WS_VISIBLE | WS_CAPTION, 0, &r, nullptr, nullptr));
    RECT client;
    GetClientRect(w.Handle(), &client);
    EXPECT_EQ(w.ClientWidth(), client.right);
    EXPECT_EQ(w.ClientHeight(), client.bottom);
    const POINT origin = w.ClientOrigin();
    EXPECT_GT(origin.y, 0);  // below the caption
    RECT mapped = Rect(0, 0, 10, 10);
    ASSERT_TRUE(w.ClientToScreen(&mapped));
    EXPECT_EQ(mapped.left, 100 + origin.x);
    EXPECT_EQ(mapped.top, 100 + origin.y);
    ASSERT_TRUE(w.ScreenToClient(&mapped));
    EXPECT_EQ(mapped.left, 0);
    EXPECT_EQ(mapped.bottom, 10);
    EXPECT_TRUE(w.SetPosition(120, 130));
    RECT got;
    w.GetWindowRect(&got);
    EXPECT_EQ(got.left, 120);
    EXPECT_EQ(w.GetMenu(), nullptr);
}
