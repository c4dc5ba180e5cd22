#include "media_player.h"

#include "aspect_fit.h"

#include <dshow.h>

#include <cstdio>

namespace {

template <typename T>
void ReleaseInterface(T*& p)
{
    if (p) {
        p->Release();
        p = nullptr;
    }
}

// Failed graph calls go to the debugger output; the user sees the commands' results only.
void Trace(const char* format, HRESULT result, const char* name = "")
{
    char text[1024];
    std::snprintf(text, sizeof text, format, static_cast<unsigned long>(result), name);
    ::OutputDebugStringA(text);
}

constexpr LONGLONG kUnitsPerMs = 10000;  // media time counts 100 ns
constexpr long kSilent = -10000, kFullVolume = 0;

}  // namespace

CMediaPlayer::~CMediaPlayer() { Close(); }

HRESULT CMediaPlayer::CreateGraph()
{
    m_noVideo = false;
    HRESULT result = ::CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                        reinterpret_cast<void**>(&m_graph));
    if (SUCCEEDED(result)) result = m_graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&m_control));
    if (SUCCEEDED(result)) result = m_graph->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&m_seeking));
    if (SUCCEEDED(result)) result = m_graph->QueryInterface(IID_IBasicVideo, reinterpret_cast<void**>(&m_basicVideo));
    if (SUCCEEDED(result)) result = m_graph->QueryInterface(IID_IVideoWindow, reinterpret_cast<void**>(&m_videoWindow));
    if (SUCCEEDED(result)) result = m_graph->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(&m_events));
    if (SUCCEEDED(result)) result = m_seeking->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME);
    if (FAILED(result)) Close();
    return result;
}

void CMediaPlayer::Close()
{
    Stop();
    if (m_events) m_events->SetNotifyWindow(0, 0, 0);
    if (m_videoWindow) {
        m_videoWindow->put_Visible(OAFALSE);
        m_videoWindow->put_Owner(0);
    }
    ReleaseInterface(m_control);
    ReleaseInterface(m_seeking);
    ReleaseInterface(m_videoWindow);
    ReleaseInterface(m_basicVideo);
    ReleaseInterface(m_events);
    ReleaseInterface(m_graph);
    m_state = kStopped;
    m_noVideo = false;
}

HRESULT CMediaPlayer::Reset()
{
    Close();
    return CreateGraph();
}

HRESULT CMediaPlayer::Open(const char* path, HWND owner, bool soundOnly)
{
    m_state = kStopped;
    if (!m_graph) return E_UNEXPECTED;
    WCHAR name[MAX_PATH];
    if (!path || ::MultiByteToWideChar(CP_ACP, 0, path, -1, name, MAX_PATH) == 0) {
        const HRESULT result = HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
        Trace("*** Failed(%08lx) in RenderFile(%s)!\r\n", result, path ? path : "");
        Close();
        return result;
    }
    HRESULT result = m_graph->RenderFile(name, nullptr);
    if (FAILED(result)) {
        Trace("*** Failed(%08lx) in RenderFile(%s)!\r\n", result, path);
        // A file that does not play leaves no graph: the queries then answer as before a file.
        Close();
        return result;
    }
    m_videoWindow->put_AutoShow(OAFALSE);
    if (FAILED(m_videoWindow->put_MessageDrain(OAHWND(owner))) || soundOnly) m_noVideo = true;
    if (!m_noVideo) {
        m_videoWindow->put_Owner(OAHWND(owner));
        m_videoWindow->put_WindowStyle(WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
    }
    result = m_events->SetNotifyWindow(OAHWND(owner), m_noticeMessage, m_noticeData);
    if (m_noVideo) return result;
    FitVideoWindow(owner);
    m_videoWindow->put_Visible(OATRUE);
    return m_videoWindow->SetWindowForeground(OATRUE);
}

bool CMediaPlayer::Run()
{
    if (!m_control) return false;
    const HRESULT result = m_control->Run();
    if (FAILED(result)) {
        Trace("\r\n*** Failed(%08lx) in Run()!\r\n", result);
        return false;
    }
    m_state = kRunning;
    return true;
}

bool CMediaPlayer::Pause()
{
    if (!m_control || m_state != kRunning) return false;
    const HRESULT result = m_control->Pause();
    if (FAILED(result)) {
        Trace("\r\n*** Failed(%08lx) in Pause()!\r\n", result);
        return false;
    }
    m_state = kPaused;
    return true;
}

bool CMediaPlayer::Stop()
{
    if (!m_control || m_state == kStopped) return true;
    const HRESULT result = m_control->Stop();
    if (FAILED(result)) {
        Trace("\r\n*** Failed(%08lx) in Stop()!\r\n", result);
        return false;
    }
    SetPositionMs(0);
    m_state = kStopped;
    return true;
}

bool CMediaPlayer::SetAudible(bool audible)
{
    if (!m_graph) return false;
    IBasicAudio* audio = nullptr;
    if (FAILED(m_graph->QueryInterface(IID_IBasicAudio, reinterpret_cast<void**>(&audio)))) return false;
    long volume = 0;
    HRESULT result = audio->get_Volume(&volume);
    if (FAILED(result)) {
        if (result != E_NOTIMPL) Trace("Failed in pBA->get_Volume!  hr=0x%lx\r\n", result);
    } else {
        result = audio->put_Volume(audible ? kFullVolume : kSilent);
        if (FAILED(result)) Trace("Failed in pBA->put_Volume!  hr=0x%lx\r\n", result);
    }
    audio->Release();
    return SUCCEEDED(result);
}

int CMediaPlayer::GetPositionMs() const
{
    LONGLONG position = 0;
    if (!m_seeking || FAILED(m_seeking->GetCurrentPosition(&position))) return 0;
    return int(position / kUnitsPerMs);
}

int CMediaPlayer::GetDurationMs() const
{
    LONGLONG duration = 0;
    if (!m_seeking || FAILED(m_seeking->GetDuration(&duration))) return 0;
    return int(duration / kUnitsPerMs);
}

void CMediaPlayer::SetPositionMs(int ms)
{
    if (!m_seeking) return;
    LONGLONG target = ms > 0 ? LONGLONG(ms) : 0;
    const LONGLONG duration = GetDurationMs();
    if (target > duration) target = duration;
    target *= kUnitsPerMs;
    m_seeking->SetPositions(&target, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning);
}

double CMediaPlayer::GetRate() const
{
    double rate = 1.0;
    if (!m_seeking || FAILED(m_seeking->GetRate(&rate))) return 1.0;
    return rate;
}

bool CMediaPlayer::SetRate(double rate) { return m_seeking && SUCCEEDED(m_seeking->SetRate(rate)); }

bool CMediaPlayer::GetVideoSize(long* width, long* height) const
{
    *width = *height = 0;
    return m_basicVideo && !m_noVideo && SUCCEEDED(m_basicVideo->GetVideoSize(width, height));
}

void CMediaPlayer::SetKeepAspect(HWND owner, bool keep)
{
    m_keepAspect = keep;
    if (owner) FitVideoWindow(owner);
}

void CMediaPlayer::FitVideoWindow(HWND owner)
{
    if (!m_videoWindow || m_noVideo || !owner) return;
    RECT client;
    ::GetClientRect(owner, &client);
    const int width = client.right, height = client.bottom;
    if (!m_keepAspect) {
        m_videoWindow->SetWindowPosition(0, 0, width, height);
        return;
    }
    long videoWidth = 0, videoHeight = 0;
    GetVideoSize(&videoWidth, &videoHeight);
    const CSize fitted = FitSizeToAspect(width, height, int(videoWidth), int(videoHeight));
    m_videoWindow->SetWindowPosition((width - fitted.cx) / 2, (height - fitted.cy) / 2, fitted.cx, fitted.cy);
}

bool CMediaPlayer::IsFullScreen() const
{
    long mode = OAFALSE;
    return m_videoWindow && SUCCEEDED(m_videoWindow->get_FullScreenMode(&mode)) && mode == OATRUE;
}

bool CMediaPlayer::SetFullScreen(bool on)
{
    return m_videoWindow && SUCCEEDED(m_videoWindow->put_FullScreenMode(on ? OATRUE : OAFALSE));
}

bool CMediaPlayer::TakeCompletion()
{
    if (!m_events) return false;
    bool completed = false;
    long code = 0;
    LONG_PTR param1 = 0, param2 = 0;
    while (m_events->GetEvent(&code, &param1, &param2, 0) == S_OK) {
        if (code == EC_COMPLETE) completed = true;
        m_events->FreeEventParams(code, param1, param2);
    }
    return completed;
}
