// The seam between the DVD player and the system's DVD graph: building it on a volume, running
// it, navigating the disc and placing its video window. The DirectShow version is below; tests
// answer with a fake.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

// How far a partial render got, in the terms the user is told.
struct DvdRenderStatus {
    int failedStreams = 0, totalStreams = 0;
    bool videoFailed = false, audioFailed = false, subpictureFailed = false;
    HRESULT error = S_OK;
    std::string errorText;  // the system's text for error
    bool volumeInvalid = false, volumeUnknown = false;
    bool noCaptionData = false, captionsNotRendered = false;
};

// The user's text for a partial render, cut to limit characters.
std::string DvdRenderStatusText(const DvdRenderStatus& status, size_t limit = 1000);

// Where building the graph stopped.
enum class DvdBuildFailure {
    None,
    Builder,  // no DVD graph builder, or no graph or event queue from it
    NoDecoder,
    Render,  // the volume could not be rendered (error in the render status)
    OldInfoOnly,  // only the older navigation interfaces exist
    Info,
    Control,
    GraphBuilder,
    MediaControl,
    MediaEvent,
    VideoWindow,
};

struct DvdBuildResult {
    DvdBuildFailure failure = DvdBuildFailure::None;
    bool partial = false;  // built, but some streams did not render (status says which)
    DvdRenderStatus status;
};

enum class DvdDirection { Left, Upper, Right, Lower };

class DvdGraph {
public:
    virtual ~DvdGraph() = default;

    // directory empty: the system finds the volume.
    virtual DvdBuildResult Build(const std::string& directory) = 0;
    virtual void Release() = 0;

    // Closed captions off, no reset on stop, parental level and time-code events on.
    virtual HRESULT SetOptions() = 0;
    virtual HRESULT SetResetOnStop(bool reset) = 0;

    virtual HRESULT Run() = 0;
    virtual HRESULT PauseGraph() = 0;
    virtual HRESULT StopGraph() = 0;
    virtual HRESULT PlayForwards(double speed) = 0;
    virtual HRESULT PauseOn(bool pause) = 0;
    virtual HRESULT ShowRootMenu() = 0;  // waits for the command to end
    virtual HRESULT Resume() = 0;
    virtual HRESULT PlayNextChapter() = 0;  // waits for the command to end
    virtual HRESULT PlayPrevChapter() = 0;  // blocking
    virtual HRESULT PlayChapter(ULONG chapter) = 0;  // blocking
    virtual HRESULT SelectAtPosition(POINT point) = 0;
    virtual HRESULT ActivateAtPosition(POINT point) = 0;
    virtual HRESULT ActivateButton() = 0;
    virtual HRESULT SelectRelativeButton(DvdDirection direction) = 0;

    // The video window.
    virtual bool HasVideoWindow() const = 0;
    virtual HRESULT GetVideoStyle(LONG* style, LONG* exStyle) = 0;
    virtual HRESULT SetVideoStyle(LONG style, LONG exStyle) = 0;
    virtual HRESULT SetOwner(HWND owner) = 0;
    virtual HRESULT SetMessageDrain(HWND window) = 0;
    virtual HRESULT GetPosition(RECT* place) = 0;
    virtual HRESULT SetPosition(const RECT& place) = 0;

    // Graph events are posted to window as message; TakeEvents reads (and frees) every queued
    // one and answers how many there were.
    virtual HRESULT SetNotifyWindow(HWND window, UINT message) = 0;
    virtual int TakeEvents() = 0;
};

std::unique_ptr<DvdGraph> MakeSystemDvdGraph();
