#include "fake_midi_device.h"

#include "midi_stream_buffer.h"

#include <algorithm>
#include <cstdio>

namespace miditest {

using qbk::kMidiOk;
using qbk::MidiResult;

namespace {

constexpr MidiResult kInvalidHandle = 5;  // what the system answers for a closed stream
constexpr MidiResult kStillPlaying = 65;

std::string Hex(uint32_t v)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06x", unsigned(v));
    return text;
}

}  // namespace

std::vector<std::string> FakeMidiState::Calls()
{
    std::lock_guard<std::mutex> lock(mutex);
    return calls;
}

std::vector<std::string> FakeMidiState::Breaches()
{
    std::lock_guard<std::mutex> lock(mutex);
    return breaches;
}

std::vector<PlayedEvent> FakeMidiState::Played()
{
    std::lock_guard<std::mutex> lock(mutex);
    return played;
}

int FakeMidiState::Count(const std::string& call)
{
    std::lock_guard<std::mutex> lock(mutex);
    return int(std::count(calls.begin(), calls.end(), call));
}

FakeMidiDevice::FakeMidiDevice(std::shared_ptr<FakeMidiState> state, BufferReturn mode)
    : state_(std::move(state)), mode_(mode)
{
    if (mode_ == BufferReturn::OnDeviceThread) worker_ = std::thread([this] { WorkerLoop(); });
}

FakeMidiDevice::~FakeMidiDevice()
{
    if (worker_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(state_->mutex);
            quit_ = true;
        }
        wake_.notify_all();
        worker_.join();
    }
}

void FakeMidiDevice::Note(const std::string& call) { state_->calls.push_back(call); }
void FakeMidiDevice::Breach(const std::string& text) { state_->breaches.push_back(text); }

MidiResult FakeMidiDevice::Open(int deviceId, qbk::MidiStreamSink* sink)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    Note("open " + std::to_string(deviceId));
    if (state_->openResult != kMidiOk) return state_->openResult;
    if (open_) Breach("opened twice");
    if (state_->abandoned) Breach("open after abandon");
    open_ = true;
    running_ = false;  // a new stream starts paused
    clock_ = 0;
    sink_ = sink;
    return kMidiOk;
}

MidiResult FakeMidiDevice::SetTimeDivision(uint32_t division)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    Note("timediv " + std::to_string(division));
    if (!open_) return kInvalidHandle;
    state_->division = division;
    return kMidiOk;
}

MidiResult FakeMidiDevice::Prepare(int buffer, uint8_t* data, uint32_t capacity)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    Note("prepare " + std::to_string(buffer));
    if (!open_) return kInvalidHandle;
    if (prepared_[buffer]) Breach("prepare of a prepared buffer");
    if (capacity != qbk::kMidiBufferBytes) Breach("capacity " + std::to_string(capacity));
    data_[buffer] = data;
    prepared_[buffer] = true;
    return kMidiOk;
}

MidiResult FakeMidiDevice::Out(int buffer, uint32_t bytesRecorded)
{
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        Note("out " + std::to_string(buffer));
        if (!open_) return kInvalidHandle;
        if (!prepared_[buffer]) Breach("out of an unprepared buffer");
        if (std::find(queue_.begin(), queue_.end(), buffer) != queue_.end() ||
            std::find(returning_.begin(), returning_.end(), buffer) != returning_.end()) {
            Breach("out of a queued buffer");
        }
        if (bytesRecorded > qbk::kMidiBufferBytes || bytesRecorded % qbk::kMidiEventBytes) {
            Breach("out of " + std::to_string(bytesRecorded) + " bytes");
        }
        bytes_[buffer] = bytesRecorded;
        queue_.push_back(buffer);
    }
    wake_.notify_all();
    return kMidiOk;
}

MidiResult FakeMidiDevice::Unprepare(int buffer)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    Note("unprepare " + std::to_string(buffer));
    if (!open_) return kInvalidHandle;
    if (std::find(queue_.begin(), queue_.end(), buffer) != queue_.end() ||
        std::find(returning_.begin(), returning_.end(), buffer) != returning_.end()) {
        Breach("unprepare of a queued buffer");
    }
    prepared_[buffer] = false;
    data_[buffer] = nullptr;
    return kMidiOk;
}

MidiResult FakeMidiDevice::Restart()
{
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        Note("restart");
        if (!open_) return kInvalidHandle;
        if (state_->restartResult != kMidiOk) return state_->restartResult;
        running_ = true;
    }
    wake_.notify_all();
    return kMidiOk;
}

MidiResult FakeMidiDevice::Pause()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    Note("pause");
    if (!open_) return kInvalidHandle;
    running_ = false;
    return kMidiOk;
}

void FakeMidiDevice::GiveBackQueued()
{
    if (mode_ == BufferReturn::Never) return;
    if (mode_ == BufferReturn::OnDeviceThread) {
        // Only what is queued now comes back; buffers queued later wait for their turn.
        {
            std::lock_guard<std::mutex> lock(state_->mutex);
            returning_.insert(returning_.end(), queue_.begin(), queue_.end());
            queue_.clear();
        }
        wake_.notify_all();
        return;
    }
    ReturnAll();
}

MidiResult FakeMidiDevice::Stop()
{
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        Note("stop");
        if (!open_) return kInvalidHandle;
        running_ = false;
    }
    GiveBackQueued();
    return kMidiOk;
}

MidiResult FakeMidiDevice::Reset()
{
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        Note("reset");
        if (!open_) return kInvalidHandle;
    }
    GiveBackQueued();
    return kMidiOk;
}

MidiResult FakeMidiDevice::ShortMessage(uint32_t message)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    Note("short " + Hex(message));
    if (!open_) return kInvalidHandle;
    state_->shortMessages.push_back(message);
    return kMidiOk;
}

MidiResult FakeMidiDevice::Close()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    Note("close");
    if (!open_) return kInvalidHandle;
    if (!queue_.empty() || !returning_.empty()) {
        Breach("close with queued buffers");
        return kStillPlaying;
    }
    if (prepared_[0] || prepared_[1]) Breach("close with prepared buffers");
    open_ = false;
    running_ = false;
    return kMidiOk;
}

void FakeMidiDevice::PostSongEnd()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    Note("post");
    ++state_->posts;
}

void FakeMidiDevice::Abandon(std::unique_ptr<qbk::MidiBufferBlock> buffers)
{
    std::lock_guard<std::recursive_mutex> calls(callMutex_);
    std::lock_guard<std::mutex> lock(state_->mutex);
    Note("abandon");
    state_->abandoned = true;
    state_->keptBuffers.push_back(std::move(buffers));
    sink_ = nullptr;
}

bool FakeMidiDevice::TakeNext(bool needRunning, int* index, std::vector<uint8_t>* bytes)
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    if (queue_.empty() || (needRunning && !running_)) return false;
    *index = queue_.front();
    queue_.pop_front();
    // Read the bytes where the player said they live: a block it freed shows up here.
    const uint8_t* data = data_[*index];
    if (!data) {
        Breach("queued buffer without data");
        bytes->clear();
    } else {
        bytes->assign(data, data + bytes_[*index]);
    }
    return true;
}

void FakeMidiDevice::Play(int index, const std::vector<uint8_t>& bytes)
{
    std::lock_guard<std::recursive_mutex> calls(callMutex_);
    qbk::MidiStreamBuffer copy;
    std::copy(bytes.begin(), bytes.end(), copy.bytes);
    copy.used = uint32_t(bytes.size());
    qbk::MidiStreamSink* sink = nullptr;
    std::vector<uint32_t> reports;
    {
        std::lock_guard<std::mutex> lock(state_->mutex);
        sink = sink_;
        qbk::MidiStreamEvent e;
        for (uint32_t offset = 0; copy.EventAt(offset, &e); offset += qbk::kMidiEventBytes) {
            if (e.streamId != 0) Breach("stream id " + std::to_string(e.streamId));
            clock_ += e.delta;
            state_->played.push_back({clock_, e.event});
            if (e.event & qbk::kMevtCallback) reports.push_back(offset);
        }
    }
    if (!sink) return;
    for (uint32_t offset : reports) sink->OnEventReached(index, offset);
    sink->OnBufferDone(index);
}

bool FakeMidiDevice::PlayNext()
{
    int index = 0;
    std::vector<uint8_t> bytes;
    if (!TakeNext(true, &index, &bytes)) return false;
    Play(index, bytes);
    return true;
}

int FakeMidiDevice::PlayAll(int limit)
{
    int n = 0;
    while (n < limit && PlayNext()) ++n;
    return n;
}

int FakeMidiDevice::DeliverPosts()
{
    int n = 0;
    for (;;) {
        qbk::MidiStreamSink* sink = nullptr;
        {
            std::lock_guard<std::mutex> lock(state_->mutex);
            if (state_->posts == 0) return n;
            --state_->posts;
            sink = sink_;
        }
        ++n;
        if (sink) sink->OnSongEnded();
    }
}

void FakeMidiDevice::ReturnAll()
{
    std::lock_guard<std::recursive_mutex> calls(callMutex_);
    for (;;) {
        int index = 0;
        qbk::MidiStreamSink* sink = nullptr;
        {
            std::lock_guard<std::mutex> lock(state_->mutex);
            if (queue_.empty()) return;
            index = queue_.front();
            queue_.pop_front();
            sink = sink_;
        }
        if (sink) sink->OnBufferDone(index);
    }
}

int FakeMidiDevice::QueuedCount()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return int(queue_.size() + returning_.size());
}

bool FakeMidiDevice::Running()
{
    std::lock_guard<std::mutex> lock(state_->mutex);
    return running_;
}

void FakeMidiDevice::WorkerLoop()
{
    for (;;) {
        int giveBack = -1;
        {
            std::unique_lock<std::mutex> lock(state_->mutex);
            wake_.wait(lock, [this] { return quit_ || !returning_.empty() || (running_ && !queue_.empty()); });
            if (quit_) return;
            if (!returning_.empty()) {
                giveBack = returning_.front();
                returning_.pop_front();
            }
        }
        if (giveBack < 0) {
            PlayNext();
            continue;
        }
        std::lock_guard<std::recursive_mutex> calls(callMutex_);
        qbk::MidiStreamSink* sink = nullptr;
        {
            std::lock_guard<std::mutex> lock(state_->mutex);
            sink = sink_;
        }
        if (sink) sink->OnBufferDone(giveBack);
    }
}

}  // namespace miditest
