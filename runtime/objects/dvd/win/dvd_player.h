// CDvdPlayer: DVD-Video in a window of the project through a DVD graph: play, stop, pause, the
// root menu, chapters, buttons by mouse and keys, and full screen, which hides the mouse cursor
// after 5 seconds without mouse activity.
#pragma once

#include "dvd_graph.h"

#include <windows.h>

#include <memory>
#include <string>

// The notice the graph posts to the player's window.
constexpr UINT kDvdNoticeMessage = WM_USER + 100;
// The full-screen cursor's timer; far from the small ids scripts give their Time objects' timers
// on the same window, which id 1 would have taken over.
constexpr UINT_PTR kDvdCursorTimer = 0x7FFFD7D0;

// What the player tells the user; tests answer it. Answers the button pressed.
using DvdMessageFn = int (*)(const char* text, const char* caption, UINT type);
DvdMessageFn SetDvdMessageFn(DvdMessageFn show);

class CDvdPlayer {
public:
    enum State { kNoGraph = 0, kStoppedAfterPlay = 1, kBuilt = 2, kPlaying = 4, kPaused = 6 };

    CDvdPlayer(HWND window, std::unique_ptr<DvdGraph> graph);
    virtual ~CDvdPlayer();
    CDvdPlayer(const CDvdPlayer&) = delete;
    CDvdPlayer& operator=(const CDvdPlayer&) = delete;

    // Builds the graph (telling the user why when it cannot), places the video window and sets
    // the options.
    bool Initialize();
    HRESULT Play();
    void Stop();
    // Playing: pauses; paused: goes on; after opening: starts.
    bool PlayPause();
    bool TogglePause();
    // Shows the root menu (starting the disc first when it is not playing), or leaves it.
    bool ToggleMenu();
    bool NextChapter();
    bool PreviousChapter();
    bool PlayChapter(ULONG chapter);
    bool ToggleFullScreen();
    void ShowVideo();

    // The project window's messages; true when the message was the player's alone.
    bool OnTimer(UINT_PTR id);
    void OnSize();
    void OnMouse(UINT message, LPARAM lParam);
    void OnKey(WPARAM key);
    void OnNotice();

    State GetState() const { return m_state; }
    bool IsFullScreen() const { return m_fullScreen; }
    bool IsMenuShown() const { return m_menuShown; }
    int GetCounter() const { return m_counter; }
    HWND GetWindow() const { return m_window; }
    SIZE GetVideoSize();
    void SetDirectory(const std::string& directory) { m_directory = directory; }

    // The clock of the cursor timer (for tests).
    using ClockFn = DWORD (*)();
    void SetClock(ClockFn clock) { m_clock = clock; }

protected:
    // The disc refused a command in its present state.
    virtual void OnCommandInhibited() {}

private:
    bool BuildGraph();
    void SetupVideoWindow();
    void FitToWindow();
    void ShowCursorAgain();
    bool Chapter(HRESULT result);

    HWND m_window;
    std::unique_ptr<DvdGraph> m_graph;
    std::string m_directory;
    State m_state = kNoGraph;
    bool m_showOnPlay = true;
    bool m_fullScreen = false;
    bool m_menuShown = false;
    bool m_windowSetUp = false;
    RECT m_savedPlace = {};
    LONG m_savedStyle = 0, m_savedExStyle = 0;
    DWORD m_lastActivity = 0;
    int m_cursorCount = 0;
    int m_counter = 0;
    ClockFn m_clock;
};
