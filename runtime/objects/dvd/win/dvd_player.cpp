#include "dvd_player.h"

#include <mmsystem.h>

namespace {

int SystemMessage(const char* text, const char* caption, UINT type)
{
    return ::MessageBoxA(nullptr, text, caption, type);
}

DvdMessageFn g_message = &SystemMessage;

DWORD SystemClock() { return ::timeGetTime(); }

constexpr char kDvdError[] = "DVD Error!";
constexpr DWORD kHideCursorAfterMs = 5000;
constexpr UINT kCursorTimerMs = 2500;
constexpr HRESULT kOperationInhibited = HRESULT(0x80040276L);

int Tell(const char* text, const char* caption, UINT type = MB_OK | MB_ICONERROR)
{
    return g_message(text, caption, type);
}

}  // namespace

DvdMessageFn SetDvdMessageFn(DvdMessageFn show)
{
    DvdMessageFn before = g_message;
    g_message = show ? show : &SystemMessage;
    return before;
}

std::string DvdRenderStatusText(const DvdRenderStatus& s, size_t limit)
{
    std::string text;
    if (s.failedStreams > 0) {
        text += "* " + std::to_string(s.failedStreams) + " out of " + std::to_string(s.totalStreams) +
                " DVD-Video streams failed to render properly\n";
        if (s.videoFailed) text += "    - video stream\n";
        if (s.audioFailed) text += "    - audio stream\n";
        if (s.subpictureFailed) text += "    - subpicture stream\n";
    }
    if (FAILED(s.error)) text += "* " + s.errorText + "\n";
    if (s.volumeInvalid)
        text += "* Specified DVD-Video volume was invalid\n";
    else if (s.volumeUnknown)
        text += "* No valid DVD-Video volume could be located\n";
    if (s.noCaptionData) text += "* The video decoder doesn't produce closed caption data\n";
    if (s.captionsNotRendered) text += "* Decoded closed caption data not rendered properly\n";
    if (text.size() > limit) text.resize(limit);
    return text;
}

CDvdPlayer::CDvdPlayer(HWND window, std::unique_ptr<DvdGraph> graph)
    : m_window(window), m_graph(std::move(graph)), m_clock(&SystemClock)
{
}

CDvdPlayer::~CDvdPlayer()
{
    if (m_fullScreen) {
        ::KillTimer(m_window, kDvdCursorTimer);
        ShowCursorAgain();
    }
    if (m_windowSetUp) {
        LONG style = 0, exStyle = 0;
        if (SUCCEEDED(m_graph->GetVideoStyle(&style, &exStyle))) m_graph->SetVideoStyle(style & ~WS_CHILD, exStyle);
        m_graph->SetOwner(nullptr);
    }
    m_graph->Release();
}

bool CDvdPlayer::Initialize()
{
    if (!BuildGraph()) {
        m_graph->Release();
        m_state = kNoGraph;
        return false;
    }
    SetupVideoWindow();
    return SUCCEEDED(m_graph->SetOptions());
}

bool CDvdPlayer::BuildGraph()
{
    m_state = kNoGraph;
    const DvdBuildResult built = m_graph->Build(m_directory);
    static const char kSorry[] = "Sorry, can't play DVD-Video titles.";
    switch (built.failure) {
    case DvdBuildFailure::None: break;
    case DvdBuildFailure::Builder: Tell("Cannot play DVD-Video titles.", kDvdError); return false;
    case DvdBuildFailure::NoDecoder:
        Tell("No DVD decoder was found on this system.\r\n\r\nA DirectShow-compatible MPEG-2 decoder is needed to "
             "play DVD-Video titles.\r\n\r\nThe DVD object will now close.",
             "Can't initialize DVD Object");
        return false;
    case DvdBuildFailure::Render:
        Tell(built.status.errorText.substr(0, 100).c_str(), "RenderDvdVideoVolume Failed!");
        return false;
    case DvdBuildFailure::OldInfoOnly:
        Tell("This version of the application cannot run using\nthe current DirectShow components.", kDvdError);
        return false;
    case DvdBuildFailure::Info:
        Tell((std::string("Cannot get the IDvdInfo/IDvdInfo2 interface.") + kSorry).c_str(), kDvdError);
        return false;
    case DvdBuildFailure::Control:
        Tell((std::string("Cannot get the IDvdControl/IDvdControl2 interface.") + kSorry).c_str(), kDvdError);
        return false;
    case DvdBuildFailure::GraphBuilder:
        Tell((std::string("Cannot get the IGraphBuilder interface.") + kSorry).c_str(), kDvdError);
        return false;
    case DvdBuildFailure::MediaControl:
        Tell((std::string("Cannot get the IMediaControl interface.") + kSorry).c_str(), kDvdError);
        return false;
    case DvdBuildFailure::MediaEvent:
        Tell((std::string("Cannot get the MediaEventEx interface.") + kSorry).c_str(), kDvdError);
        return false;
    case DvdBuildFailure::VideoWindow:
        Tell((std::string("Cannot get the IVideoWindow interface.") + kSorry).c_str(), kDvdError);
        return false;
    }
    if (built.partial) {
        std::string text = DvdRenderStatusText(built.status);
        if (text.empty()) text = "An unknown error has occurred";
        text += "\n\nDo you still want to continue?";
        if (Tell(text.c_str(), "Warning", MB_YESNO | MB_ICONQUESTION) == IDNO) return false;
    }
    m_state = kBuilt;
    return true;
}

void CDvdPlayer::SetupVideoWindow()
{
    m_graph->SetNotifyWindow(m_window, kDvdNoticeMessage);
    LONG style = 0, exStyle = 0;
    m_graph->GetVideoStyle(&style, &exStyle);
    m_graph->SetVideoStyle((style & ~(WS_CAPTION | WS_THICKFRAME)) | WS_CHILD, exStyle);
    m_graph->SetOwner(m_window);
    FitToWindow();
    m_graph->SetMessageDrain(m_window);
    m_windowSetUp = true;
}

void CDvdPlayer::FitToWindow()
{
    RECT client = {};
    ::GetClientRect(m_window, &client);
    m_graph->SetPosition(client);
}

HRESULT CDvdPlayer::Play()
{
    if (m_state == kNoGraph) return E_FAIL;
    if (m_showOnPlay) {
        ShowVideo();
        m_showOnPlay = false;
    }
    HRESULT result = S_OK;
    switch (m_state) {
    case kBuilt:
        result = m_graph->Run();
        if (SUCCEEDED(result)) result = m_graph->PlayForwards(1.0);
        break;
    case kStoppedAfterPlay: result = m_graph->Run(); break;
    case kPaused:
        result = m_graph->PlayForwards(1.0);
        if (SUCCEEDED(result)) result = m_graph->PauseOn(false);
        break;
    default: return S_OK;
    }
    if (SUCCEEDED(result)) m_state = kPlaying;
    return result;
}

void CDvdPlayer::Stop()
{
    switch (m_state) {
    case kPlaying:
    case kPaused:
        if (SUCCEEDED(m_graph->PauseGraph())) m_state = kStoppedAfterPlay;
        break;
    case kStoppedAfterPlay:
    case kBuilt:
        m_graph->SetResetOnStop(true);
        if (SUCCEEDED(m_graph->StopGraph())) m_state = kBuilt;
        m_graph->SetResetOnStop(false);
        break;
    default: break;
    }
}

bool CDvdPlayer::TogglePause()
{
    if (m_state == kNoGraph) return false;
    if (m_state == kPaused) {
        if (FAILED(m_graph->PauseOn(false))) return false;
        m_state = kPlaying;
        return true;
    }
    // The state follows only a pause the disc accepted.
    if (FAILED(m_graph->PauseOn(true))) return false;
    m_state = kPaused;
    return true;
}

bool CDvdPlayer::PlayPause()
{
    if (m_state == kBuilt || m_state == kStoppedAfterPlay) return SUCCEEDED(Play());
    return TogglePause();
}

bool CDvdPlayer::ToggleMenu()
{
    if (m_state == kNoGraph) return false;
    if (m_menuShown) {
        if (FAILED(m_graph->Resume())) return false;
        m_menuShown = false;
        m_state = kPlaying;
        return true;
    }
    // The menu needs a running disc: a stopped or paused one starts first.
    if (m_state != kPlaying && FAILED(Play())) return false;
    if (FAILED(m_graph->ShowRootMenu())) return false;
    m_menuShown = true;
    return true;
}

bool CDvdPlayer::Chapter(HRESULT result)
{
    if (result == kOperationInhibited) OnCommandInhibited();
    return SUCCEEDED(result);
}

bool CDvdPlayer::NextChapter() { return m_state == kPlaying && Chapter(m_graph->PlayNextChapter()); }

bool CDvdPlayer::PreviousChapter() { return m_state == kPlaying && Chapter(m_graph->PlayPrevChapter()); }

bool CDvdPlayer::PlayChapter(ULONG chapter) { return m_state != kNoGraph && Chapter(m_graph->PlayChapter(chapter)); }

void CDvdPlayer::ShowVideo()
{
    ::ShowWindow(m_window, SW_SHOWNORMAL);
    ::UpdateWindow(m_window);
}

bool CDvdPlayer::ToggleFullScreen()
{
    if (!m_graph->HasVideoWindow()) return false;
    if (!m_fullScreen) {
        m_graph->GetPosition(&m_savedPlace);
        m_graph->GetVideoStyle(&m_savedStyle, &m_savedExStyle);
        m_graph->SetOwner(nullptr);
        const LONG exStyle =
            (m_savedExStyle & ~(WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)) |
            WS_EX_TOPMOST;
        m_graph->SetVideoStyle(m_savedStyle & ~(WS_CAPTION | WS_THICKFRAME | WS_CHILD), exStyle);
        m_graph->SetPosition({0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)});
        m_lastActivity = m_clock();
        ::SetTimer(m_window, kDvdCursorTimer, kCursorTimerMs, nullptr);
        m_fullScreen = true;
        return true;
    }
    FitToWindow();
    m_graph->SetOwner(m_window);
    m_graph->SetVideoStyle(m_savedStyle, m_savedExStyle);
    ::KillTimer(m_window, kDvdCursorTimer);
    ShowCursorAgain();
    m_lastActivity = m_clock();
    m_fullScreen = false;
    return true;
}

void CDvdPlayer::ShowCursorAgain()
{
    while (m_cursorCount < 0) m_cursorCount = ::ShowCursor(TRUE);
}

bool CDvdPlayer::OnTimer(UINT_PTR id)
{
    if (id != kDvdCursorTimer || !m_fullScreen) return false;
    if (m_clock() - m_lastActivity > kHideCursorAfterMs) {
        do {
            m_cursorCount = ::ShowCursor(FALSE);
        } while (m_cursorCount >= 0);
    }
    return true;
}

void CDvdPlayer::OnSize()
{
    if (m_windowSetUp && !m_fullScreen) FitToWindow();
}

void CDvdPlayer::OnMouse(UINT message, LPARAM lParam)
{
    if (m_fullScreen) {
        ShowCursorAgain();
        m_lastActivity = m_clock();
    }
    if (m_state == kNoGraph) return;
    const POINT point = {short(LOWORD(lParam)), short(HIWORD(lParam))};
    if (message == WM_MOUSEMOVE) m_graph->SelectAtPosition(point);
    if (message == WM_LBUTTONUP) m_graph->ActivateAtPosition(point);
}

void CDvdPlayer::OnKey(WPARAM key)
{
    if (key == VK_ESCAPE) {
        if (m_fullScreen) ToggleFullScreen();
        return;
    }
    if (m_state == kNoGraph) return;
    switch (key) {
    case VK_RETURN: m_graph->ActivateButton(); break;
    case VK_LEFT: m_graph->SelectRelativeButton(DvdDirection::Left); break;
    case VK_UP: m_graph->SelectRelativeButton(DvdDirection::Upper); break;
    case VK_RIGHT: m_graph->SelectRelativeButton(DvdDirection::Right); break;
    case VK_DOWN: m_graph->SelectRelativeButton(DvdDirection::Lower); break;
    default: break;
    }
}

void CDvdPlayer::OnNotice() { m_graph->TakeEvents(); }

SIZE CDvdPlayer::GetVideoSize()
{
    RECT place = {};
    if (m_state == kNoGraph || FAILED(m_graph->GetPosition(&place))) return SIZE{0, 0};
    return SIZE{place.right - place.left, place.bottom - place.top};
}
