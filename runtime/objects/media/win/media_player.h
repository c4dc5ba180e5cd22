// CMediaPlayer: one sound or video file played through a DirectShow filter graph. Without a
// picture (or when asked for sound only) nothing is shown; otherwise the video window is a child
// of the owner, fitted to it. Graph events are posted to the owner as the notice message.
#pragma once

#include <windows.h>

// The notice the objects' players post to their window; lParam is the object's id.
constexpr UINT kMediaNoticeMessage = WM_USER + 12;

struct IGraphBuilder;
struct IMediaSeeking;
struct IMediaControl;
struct IMediaEventEx;
struct IBasicVideo;
struct IVideoWindow;

class CMediaPlayer {
public:
    enum State { kStopped = 0, kPaused = 1, kRunning = 2 };

    CMediaPlayer() = default;
    virtual ~CMediaPlayer();
    CMediaPlayer(const CMediaPlayer&) = delete;
    CMediaPlayer& operator=(const CMediaPlayer&) = delete;

    HRESULT CreateGraph();
    void Close();
    HRESULT Reset();
    // A path longer than the system's path limit fails rather than open another file.
    HRESULT Open(const char* path, HWND owner, bool soundOnly);

    bool Run();
    bool Pause();
    bool Stop();
    // Full volume or silence; false for a graph without sound.
    bool SetAudible(bool audible);

    // Milliseconds of media time.
    int GetPositionMs() const;
    int GetDurationMs() const;
    void SetPositionMs(int ms);
    double GetRate() const;  // 1.0 without a file
    bool SetRate(double rate);

    bool GetVideoSize(long* width, long* height) const;
    void SetKeepAspect(HWND owner, bool keep);
    void FitVideoWindow(HWND owner);
    bool IsFullScreen() const;
    bool SetFullScreen(bool on);

    void SetNotice(UINT message, LONG_PTR data)
    {
        m_noticeMessage = message;
        m_noticeData = data;
    }
    // Reads every event the graph has queued (freeing their parameters); true when one of them
    // says the media played to its end.
    bool TakeCompletion();

    State GetState() const { return m_state; }
    bool HasFile() const { return m_seeking != nullptr; }
    bool IsSoundOnly() const { return m_noVideo; }
    bool HasVideoWindow() const { return m_videoWindow != nullptr && !m_noVideo; }

private:
    IGraphBuilder* m_graph = nullptr;
    IMediaSeeking* m_seeking = nullptr;
    IMediaControl* m_control = nullptr;
    IMediaEventEx* m_events = nullptr;
    IBasicVideo* m_basicVideo = nullptr;
    IVideoWindow* m_videoWindow = nullptr;
    State m_state = kStopped;
    bool m_noVideo = false;
    bool m_keepAspect = false;
    LONG_PTR m_noticeData = 0;
    UINT m_noticeMessage = 0;
};
