// The DVD player against a fake DVD graph that records every call and answers as a disc would,
// refusals included: states through play, pause, stop and the menu, build failures told to the
// user, chapters the disc refuses, full screen and the cursor, and the graph's events read.
#include <gtest/gtest.h>

#include "dvd_player.h"

#include <map>
#include <string>
#include <vector>

namespace {

struct FakeDisc {
    std::vector<std::string> calls;
    DvdBuildResult build;
    std::map<std::string, HRESULT> refuse;  // call -> answer
    RECT place = {};
    LONG style = WS_CAPTION | WS_THICKFRAME, exStyle = WS_EX_CLIENTEDGE;
    HWND owner = nullptr;
    int queuedEvents = 0;
    bool released = false;
};

class FakeDvdGraph : public DvdGraph {
public:
    explicit FakeDvdGraph(FakeDisc& disc) : d(disc) {}

    DvdBuildResult Build(const std::string&) override
    {
        Note("build");
        return d.build;
    }
    void Release() override { d.released = true; }
    HRESULT SetOptions() override { return Note("options"); }
    HRESULT SetResetOnStop(bool reset) override { return Note(reset ? "reset on" : "reset off"); }
    HRESULT Run() override { return Note("run"); }
    HRESULT PauseGraph() override { return Note("graph pause"); }
    HRESULT StopGraph() override { return Note("graph stop"); }
    HRESULT PlayForwards(double) override { return Note("forwards"); }
    HRESULT PauseOn(bool pause) override { return Note(pause ? "pause" : "unpause"); }
    HRESULT ShowRootMenu() override { return Note("menu"); }
    HRESULT Resume() override { return Note("resume"); }
    HRESULT PlayNextChapter() override { return Note("next"); }
    HRESULT PlayPrevChapter() override { return Note("previous"); }
    HRESULT PlayChapter(ULONG chapter) override { return Note("chapter " + std::to_string(chapter)); }
    HRESULT SelectAtPosition(POINT p) override { return Note("select " + Point(p)); }
    HRESULT ActivateAtPosition(POINT p) override { return Note("activate " + Point(p)); }
    HRESULT ActivateButton() override { return Note("activate"); }
    HRESULT SelectRelativeButton(DvdDirection direction) override
    {
        return Note("relative " + std::to_string(int(direction)));
    }
    bool HasVideoWindow() const override { return true; }
    HRESULT GetVideoStyle(LONG* style, LONG* exStyle) override
    {
        *style = d.style;
        *exStyle = d.exStyle;
        return S_OK;
    }
    HRESULT SetVideoStyle(LONG style, LONG exStyle) override
    {
        d.style = style;
        d.exStyle = exStyle;
        return S_OK;
    }
    HRESULT SetOwner(HWND owner) override
    {
        d.owner = owner;
        return S_OK;
    }
    HRESULT SetMessageDrain(HWND) override { return S_OK; }
    HRESULT GetPosition(RECT* place) override
    {
        *place = d.place;
        return S_OK;
    }
    HRESULT SetPosition(const RECT& place) override
    {
        d.place = place;
        return S_OK;
    }
    HRESULT SetNotifyWindow(HWND, UINT message) override { return Note("notify " + std::to_string(message)); }
    int TakeEvents() override
    {
        const int n = d.queuedEvents;
        d.queuedEvents = 0;
        return n;
    }

private:
    HRESULT Note(const std::string& call)
    {
        d.calls.push_back(call);
        auto refused = d.refuse.find(call);
        return refused == d.refuse.end() ? S_OK : refused->second;
    }
    static std::string Point(POINT p) { return std::to_string(p.x) + "," + std::to_string(p.y); }
    FakeDisc& d;
};

struct Told {
    std::string text, caption;
};
std::vector<Told> g_told;
int g_answer = IDOK;

int Record(const char* text, const char* caption, UINT)
{
    g_told.push_back({text, caption});
    return g_answer;
}

DWORD g_now = 0;
DWORD Now() { return g_now; }

class CountingPlayer : public CDvdPlayer {
public:
    using CDvdPlayer::CDvdPlayer;
    int inhibited = 0;

protected:
    void OnCommandInhibited() override { ++inhibited; }
};

class DvdPlayerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_told.clear();
        g_answer = IDOK;
        before_ = SetDvdMessageFn(&Record);
        window_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 320, 240, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override
    {
        SetDvdMessageFn(before_);
        DestroyWindow(window_);
    }
    std::unique_ptr<CountingPlayer> Make()
    {
        auto player = std::make_unique<CountingPlayer>(window_, std::make_unique<FakeDvdGraph>(disc));
        player->SetClock(&Now);
        return player;
    }
    std::unique_ptr<CountingPlayer> Opened()
    {
        auto player = Make();
        EXPECT_TRUE(player->Initialize());
        disc.calls.clear();
        return player;
    }

    FakeDisc disc;
    HWND window_ = nullptr;

private:
    DvdMessageFn before_ = nullptr;
};

TEST_F(DvdPlayerTest, OpeningPlacesTheVideoInTheWindowAndSetsTheOptions)
{
    auto player = Make();
    EXPECT_EQ(player->Play(), E_FAIL);  // no graph yet
    ASSERT_TRUE(player->Initialize());
    EXPECT_EQ(player->GetState(), CDvdPlayer::kBuilt);
    EXPECT_EQ(disc.owner, window_);
    EXPECT_EQ(disc.style & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_NE(disc.style & WS_CHILD, 0);
    EXPECT_EQ(disc.place.right, 320);
    EXPECT_EQ(disc.place.bottom, 240);
    EXPECT_EQ(player->GetVideoSize().cx, 320);
    EXPECT_EQ(disc.calls, (std::vector<std::string>{"build", "notify 1124", "options"}));
    EXPECT_TRUE(g_told.empty());
    player.reset();
    EXPECT_EQ(disc.owner, nullptr);
    EXPECT_EQ(disc.style & WS_CHILD, 0);
    EXPECT_TRUE(disc.released);
}

TEST_F(DvdPlayerTest, BuildFailuresAreToldAndLeaveNoGraph)
{
    struct Case {
        DvdBuildFailure failure;
        const char* caption;
    };
    for (const Case& c :
         {Case{DvdBuildFailure::Builder, "DVD Error!"}, Case{DvdBuildFailure::NoDecoder, "Can't initialize DVD Object"},
          Case{DvdBuildFailure::Render, "RenderDvdVideoVolume Failed!"}, Case{DvdBuildFailure::Control, "DVD Error!"},
          Case{DvdBuildFailure::VideoWindow, "DVD Error!"}}) {
        g_told.clear();
        disc.build.failure = c.failure;
        auto player = Make();
        EXPECT_FALSE(player->Initialize());
        EXPECT_EQ(player->GetState(), CDvdPlayer::kNoGraph);
        ASSERT_EQ(g_told.size(), 1u);
        EXPECT_EQ(g_told[0].caption, c.caption);
        EXPECT_EQ(g_told[0].text.find("Microsoft"), std::string::npos);
    }
}

TEST_F(DvdPlayerTest, APartialRenderAsksWhetherToGoOn)
{
    disc.build.partial = true;
    disc.build.status.failedStreams = 1;
    disc.build.status.totalStreams = 3;
    disc.build.status.audioFailed = true;
    disc.build.status.volumeUnknown = true;
    g_answer = IDNO;
    EXPECT_FALSE(Make()->Initialize());
    ASSERT_EQ(g_told.size(), 1u);
    EXPECT_EQ(g_told[0].caption, "Warning");
    EXPECT_EQ(g_told[0].text, "* 1 out of 3 DVD-Video streams failed to render properly\n    - audio stream\n"
                              "* No valid DVD-Video volume could be located\n\n\nDo you still want to continue?");
    g_answer = IDYES;
    EXPECT_TRUE(Make()->Initialize());
}

TEST_F(DvdPlayerTest, PlayPauseAndTwoStopsWalkTheStates)
{
    auto player = Opened();
    EXPECT_TRUE(player->PlayPause());
    EXPECT_EQ(player->GetState(), CDvdPlayer::kPlaying);
    EXPECT_TRUE(player->PlayPause());
    EXPECT_EQ(player->GetState(), CDvdPlayer::kPaused);
    EXPECT_TRUE(player->PlayPause());
    EXPECT_EQ(player->GetState(), CDvdPlayer::kPlaying);
    player->Stop();
    EXPECT_EQ(player->GetState(), CDvdPlayer::kStoppedAfterPlay);
    player->Stop();
    EXPECT_EQ(player->GetState(), CDvdPlayer::kBuilt);
    EXPECT_EQ(disc.calls, (std::vector<std::string>{"run", "forwards", "pause", "unpause", "graph pause", "reset on",
                                                    "graph stop", "reset off"}));
}

TEST_F(DvdPlayerTest, APauseTheDiscRefusesLeavesItPlaying)
{
    auto player = Opened();
    ASSERT_TRUE(SUCCEEDED(player->Play()));
    disc.refuse["pause"] = E_FAIL;
    EXPECT_FALSE(player->TogglePause());
    EXPECT_EQ(player->GetState(), CDvdPlayer::kPlaying);
}

TEST_F(DvdPlayerTest, TheMenuShowsInEveryStateAndLeavesAgain)
{
    auto player = Opened();
    // Not playing yet: the disc starts, then shows its menu.
    EXPECT_TRUE(player->ToggleMenu());
    EXPECT_TRUE(player->IsMenuShown());
    EXPECT_EQ(player->GetState(), CDvdPlayer::kPlaying);
    EXPECT_TRUE(player->ToggleMenu());
    EXPECT_FALSE(player->IsMenuShown());
    player->Stop();
    EXPECT_TRUE(player->ToggleMenu());
    EXPECT_TRUE(player->IsMenuShown());
    EXPECT_EQ(disc.calls,
              (std::vector<std::string>{"run", "forwards", "menu", "resume", "graph pause", "run", "menu"}));
}

TEST_F(DvdPlayerTest, ChaptersPlayOnlyWhilePlayingAndRefusalsAreReported)
{
    auto player = Opened();
    EXPECT_FALSE(player->NextChapter());
    EXPECT_FALSE(player->PreviousChapter());
    EXPECT_TRUE(disc.calls.empty());
    ASSERT_TRUE(SUCCEEDED(player->Play()));
    EXPECT_TRUE(player->NextChapter());
    disc.refuse["chapter 4"] = HRESULT(0x80040276L);
    EXPECT_FALSE(player->PlayChapter(4));
    EXPECT_EQ(player->inhibited, 1);
    EXPECT_EQ(player->GetCounter(), 0);
}

TEST_F(DvdPlayerTest, FullScreenHidesTheIdleCursorAndEscapeBringsTheWindowBack)
{
    auto player = Opened();
    const RECT before = disc.place;
    player->OnKey(VK_ESCAPE);  // outside full screen: nothing
    EXPECT_TRUE(disc.calls.empty());
    g_now = 1000;
    ASSERT_TRUE(player->ToggleFullScreen());
    EXPECT_TRUE(player->IsFullScreen());
    EXPECT_EQ(disc.owner, nullptr);
    EXPECT_NE(disc.exStyle & WS_EX_TOPMOST, 0);
    EXPECT_EQ(disc.exStyle & WS_EX_CLIENTEDGE, 0);
    EXPECT_EQ(disc.place.right, GetSystemMetrics(SM_CXSCREEN));

    const int shownBefore = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    g_now = 5500;  // 4.5 s: still shown
    EXPECT_TRUE(player->OnTimer(kDvdCursorTimer));
    EXPECT_EQ(ShowCursor(TRUE) - 1, shownBefore);
    ShowCursor(FALSE);
    g_now = 6100;
    EXPECT_TRUE(player->OnTimer(kDvdCursorTimer));
    EXPECT_LT(ShowCursor(TRUE) - 1, 0);
    ShowCursor(FALSE);
    player->OnMouse(WM_MOUSEMOVE, MAKELPARAM(10, 20));  // any mouse message brings it back
    EXPECT_GE(ShowCursor(TRUE) - 1, 0);
    ShowCursor(FALSE);
    EXPECT_EQ(disc.calls.back(), "select 10,20");

    player->OnKey(VK_ESCAPE);
    EXPECT_FALSE(player->IsFullScreen());
    EXPECT_EQ(disc.owner, window_);
    EXPECT_EQ(disc.place.right, before.right);
    EXPECT_FALSE(player->OnTimer(kDvdCursorTimer));
}

TEST_F(DvdPlayerTest, KeysAndClicksNavigateButtonsAndNoticesDrainTheEvents)
{
    auto player = Opened();
    for (WPARAM key : {WPARAM(VK_LEFT), WPARAM(VK_UP), WPARAM(VK_RIGHT), WPARAM(VK_DOWN), WPARAM(VK_RETURN)})
        player->OnKey(key);
    player->OnMouse(WM_LBUTTONUP, MAKELPARAM(5, 6));
    EXPECT_EQ(disc.calls, (std::vector<std::string>{"relative 0", "relative 1", "relative 2", "relative 3", "activate",
                                                    "activate 5,6"}));
    disc.queuedEvents = 3;
    player->OnNotice();
    EXPECT_EQ(disc.queuedEvents, 0);
}

}  // namespace
