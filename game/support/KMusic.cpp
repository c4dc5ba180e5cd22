#include "KMusic.h"
#include "KLibrary.h"

namespace {

template <typename T>
void ReleaseInterface(T*& p)
{
    if (p) {
        p->Release();
        p = nullptr;
    }
}

}  // namespace

KMusic::KMusic() { Create("", 0, 0, nullptr, KLibrary::LibraryWindow(), nullptr, 0, KLibrary::Instance()); }

KMusic::~KMusic()
{
    Close();
    Destroy();
}

bool KMusic::Open(const KString& fileName)
{
    if (open_) Stop();
    Close();
    if (FAILED(CoCreateInstance(CLSID_FilterGraph, nullptr, CLSCTX_INPROC_SERVER, IID_IGraphBuilder,
                                reinterpret_cast<void**>(&graph_)))) {
        graph_ = nullptr;
        return false;
    }
    graph_->QueryInterface(IID_IMediaControl, reinterpret_cast<void**>(&control_));
    graph_->QueryInterface(IID_IMediaSeeking, reinterpret_cast<void**>(&seeking_));
    graph_->QueryInterface(IID_IMediaEventEx, reinterpret_cast<void**>(&events_));
    graph_->QueryInterface(IID_IBasicAudio, reinterpret_cast<void**>(&audio_));
    if (!control_ || !seeking_ || !events_) {
        Close();
        return false;
    }
    seeking_->SetTimeFormat(&TIME_FORMAT_MEDIA_TIME);
    events_->SetNotifyWindow(reinterpret_cast<OAHWND>(Handle()), kGraphNotice, reinterpret_cast<LONG_PTR>(this));
    // A file that cannot be rendered gives a graph that never plays: that is a failed open.
    KString name(fileName);
    if (FAILED(graph_->RenderFile(name.ToWide(), nullptr))) {
        Close();
        return false;
    }
    open_ = true;
    return true;
}

void KMusic::Close()
{
    playing_ = false;
    paused_ = false;
    if (events_) events_->SetNotifyWindow(0, 0, 0);
    ReleaseInterface(audio_);
    ReleaseInterface(events_);
    ReleaseInterface(seeking_);
    ReleaseInterface(control_);
    ReleaseInterface(graph_);
    open_ = false;
    ++graphGeneration_;
}

bool KMusic::Play()
{
    if (!open_) return false;
    control_->Run();
    playing_ = true;
    paused_ = false;
    return true;
}

bool KMusic::Stop()
{
    if (!open_) return false;
    control_->Stop();
    playing_ = false;
    paused_ = false;
    return SetPosition(0);
}

bool KMusic::SetVolume(int volume)
{
    if (!audio_) return false;
    if (volume < 0) volume = 0;
    if (volume > 100) volume = 100;
    return SUCCEEDED(audio_->put_Volume((volume - 100) * 100));
}

uint32_t KMusic::GetDuration()
{
    LONGLONG duration = 0;
    if (!open_ || FAILED(seeking_->GetDuration(&duration)) || duration < 0) return 0;
    return static_cast<uint32_t>(duration / 10000);
}

bool KMusic::SetPosition(uint32_t ms)
{
    if (!open_) return false;
    double rate = 0.0;
    if (FAILED(seeking_->GetRate(&rate))) rate = 0.0;
    double target = static_cast<double>(ms) * rate;
    double duration = static_cast<double>(GetDuration());
    if (target > duration) target = duration;
    LONGLONG position = static_cast<LONGLONG>(target) * 10000;
    return SUCCEEDED(
        seeking_->SetPositions(&position, AM_SEEKING_AbsolutePositioning, nullptr, AM_SEEKING_NoPositioning));
}

int KMusic::GetVolume()
{
    long level = 0;
    if (!audio_ || FAILED(audio_->get_Volume(&level))) return 0;
    return static_cast<int>(level / 100 + 100);
}

uint32_t KMusic::GetPosition()
{
    LONGLONG position = 0;
    if (!open_ || FAILED(seeking_->GetCurrentPosition(&position)) || position < 0) return 0;
    return static_cast<uint32_t>(position / 10000);
}

LRESULT KMusic::OnMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The notice names this player; nothing carried in a posted message is used as a pointer.
    if (message == kGraphNotice && lParam == reinterpret_cast<LPARAM>(this)) OnGraphEvent();
    return KWnd::OnMessage(message, wParam, lParam);
}

void KMusic::OnGraphEvent()
{
    const uint32_t generation = graphGeneration_;
    while (events_ && generation == graphGeneration_) {
        long code = 0;
        LONG_PTR param1 = 0, param2 = 0;
        if (events_->GetEvent(&code, &param1, &param2, 0) != S_OK) break;
        // Freed before acting: a handler may open the next file and release this graph.
        events_->FreeEventParams(code, param1, param2);
        if (code != EC_COMPLETE) continue;
        if (open_) {
            control_->Stop();
            playing_ = false;
            paused_ = false;
            SetPosition(0);
        }
        if (looping_ && open_) {
            control_->Run();
            playing_ = true;
            OnLoop();
        } else {
            OnComplete();
        }
    }
}
