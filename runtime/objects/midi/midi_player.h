// CMidiPlayer: plays a Standard MIDI File held in memory through a MIDI stream device, two
// buffers at a time, with a tempo percentage, looping and a volume per channel. The stream's
// callbacks refill the buffers on the device's thread; everything they share with the owner's
// thread is guarded by one lock, and no device call is made from the owner's side under it.
#pragma once

#include "midi_sequencer.h"
#include "midi_stream_device.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

namespace qbk {

enum MidiPlayerState {
    kMidiStateNormal = 0,
    kMidiStateStopping = 100,
    kMidiStateStopped = 200,  // every buffer is back
    kMidiStateEnding = 300,  // the last buffer has been filled
};

constexpr int kMidiChannels = 16;
constexpr std::chrono::milliseconds kBufferReturnTimeout{2000};

class CMidiPlayer : private MidiStreamSink {
public:
    explicit CMidiPlayer(std::unique_ptr<MidiStreamDevice> device, int deviceId = kMidiMapper,
                         std::chrono::milliseconds returnTimeout = kBufferReturnTimeout);
    // Stops; buffers the driver never gave back are left to it.
    ~CMidiPlayer() override;
    CMidiPlayer(const CMidiPlayer&) = delete;
    CMidiPlayer& operator=(const CMidiPlayer&) = delete;

    // Parses the image, keeps it and opens a paused stream primed with the first buffers. Fails
    // when a song is already loaded or the image is not a file that plays; the image is kept
    // when only the stream could not be opened.
    bool LoadFromMemory(std::vector<uint8_t> image);
    bool IsLoaded() const;

    // Paused: goes on. Otherwise a playing song starts again (from its start unless looping).
    bool Play(bool loop);
    bool Pause();
    bool Resume();
    // Stops and closes the stream, then with reopen opens it again primed, from the start unless
    // looping. False when the device fails, or when the driver keeps a buffer beyond the time-out
    // (nothing is freed then; a later Stop finishes the work).
    bool Stop(bool reopen);
    bool Rewind();

    void SetPercent(int percent);
    int GetPercent() const;
    void SetLoop(bool loop);
    bool GetLoop() const;
    // Taken as unsigned and capped at 100; while playing, every channel gets it.
    void SetVolume(int percent);
    // The mean of the channel volumes.
    int GetVolume() const;

    bool IsPlaying() const;  // also while paused
    bool IsPaused() const;
    int GetState() const;
    uint64_t GetPlayedBytes() const;

protected:
    // May come on the device's thread, under the player's lock.
    virtual void OnError(MidiResult code) {}
    virtual void OnParseError(int track, const char* text) {}

private:
    struct Slot {
        MidiStreamBuffer buffer;
        bool prepared = false;
        bool queued = false;  // the device holds it
    };
    struct Slots : MidiBufferBlock {
        Slot slot[kMidiStreamBuffers];
    };

    void OnBufferDone(int buffer) override;
    void OnEventReached(int buffer, uint32_t offset) override;
    void OnSongEnded() override;

    // True for success; an error goes to OnError.
    bool Check(MidiResult result);
    bool SwitchPause(bool pause);
    bool OpenAndPrime();
    // Unprepares the buffers and closes the stream; only when the device holds none.
    bool CloseStream();
    // Under the lock: the next buffer's events; 0 with events in it, else a fill result.
    int FillSlot(int index);
    int QueuedCount() const;
    void MarkEnded(bool* post);
    static void ParseErrorThunk(void* context, int track, const char* text);

    std::unique_ptr<MidiStreamDevice> device_;
    const int deviceId_;
    const std::chrono::milliseconds returnTimeout_;

    mutable std::recursive_mutex mutex_;
    std::condition_variable_any buffersBack_;
    std::vector<uint8_t> image_;
    MidiSequencer sequencer_;
    // On the heap: if the driver never gives them back they go to the device.
    std::unique_ptr<Slots> block_;
    Slot* slots_;
    bool loaded_ = false;
    bool streamOpen_ = false;
    bool playing_ = false;
    bool paused_ = false;
    bool loop_ = false;
    bool endNoticePending_ = false;
    int state_ = kMidiStateNormal;
    uint64_t playedBytes_ = 0;
    int volumes_[kMidiChannels];
};

}  // namespace qbk
