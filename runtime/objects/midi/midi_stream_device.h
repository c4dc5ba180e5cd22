// The seam between the MIDI player and the system's MIDI stream output. The Windows adapter
// forwards each call to the stream function of the same name; tests answer with a fake.
//
// Contract, which keeps the buffers safe:
// - A buffer handed to Out belongs to the device until the device reports it done; the player
//   neither refills nor unprepares it before that.
// - The sink's OnBufferDone and OnEventReached may come on the device's own thread, or from
//   inside Stop or Reset on the caller's thread.
// - PostSongEnd may be called from the device's thread; the device makes the sink's
//   OnSongEnded run later on the thread that owns the player, never inside the callback.
// - After Close succeeds, the device calls the sink no more.
#pragma once

#include <cstdint>
#include <memory>

namespace qbk {

// Multimedia result codes: 0 is success, anything else the system's error code.
using MidiResult = uint32_t;
constexpr MidiResult kMidiOk = 0;

constexpr int kMidiMapper = -1;  // the device id of the system's MIDI mapper
constexpr int kMidiStreamBuffers = 2;

class MidiStreamSink {
public:
    virtual ~MidiStreamSink() = default;
    // The stream has played buffer index (0 or 1) and gives it back.
    virtual void OnBufferDone(int buffer) = 0;
    // The stream reached the event at byte offset of buffer index that asked to be reported.
    virtual void OnEventReached(int buffer, uint32_t offset) = 0;
    // On the owner's thread, after PostSongEnd.
    virtual void OnSongEnded() = 0;
};

// The player's buffer block, handed to the device when the driver never gave the buffers back.
class MidiBufferBlock {
public:
    virtual ~MidiBufferBlock() = default;
};

class MidiStreamDevice {
public:
    virtual ~MidiStreamDevice() = default;

    // Opens a stream on the device (kMidiMapper for the mapper), paused, reporting to sink.
    virtual MidiResult Open(int deviceId, MidiStreamSink* sink) = 0;
    // Ticks per quarter note (the file's time division).
    virtual MidiResult SetTimeDivision(uint32_t division) = 0;
    // Buffer index lives at data, capacity bytes long, from Prepare until Unprepare.
    virtual MidiResult Prepare(int buffer, uint8_t* data, uint32_t capacity) = 0;
    // Queues the first bytesRecorded bytes of a prepared buffer.
    virtual MidiResult Out(int buffer, uint32_t bytesRecorded) = 0;
    virtual MidiResult Unprepare(int buffer) = 0;
    virtual MidiResult Restart() = 0;
    virtual MidiResult Pause() = 0;
    // Stops the stream; queued buffers come back done.
    virtual MidiResult Stop() = 0;
    // Silences every note and gives back any buffer still queued.
    virtual MidiResult Reset() = 0;
    // Sends one channel message now.
    virtual MidiResult ShortMessage(uint32_t message) = 0;
    virtual MidiResult Close() = 0;
    // Asks for the sink's OnSongEnded on the owner's thread.
    virtual void PostSongEnd() = 0;
    // The player goes away while the driver may still hold its buffers (they were never given
    // back): once this returns no call into the sink is running and none will come. The device
    // keeps the block for as long as the driver may use it.
    virtual void Abandon(std::unique_ptr<MidiBufferBlock> buffers) = 0;
};

}  // namespace qbk
