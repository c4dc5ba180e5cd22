// The DVD graph through DirectShow's DVD graph builder.
#include "dvd_graph.h"

#include <dshow.h>
#include <errors.h>

namespace {

constexpr HRESULT kDecoderNotFound = HRESULT(0x8004027BL);

template <typename T>
void ReleaseInterface(T*& p)
{
    if (p) {
        p->Release();
        p = nullptr;
    }
}

// Waits for a navigation command to end, when the disc gave one to wait on.
HRESULT Finish(HRESULT result, IDvdCmd* command)
{
    if (command) {
        if (SUCCEEDED(result)) command->WaitForEnd();
        command->Release();
    }
    return result;
}

class DShowDvdGraph : public DvdGraph {
public:
    ~DShowDvdGraph() override { Release(); }

    DvdBuildResult Build(const std::string& directory) override
    {
        Release();
        DvdBuildResult built;
        if (FAILED(::CoCreateInstance(CLSID_DvdGraphBuilder, nullptr, CLSCTX_INPROC_SERVER, IID_IDvdGraphBuilder,
                                      reinterpret_cast<void**>(&m_builder))) ||
            FAILED(m_builder->GetFiltergraph(&m_graph)) ||
            FAILED(m_graph->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(&m_events)))) {
            built.failure = DvdBuildFailure::Builder;
            return built;
        }
        WCHAR path[MAX_PATH] = {};
        if (!directory.empty()) ::MultiByteToWideChar(CP_ACP, 0, directory.c_str(), -1, path, MAX_PATH);
        AM_DVD_RENDERSTATUS status = {};
        const HRESULT result = m_builder->RenderDvdVideoVolume(path[0] ? path : nullptr, AM_DVD_HWDEC_PREFER, &status);
        if (result == kDecoderNotFound) {
            built.failure = DvdBuildFailure::NoDecoder;
            return built;
        }
        if (FAILED(result)) {
            built.failure = DvdBuildFailure::Render;
            built.status.error = result;
            built.status.errorText = ErrorText(result);
            return built;
        }
        if (result == S_FALSE) {
            built.partial = true;
            DvdRenderStatus& s = built.status;
            s.failedStreams = status.iNumStreamsFailed;
            s.totalStreams = status.iNumStreams;
            s.videoFailed = status.dwFailedStreamsFlag & AM_DVD_STREAM_VIDEO;
            s.audioFailed = status.dwFailedStreamsFlag & AM_DVD_STREAM_AUDIO;
            s.subpictureFailed = status.dwFailedStreamsFlag & AM_DVD_STREAM_SUBPIC;
            s.error = status.hrVPEStatus;
            if (FAILED(s.error)) s.errorText = ErrorText(s.error);
            s.volumeInvalid = status.bDvdVolInvalid;
            s.volumeUnknown = status.bDvdVolUnknown;
            s.noCaptionData = status.bNoLine21In;
            s.captionsNotRendered = status.bNoLine21Out;
        }
        m_builder->GetDvdInterface(IID_IDvdInfo2, reinterpret_cast<void**>(&m_info));
        m_builder->GetDvdInterface(IID_IDvdControl2, reinterpret_cast<void**>(&m_control));
        if (!m_info || !m_control) {
            IUnknown* older = nullptr;
            if (SUCCEEDED(m_builder->GetDvdInterface(m_info ? IID_IDvdControl : IID_IDvdInfo,
                                                     reinterpret_cast<void**>(&older)))) {
                older->Release();
                built.failure = DvdBuildFailure::OldInfoOnly;
            } else {
                built.failure = m_info ? DvdBuildFailure::Control : DvdBuildFailure::Info;
            }
            return built;
        }
        IGraphBuilder* graph = nullptr;
        if (FAILED(m_builder->GetFiltergraph(&graph))) {
            built.failure = DvdBuildFailure::GraphBuilder;
            return built;
        }
        graph->Release();
        if (FAILED(m_graph->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&m_media)))) {
            built.failure = DvdBuildFailure::MediaControl;
        } else if (!m_events) {
            built.failure = DvdBuildFailure::MediaEvent;
        } else if (FAILED(m_builder->GetDvdInterface(IID_IVideoWindow, reinterpret_cast<void**>(&m_video)))) {
            built.failure = DvdBuildFailure::VideoWindow;
        }
        return built;
    }

    void Release() override
    {
        if (m_events) m_events->SetNotifyWindow(0, 0, 0);
        ReleaseInterface(m_video);
        ReleaseInterface(m_media);
        ReleaseInterface(m_control);
        ReleaseInterface(m_info);
        ReleaseInterface(m_events);
        ReleaseInterface(m_graph);
        ReleaseInterface(m_builder);
    }

    HRESULT SetOptions() override
    {
        if (!m_control) return E_FAIL;
        HRESULT result = m_control->SetOption(DVD_ResetOnStop, FALSE);
        if (SUCCEEDED(result)) result = m_control->SetOption(DVD_NotifyParentalLevelChange, TRUE);
        if (SUCCEEDED(result)) result = m_control->SetOption(DVD_HMSF_TimeCodeEvents, TRUE);
        return result;
    }
    HRESULT SetResetOnStop(bool reset) override
    {
        return m_control ? m_control->SetOption(DVD_ResetOnStop, reset) : E_FAIL;
    }

    HRESULT Run() override { return m_media ? m_media->Run() : E_FAIL; }
    HRESULT PauseGraph() override { return m_media ? m_media->Pause() : E_FAIL; }
    HRESULT StopGraph() override { return m_media ? m_media->Stop() : E_FAIL; }
    HRESULT PlayForwards(double speed) override
    {
        return m_control ? m_control->PlayForwards(speed, 0, nullptr) : E_FAIL;
    }
    HRESULT PauseOn(bool pause) override { return m_control ? m_control->Pause(pause) : E_FAIL; }
    HRESULT ShowRootMenu() override
    {
        if (!m_control) return E_FAIL;
        IDvdCmd* command = nullptr;
        return Finish(m_control->ShowMenu(DVD_MENU_Root, DVD_CMD_FLAG_Flush, &command), command);
    }
    HRESULT Resume() override { return m_control ? m_control->Resume(DVD_CMD_FLAG_Flush, nullptr) : E_FAIL; }
    HRESULT PlayNextChapter() override
    {
        if (!m_control) return E_FAIL;
        IDvdCmd* command = nullptr;
        return Finish(m_control->PlayNextChapter(DVD_CMD_FLAG_None, &command), command);
    }
    HRESULT PlayPrevChapter() override
    {
        return m_control ? m_control->PlayPrevChapter(DVD_CMD_FLAG_Block, nullptr) : E_FAIL;
    }
    HRESULT PlayChapter(ULONG chapter) override
    {
        return m_control ? m_control->PlayChapter(chapter, DVD_CMD_FLAG_Block, nullptr) : E_FAIL;
    }
    HRESULT SelectAtPosition(POINT point) override { return m_control ? m_control->SelectAtPosition(point) : E_FAIL; }
    HRESULT ActivateAtPosition(POINT point) override
    {
        return m_control ? m_control->ActivateAtPosition(point) : E_FAIL;
    }
    HRESULT ActivateButton() override { return m_control ? m_control->ActivateButton() : E_FAIL; }
    HRESULT SelectRelativeButton(DvdDirection direction) override
    {
        static const DVD_RELATIVE_BUTTON kButtons[] = {DVD_Relative_Left, DVD_Relative_Upper, DVD_Relative_Right,
                                                       DVD_Relative_Lower};
        return m_control ? m_control->SelectRelativeButton(kButtons[int(direction)]) : E_FAIL;
    }

    bool HasVideoWindow() const override { return m_video != nullptr; }
    HRESULT GetVideoStyle(LONG* style, LONG* exStyle) override
    {
        if (!m_video) return E_FAIL;
        long s = 0, e = 0;
        HRESULT result = m_video->get_WindowStyle(&s);
        if (SUCCEEDED(result)) result = m_video->get_WindowStyleEx(&e);
        *style = LONG(s);
        *exStyle = LONG(e);
        return result;
    }
    HRESULT SetVideoStyle(LONG style, LONG exStyle) override
    {
        if (!m_video) return E_FAIL;
        HRESULT result = m_video->put_WindowStyle(style);
        return SUCCEEDED(result) ? m_video->put_WindowStyleEx(exStyle) : result;
    }
    HRESULT SetOwner(HWND owner) override { return m_video ? m_video->put_Owner(OAHWND(owner)) : E_FAIL; }
    HRESULT SetMessageDrain(HWND window) override
    {
        return m_video ? m_video->put_MessageDrain(OAHWND(window)) : E_FAIL;
    }
    HRESULT GetPosition(RECT* place) override
    {
        if (!m_video) return E_FAIL;
        long left = 0, top = 0, width = 0, height = 0;
        const HRESULT result = m_video->GetWindowPosition(&left, &top, &width, &height);
        *place = {LONG(left), LONG(top), LONG(left + width), LONG(top + height)};
        return result;
    }
    HRESULT SetPosition(const RECT& place) override
    {
        return m_video ? m_video->SetWindowPosition(place.left, place.top, place.right - place.left,
                                                    place.bottom - place.top)
                       : E_FAIL;
    }

    HRESULT SetNotifyWindow(HWND window, UINT message) override
    {
        return m_events ? m_events->SetNotifyWindow(OAHWND(window), long(message), 0) : E_FAIL;
    }
    int TakeEvents() override
    {
        if (!m_events) return 0;
        int taken = 0;
        long code = 0;
        LONG_PTR param1 = 0, param2 = 0;
        while (m_events->GetEvent(&code, &param1, &param2, 0) == S_OK) {
            m_events->FreeEventParams(code, param1, param2);
            ++taken;
        }
        return taken;
    }

private:
    static std::string ErrorText(HRESULT result)
    {
        char text[MAX_ERROR_TEXT_LEN] = {};
        ::AMGetErrorTextA(result, text, sizeof text);
        return text;
    }

    IDvdGraphBuilder* m_builder = nullptr;
    IGraphBuilder* m_graph = nullptr;
    IMediaEventEx* m_events = nullptr;
    IDvdInfo2* m_info = nullptr;
    IDvdControl2* m_control = nullptr;
    IMediaControl* m_media = nullptr;
    IVideoWindow* m_video = nullptr;
};

}  // namespace

std::unique_ptr<DvdGraph> MakeSystemDvdGraph() { return std::make_unique<DShowDvdGraph>(); }
