// Media files (type 38), DVDs (type 44) and videos in their own window (type 73).
#include "command_context.h"
#include "command_table.h"
#include "control_message.h"
#include "dvd_player.h"
#include "media_dvd_video_commands.h"
#include "media_player.h"
#include "object_events.h"
#include "video_fit.h"
#include "video_window.h"
#include "window_messages.h"

#include <memory>

namespace {

constexpr int kMediaEndEvent = 0;
constexpr int kVideoEndEvent = 10;

// The player of a MediaPlayer or VideoPlayer object. It hears the graph's notices: a MediaPlayer's
// through its project window, a VideoPlayer's through its own window, which also fits the picture
// and leaves full screen on Escape.
class MediaPart : public ObjectPart, public WindowMessageListener, public VideoWindowHandler, public VideoFitting {
public:
    std::unique_ptr<CMediaPlayer> Player;
    CProjectRuntime* Runtime = nullptr;
    HWND VideoOwner = nullptr;  // a VideoPlayer's own window

    bool OnWindowMessage(WindowRecord& window, ObjectRecord& object, UINT message, WPARAM, LPARAM lParam,
                         LRESULT* result) override
    {
        if (message != kMediaNoticeMessage || lParam != object.Id || object.Type != qbk::TypeMediaPlayer) return false;
        *result = 0;
        EndWhenComplete(window, object, kMediaEndEvent);
        return true;
    }

    bool OnVideoMessage(CProjectRuntime&, WindowRecord& window, ObjectRecord& object, UINT message, WPARAM wParam,
                        LPARAM, LRESULT* result) override
    {
        *result = 0;
        if (message == WM_KEYDOWN && wParam == VK_ESCAPE && Player) {
            // A file without picture has no window to bring back: the key does nothing then.
            if (Player->HasVideoWindow()) Player->SetFullScreen(false);
            return true;
        }
        if (message == kMediaNoticeMessage) {
            EndWhenComplete(window, object, kVideoEndEvent);
            return true;
        }
        return false;
    }

    void FitVideoWindow() override
    {
        if (Player && VideoOwner) Player->FitVideoWindow(VideoOwner);
    }

private:
    // The end is known from the graph's completion event; reading the events also frees them.
    void EndWhenComplete(WindowRecord& window, ObjectRecord& object, int event)
    {
        if (!Player || !Player->TakeCompletion()) return;
        Player->Stop();
        if (Runtime) RaiseEvent(*Runtime, window, object, event);
    }
};

CMediaPlayer* Player(const CommandContext& ctx)
{
    const MediaPart* part = ctx.FindPart<MediaPart>();
    return part ? part->Player.get() : nullptr;
}

// The player stopped and given a new graph; made on first use.
CMediaPlayer& FreshPlayer(CommandContext& ctx)
{
    MediaPart& part = ctx.EnsurePart<MediaPart>();
    part.Runtime = &ctx.Runtime();
    if (!part.Player) {
        part.Player = std::make_unique<CMediaPlayer>();
        part.Player->SetNotice(kMediaNoticeMessage, ctx.Object().Id);
    }
    part.Player->Stop();
    part.Player->Reset();
    return *part.Player;
}

template <class Act>
void WithPlayer(CommandContext& ctx, Act act)
{
    if (CMediaPlayer* player = Player(ctx)) act(*player);
}

template <class Ask>
void PlayerNumber(CommandContext& ctx, Ask ask)
{
    const CMediaPlayer* player = Player(ctx);
    ctx.SetInt(player ? ask(*player) : 0);
}

void Media_Close(CommandContext& ctx)
{
    if (MediaPart* part = ctx.FindPart<MediaPart>()) {
        if (part->Player) part->Player->Stop();
        part->Player.reset();
    }
}

void Media_IsPaused(CommandContext& ctx)
{
    const CMediaPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->GetState() == CMediaPlayer::kPaused);
}

void Media_IsPlaying(CommandContext& ctx)
{
    const CMediaPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->GetState() == CMediaPlayer::kRunning);
}

void Media_Pause(CommandContext& ctx)
{
    WithPlayer(ctx, [](CMediaPlayer& p) { p.Pause(); });
}

void Media_Play(CommandContext& ctx)
{
    WithPlayer(ctx, [](CMediaPlayer& p) { p.Run(); });
}

void Media_Stop(CommandContext& ctx)
{
    WithPlayer(ctx, [](CMediaPlayer& p) { p.Stop(); });
}

void PositionMs(CommandContext& ctx)
{
    PlayerNumber(ctx, [](const CMediaPlayer& p) { return p.GetPositionMs(); });
}

void DurationMs(CommandContext& ctx)
{
    PlayerNumber(ctx, [](const CMediaPlayer& p) { return p.GetDurationMs(); });
}

void SeekMs(CommandContext& ctx)
{
    const int ms = ctx.Int();
    WithPlayer(ctx, [ms](CMediaPlayer& p) {
        if (p.HasFile()) p.SetPositionMs(ms);
    });
}

void MediaPlayer_GetPosition(CommandContext& ctx) { PositionMs(ctx); }
void MediaPlayer_GetDuration(CommandContext& ctx) { DurationMs(ctx); }
void MediaPlayer_SetPosition(CommandContext& ctx) { SeekMs(ctx); }
void VideoPlayer_GetPosition(CommandContext& ctx) { PositionMs(ctx); }
void VideoPlayer_GetDuration(CommandContext& ctx) { DurationMs(ctx); }
void VideoPlayer_SetPosition(CommandContext& ctx) { SeekMs(ctx); }

void MediaPlayer_Open(CommandContext& ctx)
{
    const CString path = ctx.Text();
    FreshPlayer(ctx).Open(path, ScriptWindowHandle(ctx), true);
}

// The keep-aspect setting a script gave the object; -1 when none.
int KeepAspectSetting(const ObjectRecord& object) { return object.Numbers.empty() ? -1 : int(object.Numbers[0]); }

void VideoPlayer_Open(CommandContext& ctx)
{
    const CString path = ctx.Text();
    CMediaPlayer& player = FreshPlayer(ctx);
    const HWND owner = ControlHandle(ctx);
    ctx.EnsurePart<MediaPart>().VideoOwner = owner;
    player.Open(path, owner, false);
    const int keep = KeepAspectSetting(ctx.Object());
    if (keep >= 0) player.SetKeepAspect(owner, keep != 0);
}

void VideoPlayer_SetSound(CommandContext& ctx)
{
    const int on = ctx.Int();
    WithPlayer(ctx, [on](CMediaPlayer& p) { p.SetAudible(on != 0); });
}

void VideoPlayer_SetKeepAspect(CommandContext& ctx)
{
    const int flag = ctx.Int();
    ctx.Object().Numbers.assign(1, flag != 0 ? 1.0 : 0.0);
    const HWND owner = ControlHandle(ctx);
    WithPlayer(ctx, [flag, owner](CMediaPlayer& p) { p.SetKeepAspect(owner, flag != 0); });
}

void VideoPlayer_GetVideoHeight(CommandContext& ctx)
{
    PlayerNumber(ctx, [](const CMediaPlayer& p) {
        long width = 0, height = 0;
        return p.GetVideoSize(&width, &height) ? int(height) : 0;
    });
}

void VideoPlayer_GetVideoWidth(CommandContext& ctx)
{
    PlayerNumber(ctx, [](const CMediaPlayer& p) {
        long width = 0, height = 0;
        return p.GetVideoSize(&width, &height) ? int(width) : 0;
    });
}

void VideoPlayer_GetRate(CommandContext& ctx)
{
    const CMediaPlayer* player = Player(ctx);
    ctx.SetReal(player ? player->GetRate() : 1.0);
}

void VideoPlayer_IsFullScreen(CommandContext& ctx)
{
    const CMediaPlayer* player = Player(ctx);
    ctx.SetTruth(player && player->IsFullScreen());
}

void VideoPlayer_SetFullScreen(CommandContext& ctx)
{
    const int flag = ctx.Int();
    WithPlayer(ctx, [flag](CMediaPlayer& p) { p.SetFullScreen(flag < 0 ? !p.IsFullScreen() : flag != 0); });
}

void VideoPlayer_SetRate(CommandContext& ctx)
{
    const double rate = ctx.Real();
    WithPlayer(ctx, [rate](CMediaPlayer& p) {
        if (p.HasFile()) p.SetRate(rate);
    });
}

// ---- DvdPlayer

DvdGraphMaker g_makeDvdGraph = &MakeSystemDvdGraph;

// The DVD player of the object; it sees its project window's timer, size, mouse, key and graph
// messages first.
class DvdPart : public ObjectPart, public WindowMessageListener {
public:
    std::unique_ptr<CDvdPlayer> Player;

    bool OnWindowMessage(WindowRecord&, ObjectRecord&, UINT message, WPARAM wParam, LPARAM lParam,
                         LRESULT* result) override
    {
        if (!Player) return false;
        *result = 0;
        switch (message) {
        case kDvdNoticeMessage: Player->OnNotice(); return true;  // the events are read and freed
        case WM_TIMER: return Player->OnTimer(wParam);
        case WM_SIZE: Player->OnSize(); return false;
        case WM_KEYDOWN: Player->OnKey(wParam); return false;
        default:
            if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) Player->OnMouse(message, lParam);
            return false;
        }
    }
};

CDvdPlayer* Dvd(const CommandContext& ctx)
{
    const DvdPart* part = ctx.FindPart<DvdPart>();
    return part ? part->Player.get() : nullptr;
}

template <class Act>
void WithDvd(CommandContext& ctx, Act act)
{
    if (CDvdPlayer* dvd = Dvd(ctx)) act(*dvd);
}

// The player's counter after the act; -1 without a player.
template <class Act>
void DvdCounterAfter(CommandContext& ctx, Act act)
{
    CDvdPlayer* dvd = Dvd(ctx);
    if (dvd) act(*dvd);
    ctx.SetInt(dvd ? dvd->GetCounter() : -1);
}

void DvdPlayer_Open(CommandContext& ctx)
{
    ctx.SetTruth(false);
    DvdPart& part = ctx.EnsurePart<DvdPart>();
    if (part.Player) return;
    auto player = std::make_unique<CDvdPlayer>(ScriptWindowHandle(ctx), g_makeDvdGraph());
    if (!player->Initialize()) return;
    part.Player = std::move(player);
    ctx.SetTruth(true);
}

void DvdPlayer_Close(CommandContext& ctx)
{
    if (DvdPart* part = ctx.FindPart<DvdPart>()) part->Player.reset();
}

void DvdPlayer_GetCounter(CommandContext& ctx)
{
    DvdCounterAfter(ctx, [](CDvdPlayer&) {});
}

void DvdPlayer_GetHeight(CommandContext& ctx)
{
    CDvdPlayer* dvd = Dvd(ctx);
    ctx.SetInt(dvd ? int(dvd->GetVideoSize().cy) : 0);
}

void DvdPlayer_GetWidth(CommandContext& ctx)
{
    CDvdPlayer* dvd = Dvd(ctx);
    ctx.SetInt(dvd ? int(dvd->GetVideoSize().cx) : 0);
}

void DvdPlayer_IsFullScreen(CommandContext& ctx)
{
    const CDvdPlayer* dvd = Dvd(ctx);
    ctx.SetTruth(dvd && dvd->IsFullScreen());
}

void DvdPlayer_NextChapter(CommandContext& ctx)
{
    DvdCounterAfter(ctx, [](CDvdPlayer& d) { d.NextChapter(); });
}

void DvdPlayer_PreviousChapter(CommandContext& ctx)
{
    DvdCounterAfter(ctx, [](CDvdPlayer& d) { d.PreviousChapter(); });
}

void DvdPlayer_PlayPause(CommandContext& ctx)
{
    WithDvd(ctx, [](CDvdPlayer& d) { d.PlayPause(); });
}

void DvdPlayer_ShowVideo(CommandContext& ctx)
{
    WithDvd(ctx, [](CDvdPlayer& d) { d.ShowVideo(); });
}

void DvdPlayer_PlayChapter(CommandContext& ctx)
{
    const int chapter = ctx.Int();
    WithDvd(ctx, [chapter](CDvdPlayer& d) { d.PlayChapter(ULONG(chapter)); });
}

void DvdPlayer_Menu(CommandContext& ctx)
{
    WithDvd(ctx, [](CDvdPlayer& d) { d.ToggleMenu(); });
}

void DvdPlayer_ToggleFullScreen(CommandContext& ctx)
{
    WithDvd(ctx, [](CDvdPlayer& d) { d.ToggleFullScreen(); });
}

constexpr CommandEntry kMediaPlayer[] = {
    {2, "Media_Close", Media_Close},  // after the shared commands 0 and 1
    {3, "MediaPlayer_GetPosition", MediaPlayer_GetPosition},
    {4, "MediaPlayer_GetDuration", MediaPlayer_GetDuration},
    {5, "Media_IsPaused", Media_IsPaused},
    {6, "Media_IsPlaying", Media_IsPlaying},
    {7, "MediaPlayer_Open", MediaPlayer_Open},
    {8, "Media_Pause", Media_Pause},
    {9, "Media_Play", Media_Play},
    {10, "MediaPlayer_SetPosition", MediaPlayer_SetPosition},
    {11, "Media_Stop", Media_Stop},
};
static_assert(NumbersOwnCommands(kMediaPlayer, qbk::TypeMediaPlayer, 11));

constexpr CommandEntry kDvdPlayer[] = {
    {2, "DvdPlayer_Open", DvdPlayer_Open},  // after the shared commands 0 and 1
    {3, "DvdPlayer_Close", DvdPlayer_Close},
    {4, "DvdPlayer_GetCounter", DvdPlayer_GetCounter},
    {5, "DvdPlayer_GetHeight", DvdPlayer_GetHeight},
    {6, "DvdPlayer_GetWidth", DvdPlayer_GetWidth},
    {7, "DvdPlayer_IsFullScreen", DvdPlayer_IsFullScreen},
    {8, "DvdPlayer_NextChapter", DvdPlayer_NextChapter},
    {9, "DvdPlayer_PlayPause", DvdPlayer_PlayPause},
    {10, "DvdPlayer_ShowVideo", DvdPlayer_ShowVideo},
    {11, "DvdPlayer_PlayChapter", DvdPlayer_PlayChapter},
    {12, "DvdPlayer_PreviousChapter", DvdPlayer_PreviousChapter},
    {13, "DvdPlayer_Menu", DvdPlayer_Menu},
    {14, "DvdPlayer_ToggleFullScreen", DvdPlayer_ToggleFullScreen},
};
static_assert(NumbersOwnCommands(kDvdPlayer, qbk::TypeDvdPlayer, 14));

constexpr CommandEntry kVideoPlayer[] = {
    {31, "Media_Close", Media_Close},  // after the shared commands 0 to 30
    {32, "VideoPlayer_SetSound", VideoPlayer_SetSound},
    {33, "VideoPlayer_SetKeepAspect", VideoPlayer_SetKeepAspect},
    {34, "VideoPlayer_GetPosition", VideoPlayer_GetPosition},
    {35, "VideoPlayer_GetVideoHeight", VideoPlayer_GetVideoHeight},
    {36, "VideoPlayer_GetVideoWidth", VideoPlayer_GetVideoWidth},
    {37, "VideoPlayer_GetDuration", VideoPlayer_GetDuration},
    {38, "VideoPlayer_GetRate", VideoPlayer_GetRate},
    {39, "VideoPlayer_IsFullScreen", VideoPlayer_IsFullScreen},
    {40, "Media_IsPaused", Media_IsPaused},
    {41, "Media_IsPlaying", Media_IsPlaying},
    {42, "VideoPlayer_Open", VideoPlayer_Open},
    {43, "Media_Pause", Media_Pause},
    {44, "Media_Play", Media_Play},
    {45, "VideoPlayer_SetPosition", VideoPlayer_SetPosition},
    {46, "VideoPlayer_SetFullScreen", VideoPlayer_SetFullScreen},
    {47, "VideoPlayer_SetRate", VideoPlayer_SetRate},
    {48, "Media_Stop", Media_Stop},
};
static_assert(NumbersOwnCommands(kVideoPlayer, qbk::TypeVideoPlayer, 48));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMediaPlayer, kMediaPlayer),
                                  OwnCommands(qbk::TypeDvdPlayer, kDvdPlayer),
                                  OwnCommands(qbk::TypeVideoPlayer, kVideoPlayer)};

}  // namespace

DvdGraphMaker SetDvdGraphMaker(DvdGraphMaker maker)
{
    DvdGraphMaker before = g_makeDvdGraph;
    g_makeDvdGraph = maker;
    return before;
}

extern const CommandFamily kMediaDvdVideoFamily("MediaPlayer, DvdPlayer and VideoPlayer", kLists);
