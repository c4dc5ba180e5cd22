// The tray icon's calls to the notification area, seen through a stand-in for it: what is added,
// changed and removed, the animation over a stand-in clock, and the icon's own notices.
#include "system_tray.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win_test_support.h"

namespace {

struct Call {
    DWORD action;
    UINT flags;
    HICON icon;
    std::string tip;
    DWORD size;
};

std::vector<Call> g_calls;
BOOL g_answer = TRUE;
double g_days = 100.0;

BOOL Record(DWORD action, NOTIFYICONDATAA* data)
{
    g_calls.push_back({action, data->uFlags, data->hIcon, data->szTip, data->cbSize});
    return g_answer;
}

double StandInDays() { return g_days; }

class SystemTrayTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_calls.clear();
        g_answer = TRUE;
        g_days = 100.0;
        tray_.SetNotifyIconCall(&Record);
        tray_.SetClock(&StandInDays);
    }
    int Count(DWORD action) const
    {
        int n = 0;
        for (const Call& call : g_calls) n += call.action == action;
        return n;
    }
    HICON Icon(int n) const { return reinterpret_cast<HICON>(static_cast<intptr_t>(0x1000 + n)); }

    CSystemTray tray_;
};

TEST_F(SystemTrayTest, CreatesWithTheNoticeThisSystemReadsAndCutsALongTip)
{
    const std::string tip(300, 'a');
    ASSERT_TRUE(tray_.Create(nullptr, WM_USER + 10, tip.c_str(), Icon(1), 3012));
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].action, DWORD(NIM_ADD));
    EXPECT_EQ(g_calls[0].flags, UINT(NIF_MESSAGE | NIF_ICON | NIF_TIP));
    EXPECT_EQ(g_calls[0].size, DWORD(NOTIFYICONDATAA_V2_SIZE));
    EXPECT_EQ(g_calls[0].tip, tip.substr(0, 127));
    EXPECT_TRUE(tray_.IsEnabled());
    EXPECT_NE(tray_.GetSafeHwnd(), nullptr);  // its own window takes the notices
}

TEST_F(SystemTrayTest, HidingAndShowingCallOnlyWhenTheStateChanges)
{
    ASSERT_TRUE(tray_.Create(nullptr, WM_USER + 10, "tip", Icon(1), 1));
    tray_.TrayAdd();  // shown already
    tray_.TrayDelete();
    tray_.TrayDelete();
    EXPECT_EQ(Count(NIM_DELETE), 1);
    EXPECT_TRUE(tray_.IsHidden());
    tray_.TrayAdd();
    EXPECT_EQ(Count(NIM_ADD), 2);
    tray_.TrayRefresh();
    EXPECT_EQ(Count(NIM_DELETE), 2);
    EXPECT_EQ(Count(NIM_ADD), 3);
    EXPECT_FALSE(tray_.IsHidden());
    EXPECT_TRUE(tray_.TrayChangeTip("new"));
    EXPECT_EQ(g_calls.back().action, DWORD(NIM_MODIFY));
    EXPECT_EQ(g_calls.back().flags, UINT(NIF_TIP));
    EXPECT_EQ(g_calls.back().tip, "new");
}

TEST_F(SystemTrayTest, AnIconTheSystemRefusedStaysDisabled)
{
    g_answer = FALSE;
    EXPECT_FALSE(tray_.Create(nullptr, WM_USER + 10, "tip", Icon(1), 1));
    EXPECT_FALSE(tray_.TrayChangeIcon(Icon(2)));
    EXPECT_FALSE(tray_.TrayChangeTip("x"));
    tray_.TrayDelete();
    tray_.TrayRefresh();
    EXPECT_EQ(g_calls.size(), 1u);
}

TEST_F(SystemTrayTest, AnimationStepsThroughTheIconsUntilItsPeriodAndPutsTheFirstIconBack)
{
    ASSERT_TRUE(tray_.Create(nullptr, WM_USER + 10, "tip", Icon(9), 1));
    EXPECT_FALSE(tray_.StepAnimation());  // no icons
    tray_.SetIconList({Icon(0), Icon(1), Icon(2)});
    ASSERT_TRUE(tray_.Animate(10, 5));
    g_calls.clear();
    // Timer ticks at 1, 2 ... 6 seconds: stepping while the whole seconds are 5 or fewer.
    for (int second = 1; second <= 6; ++second) {
        g_days = 100.0 + second / 86400.0;
        tray_.SendMessage(WM_TIMER, CSystemTray::kAnimationTimer);
    }
    ASSERT_EQ(g_calls.size(), 6u);
    const HICON expected[] = {Icon(1), Icon(2), Icon(0), Icon(1), Icon(2), Icon(9)};
    for (size_t i = 0; i < 6; ++i) EXPECT_EQ(g_calls[i].icon, expected[i]) << i;
    EXPECT_FALSE(tray_.IsAnimating());
}

TEST_F(SystemTrayTest, NoticesOfAnotherIconAreNotItsOwn)
{
    ASSERT_TRUE(tray_.Create(nullptr, WM_USER + 10, "tip", Icon(1), 3012));
    EXPECT_EQ(tray_.HandleTrayMessage(3013, WM_RBUTTONUP), 0);
    EXPECT_EQ(tray_.SendMessage(WM_USER + 10, 3013, WM_LBUTTONDBLCLK), 0);
    EXPECT_EQ(tray_.HandleTrayMessage(3012, WM_MOUSEMOVE), 1);
    EXPECT_EQ(tray_.HandleTrayMessage(3012, WM_RBUTTONUP), 0);  // the program has no menu 3012
}

TEST_F(SystemTrayTest, TheIconLeavesTheAreaWithTheObject)
{
    {
        CSystemTray tray;
        tray.SetNotifyIconCall(&Record);
        ASSERT_TRUE(tray.Create(nullptr, WM_USER + 10, "tip", Icon(1), 1));
    }
    EXPECT_EQ(Count(NIM_DELETE), 1);
    {
        CSystemTray hidden;
        hidden.SetNotifyIconCall(&Record);
        ASSERT_TRUE(hidden.Create(nullptr, WM_USER + 10, "tip", Icon(1), 1));
        hidden.TrayDelete();
    }
    EXPECT_EQ(Count(NIM_DELETE), 2);  // the hidden one was gone already
}

}  // namespace
