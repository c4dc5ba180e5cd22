// Keys and clicks sent as a user would reach the foreground window; message boxes can be answered.
#include <gtest/gtest.h>
#include "win_test_support.h"

using namespace zvtest;

namespace {
std::vector<UINT> g_seen;
WPARAM g_lastKey = 0;
LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_KEYDOWN) {
        g_seen.push_back(msg);
        g_lastKey = wp;
    }
    if (msg == WM_LBUTTONDOWN) g_seen.push_back(msg);
    return DefWindowProcA(hwnd, msg, wp, lp);
}
}  // namespace

TEST(HarnessInput, KeysAndClicksReachTheWindow)
{
    HWND hwnd = CreateTestWindow(200, 150);
    ASSERT_NE(hwnd, nullptr);
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingProc));
    Activate(hwnd);
    TapKey('Q');
    EXPECT_TRUE(WaitFor([] { return g_lastKey == 'Q'; }, 2000));
    POINT pt = {50, 50};
    ClientToScreen(hwnd, &pt);
    Click(pt.x, pt.y);
    EXPECT_TRUE(WaitFor(
        [] {
            for (UINT m : g_seen)
                if (m == WM_LBUTTONDOWN) return true;
            return false;
        },
        2000));
    DestroyWindow(hwnd);
}

TEST(HarnessInput, MessageBoxIsFoundAndAnswered)
{
    MessageBoxAnswerer answer("Harness Box", IDNO);
    int result = MessageBoxA(nullptr, "Is this answered?", "Harness Box", MB_YESNO);
    EXPECT_TRUE(answer.Answered());
    EXPECT_EQ(answer.Text(), "Is this answered?");
    EXPECT_EQ(result, IDNO);
}
