#include "midi_stream_winmm.h"

#include <windows.h>
#include <mmsystem.h>

#include <mutex>

namespace qbk {

namespace {

constexpr UINT kSongEndMessage = WM_APP + 1;
const char kNoticeClass[] = "QBKMIDINOTICE";

// What the system's callback reaches. It lives apart from the device so that a stream the driver
// never gave its buffers back for can keep it (with the buffers) after the player is gone.
struct StreamLink {
    std::mutex mutex;
    MidiStreamSink* sink = nullptr;  // null once the owner no longer listens
    MIDIHDR headers[kMidiStreamBuffers] = {};
    HMIDISTRM stream = nullptr;
    std::unique_ptr<MidiBufferBlock> keptBuffers;
};

void CALLBACK StreamCallback(HMIDIOUT, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR)
{
    auto* link = reinterpret_cast<StreamLink*>(instance);
    if (!link || (message != MOM_DONE && message != MOM_POSITIONCB)) return;
    auto* header = reinterpret_cast<MIDIHDR*>(param1);
    if (!header) return;
    const int index = int(header->dwUser);
    std::lock_guard<std::mutex> lock(link->mutex);
    if (!link->sink || index < 0 || index >= kMidiStreamBuffers) return;
    if (message == MOM_DONE)
        link->sink->OnBufferDone(index);
    else
        link->sink->OnEventReached(index, header->dwOffset);
}

LRESULT CALLBACK NoticeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kSongEndMessage) {
        auto* link = reinterpret_cast<StreamLink*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
        MidiStreamSink* sink = nullptr;
        if (link) {
            std::lock_guard<std::mutex> lock(link->mutex);
            sink = link->sink;
        }
        // Outside the lock: the player stops and reopens the stream from here.
        if (sink) sink->OnSongEnded();
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

HWND MakeNoticeWindow(StreamLink* link)
{
    static ATOM atom = 0;
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    if (!atom) {
        WNDCLASSA cls = {};
        cls.lpfnWndProc = NoticeWindowProc;
        cls.hInstance = instance;
        cls.lpszClassName = kNoticeClass;
        atom = ::RegisterClassA(&cls);
    }
    HWND window = ::CreateWindowExA(0, kNoticeClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (window) ::SetWindowLongPtrA(window, GWLP_USERDATA, LONG_PTR(link));
    return window;
}

class WinmmMidiStreamDevice : public MidiStreamDevice {
public:
    WinmmMidiStreamDevice() : link_(new StreamLink), notice_(MakeNoticeWindow(link_)) {}
    ~WinmmMidiStreamDevice() override
    {
        if (notice_) ::DestroyWindow(notice_);
        if (abandoned_) return;  // the link stays with the driver's buffers
        if (link_->stream) ::midiStreamClose(link_->stream);
        delete link_;
    }

    MidiResult Open(int deviceId, MidiStreamSink* sink) override
    {
        if (link_->stream) return MCIERR_DEVICE_OPEN;
        {
            std::lock_guard<std::mutex> lock(link_->mutex);
            link_->sink = sink;
        }
        UINT id = UINT(deviceId);
        HMIDISTRM stream = nullptr;
        MMRESULT result =
            ::midiStreamOpen(&stream, &id, 1, DWORD_PTR(&StreamCallback), DWORD_PTR(link_), CALLBACK_FUNCTION);
        if (result == MMSYSERR_NOERROR) link_->stream = stream;
        return result;
    }

    MidiResult SetTimeDivision(uint32_t division) override
    {
        if (!link_->stream) return MMSYSERR_INVALHANDLE;
        MIDIPROPTIMEDIV property = {sizeof property, division};
        return ::midiStreamProperty(link_->stream, reinterpret_cast<LPBYTE>(&property),
                                    MIDIPROP_SET | MIDIPROP_TIMEDIV);
    }

    MidiResult Prepare(int buffer, uint8_t* data, uint32_t capacity) override
    {
        MIDIHDR* header = Header(buffer);
        if (!header || !link_->stream) return MMSYSERR_INVALPARAM;
        *header = MIDIHDR{};
        header->lpData = reinterpret_cast<LPSTR>(data);
        header->dwBufferLength = capacity;
        header->dwUser = DWORD_PTR(buffer);
        return ::midiOutPrepareHeader(HMIDIOUT(link_->stream), header, sizeof *header);
    }

    MidiResult Out(int buffer, uint32_t bytesRecorded) override
    {
        MIDIHDR* header = Header(buffer);
        if (!header || !link_->stream) return MMSYSERR_INVALPARAM;
        header->dwBytesRecorded = bytesRecorded;
        return ::midiStreamOut(link_->stream, header, sizeof *header);
    }

    MidiResult Unprepare(int buffer) override
    {
        MIDIHDR* header = Header(buffer);
        if (!header || !link_->stream) return MMSYSERR_INVALPARAM;
        return ::midiOutUnprepareHeader(HMIDIOUT(link_->stream), header, sizeof *header);
    }

    MidiResult Restart() override { return link_->stream ? ::midiStreamRestart(link_->stream) : MMSYSERR_INVALHANDLE; }
    MidiResult Pause() override { return link_->stream ? ::midiStreamPause(link_->stream) : MMSYSERR_INVALHANDLE; }
    MidiResult Stop() override { return link_->stream ? ::midiStreamStop(link_->stream) : MMSYSERR_INVALHANDLE; }
    MidiResult Reset() override
    {
        return link_->stream ? ::midiOutReset(HMIDIOUT(link_->stream)) : MMSYSERR_INVALHANDLE;
    }
    MidiResult ShortMessage(uint32_t message) override
    {
        return link_->stream ? ::midiOutShortMsg(HMIDIOUT(link_->stream), message) : MMSYSERR_INVALHANDLE;
    }

    MidiResult Close() override
    {
        if (!link_->stream) return MMSYSERR_INVALHANDLE;
        MMRESULT result = ::midiStreamClose(link_->stream);
        if (result == MMSYSERR_NOERROR) {
            link_->stream = nullptr;
            std::lock_guard<std::mutex> lock(link_->mutex);
            link_->sink = nullptr;
        }
        return result;
    }

    void PostSongEnd() override
    {
        if (notice_) ::PostMessageA(notice_, kSongEndMessage, 0, 0);
    }

    void Abandon(std::unique_ptr<MidiBufferBlock> buffers) override
    {
        std::lock_guard<std::mutex> lock(link_->mutex);
        link_->sink = nullptr;
        link_->keptBuffers = std::move(buffers);
        // The driver may still write into the headers and call back with the link: both stay for
        // the life of the process.
        abandoned_ = true;
    }

private:
    MIDIHDR* Header(int buffer)
    {
        return buffer >= 0 && buffer < kMidiStreamBuffers ? &link_->headers[buffer] : nullptr;
    }

    StreamLink* link_;
    HWND notice_;
    bool abandoned_ = false;
};

}  // namespace

std::unique_ptr<MidiStreamDevice> MakeSystemMidiDevice() { return std::make_unique<WinmmMidiStreamDevice>(); }

}  // namespace qbk
