// A MIDI stream device that answers as the system's would: buffers queue in order and come back
// done when the test plays them, or from a thread of its own; stop and reset give back what is
// queued. It records every call and every breach of the device contract it sees, and keeps its
// record in a state object that outlives it.
#pragma once

#include "midi_stream_device.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace miditest {

struct PlayedEvent {
    uint64_t time = 0;  // stream ticks since the stream was opened
    uint32_t event = 0;
};

enum class BufferReturn {
    OnCallerThread,  // stop and reset give queued buffers back before they return
    Never,  // the driver keeps them until the test calls ReturnAll
    OnDeviceThread,  // a thread of the device plays and gives back buffers while the stream runs
};

struct FakeMidiState {
    std::mutex mutex;
    std::vector<std::string> calls;
    std::vector<std::string> breaches;  // contract breaches, each a text
    std::vector<PlayedEvent> played;
    std::vector<uint32_t> shortMessages;
    uint32_t division = 0;
    int posts = 0;
    bool abandoned = false;
    std::vector<std::unique_ptr<qbk::MidiBufferBlock>> keptBuffers;  // left to the driver
    qbk::MidiResult openResult = qbk::kMidiOk;
    qbk::MidiResult restartResult = qbk::kMidiOk;

    std::vector<std::string> Calls();
    std::vector<std::string> Breaches();
    std::vector<PlayedEvent> Played();
    // How many calls equal the text.
    int Count(const std::string& call);
};

class FakeMidiDevice : public qbk::MidiStreamDevice {
public:
    FakeMidiDevice(std::shared_ptr<FakeMidiState> state, BufferReturn mode);
    ~FakeMidiDevice() override;

    qbk::MidiResult Open(int deviceId, qbk::MidiStreamSink* sink) override;
    qbk::MidiResult SetTimeDivision(uint32_t division) override;
    qbk::MidiResult Prepare(int buffer, uint8_t* data, uint32_t capacity) override;
    qbk::MidiResult Out(int buffer, uint32_t bytesRecorded) override;
    qbk::MidiResult Unprepare(int buffer) override;
    qbk::MidiResult Restart() override;
    qbk::MidiResult Pause() override;
    qbk::MidiResult Stop() override;
    qbk::MidiResult Reset() override;
    qbk::MidiResult ShortMessage(uint32_t message) override;
    qbk::MidiResult Close() override;
    void PostSongEnd() override;
    void Abandon(std::unique_ptr<qbk::MidiBufferBlock> buffers) override;

    // Test side, on the test's thread. Plays the oldest queued buffer of a running stream:
    // records its events, reports the ones that ask for it, then gives the buffer back.
    bool PlayNext();
    // Plays until nothing is queued or the limit is reached; answers how many buffers played.
    int PlayAll(int limit = 100000);
    // Runs the song-end notices posted so far, as the owner's message loop would.
    int DeliverPosts();
    // Gives back every queued buffer (a driver that was late).
    void ReturnAll();
    int QueuedCount();
    bool Running();

private:
    void Note(const std::string& call);
    void Breach(const std::string& text);
    // Takes the oldest queued buffer and its bytes under the lock; false when there is none.
    bool TakeNext(bool needRunning, int* index, std::vector<uint8_t>* bytes);
    void Play(int index, const std::vector<uint8_t>& bytes);
    void GiveBackQueued();
    void WorkerLoop();

    std::shared_ptr<FakeMidiState> state_;
    const BufferReturn mode_;
    std::recursive_mutex callMutex_;  // held while a call into the sink runs
    qbk::MidiStreamSink* sink_ = nullptr;  // guarded by state_->mutex
    bool open_ = false;
    bool running_ = false;
    uint64_t clock_ = 0;
    uint8_t* data_[qbk::kMidiStreamBuffers] = {};
    uint32_t bytes_[qbk::kMidiStreamBuffers] = {};
    bool prepared_[qbk::kMidiStreamBuffers] = {};
    std::deque<int> queue_;
    std::deque<int> returning_;  // given back by a stop or reset, not yet reported
    bool quit_ = false;
    std::condition_variable wake_;
    std::thread worker_;
};

}  // namespace miditest
