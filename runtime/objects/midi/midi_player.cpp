#include "midi_player.h"

namespace qbk {

namespace {

using Lock = std::unique_lock<std::recursive_mutex>;

constexpr int kVolumeFull = 100;

}  // namespace

CMidiPlayer::CMidiPlayer(std::unique_ptr<MidiStreamDevice> device, int deviceId,
                         std::chrono::milliseconds returnTimeout)
    : device_(std::move(device)), deviceId_(deviceId), returnTimeout_(returnTimeout), block_(new Slots),
      slots_(block_->slot)
{
    for (int& v : volumes_) v = kVolumeFull;
}

CMidiPlayer::~CMidiPlayer()
{
    Stop(false);
    bool held = false;
    {
        Lock lock(mutex_);
        held = QueuedCount() > 0;
    }
    if (held) device_->Abandon(std::move(block_));
}

void CMidiPlayer::ParseErrorThunk(void* context, int track, const char* text)
{
    static_cast<CMidiPlayer*>(context)->OnParseError(track, text);
}

bool CMidiPlayer::Check(MidiResult result)
{
    if (result == kMidiOk) return true;
    OnError(result);
    return false;
}

bool CMidiPlayer::IsLoaded() const
{
    Lock lock(mutex_);
    return loaded_;
}

bool CMidiPlayer::LoadFromMemory(std::vector<uint8_t> image)
{
    if (IsLoaded()) return false;
    MidiSong song;
    if (!ParseMidiSong(image.data(), image.size(), &song, &CMidiPlayer::ParseErrorThunk, this)) return false;
    {
        Lock lock(mutex_);
        image_ = std::move(image);  // the tracks point into its block, which moves along
        sequencer_.SetSong(std::move(song));
        for (int& v : volumes_) v = kVolumeFull;
        loaded_ = true;
    }
    return OpenAndPrime();
}

int CMidiPlayer::QueuedCount() const
{
    int n = 0;
    for (int i = 0; i < kMidiStreamBuffers; ++i) n += slots_[i].queued ? 1 : 0;
    return n;
}

int CMidiPlayer::FillSlot(int index)
{
    MidiStreamBuffer& buffer = slots_[index].buffer;
    // A song that ends right at a buffer's start leaves it empty; the next fill starts the song
    // again or reports its end, so two more tries settle it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        int result = sequencer_.Fill(&buffer, loop_);
        if (result != kFillDone || buffer.used > 0) return result;
    }
    return kFillSongEnded;
}

bool CMidiPlayer::OpenAndPrime()
{
    if (!Check(device_->Open(deviceId_, this))) return false;
    uint32_t division = 0;
    {
        Lock lock(mutex_);
        streamOpen_ = true;
        state_ = kMidiStateNormal;
        division = uint32_t(sequencer_.Division());
    }
    bool ok = Check(device_->SetTimeDivision(division));
    for (int i = 0; ok && i < kMidiStreamBuffers; ++i) {
        Slot& slot = slots_[i];
        uint32_t used = 0;
        {
            Lock lock(mutex_);
            int result = FillSlot(i);
            if (result == kFillSongEnded) break;
            if (result != kFillDone) {
                ok = false;
                break;
            }
            used = slot.buffer.used;
        }
        if (!slot.prepared) {
            if (!Check(device_->Prepare(i, slot.buffer.bytes, kMidiBufferBytes))) {
                ok = false;
                break;
            }
            slot.prepared = true;
        }
        {
            Lock lock(mutex_);
            slot.queued = true;
        }
        if (!Check(device_->Out(i, used))) {
            Lock lock(mutex_);
            slot.queued = false;
            ok = false;
        }
    }
    if (!ok) {
        // Whatever went out comes back with the reset before the stream closes.
        device_->Reset();
        Lock lock(mutex_);
        buffersBack_.wait_for(lock, returnTimeout_, [this] { return QueuedCount() == 0; });
        if (QueuedCount() == 0) {
            lock.unlock();
            CloseStream();
        }
    }
    return ok;
}

bool CMidiPlayer::CloseStream()
{
    bool ok = true;
    for (int i = 0; i < kMidiStreamBuffers; ++i) {
        if (!slots_[i].prepared) continue;
        ok = Check(device_->Unprepare(i)) && ok;
        slots_[i].prepared = false;
    }
    if (!Check(device_->Close())) return false;
    Lock lock(mutex_);
    streamOpen_ = false;
    return ok;
}

bool CMidiPlayer::Play(bool loop)
{
    bool paused = false, playing = false, open = false;
    {
        Lock lock(mutex_);
        if (!loaded_) return false;
        paused = paused_;
        playing = playing_;
        open = streamOpen_;
    }
    if (paused) return Resume();
    if (playing) {
        if (!Stop(true)) return false;
    } else if (!open && !OpenAndPrime()) {
        return false;  // the stream could not be had back after an earlier failure
    }
    bool nothingQueued = false;
    {
        Lock lock(mutex_);
        if (!streamOpen_) return false;
        state_ = kMidiStateNormal;
        if (!loop_) sequencer_.QueueTempo();
        loop_ = loop;
        // Set before the stream runs: a buffer that comes back at once must find it.
        playing_ = true;
        nothingQueued = QueuedCount() == 0;
    }
    if (!Check(device_->Restart())) {
        Lock lock(mutex_);
        playing_ = false;
        return false;
    }
    if (nothingQueued) {
        // A song without one event to send ends as soon as it starts.
        Lock lock(mutex_);
        bool post = false;
        MarkEnded(&post);
        if (post) device_->PostSongEnd();
    }
    return true;
}

bool CMidiPlayer::Pause() { return SwitchPause(true); }

bool CMidiPlayer::Resume() { return SwitchPause(false); }

bool CMidiPlayer::SwitchPause(bool pause)
{
    {
        Lock lock(mutex_);
        if (!loaded_ || !playing_ || paused_ == pause || !streamOpen_) return false;
    }
    if (!Check(pause ? device_->Pause() : device_->Restart())) return false;
    Lock lock(mutex_);
    paused_ = pause;
    return true;
}

bool CMidiPlayer::Stop(bool reopen)
{
    bool open = false;
    {
        Lock lock(mutex_);
        if (!loaded_) return false;
        paused_ = false;
        playing_ = false;
        endNoticePending_ = false;
        if (state_ != kMidiStateStopped && state_ != kMidiStateEnding) state_ = kMidiStateStopping;
        open = streamOpen_;
    }
    if (open) {
        if (!Check(device_->Stop()) || !Check(device_->Reset())) return false;
        {
            Lock lock(mutex_);
            if (!buffersBack_.wait_for(lock, returnTimeout_, [this] { return QueuedCount() == 0; })) {
                return false;  // the driver still holds a buffer: nothing may be freed yet
            }
            state_ = kMidiStateNormal;
        }
        if (!CloseStream()) return false;
    }
    if (!reopen) return true;
    {
        Lock lock(mutex_);
        if (!loop_ || sequencer_.Ended()) sequencer_.Rewind();
    }
    return OpenAndPrime();
}

bool CMidiPlayer::Rewind()
{
    Lock lock(mutex_);
    return loaded_ && sequencer_.Rewind();
}

void CMidiPlayer::SetPercent(int percent)
{
    Lock lock(mutex_);
    sequencer_.SetPercent(percent);
}

int CMidiPlayer::GetPercent() const
{
    Lock lock(mutex_);
    return sequencer_.Percent();
}

void CMidiPlayer::SetLoop(bool loop)
{
    Lock lock(mutex_);
    loop_ = loop;
}

bool CMidiPlayer::GetLoop() const
{
    Lock lock(mutex_);
    return loop_;
}

void CMidiPlayer::SetVolume(int percent)
{
    unsigned volume = unsigned(percent);
    if (volume > kVolumeFull) volume = kVolumeFull;
    {
        Lock lock(mutex_);
        if (!playing_) return;
        for (int& v : volumes_) v = int(volume);
    }
    const uint8_t value = uint8_t(volume * 127 / kVolumeFull);
    for (int channel = 0; channel < kMidiChannels; ++channel) {
        Check(device_->ShortMessage(ShortMessageWord(uint8_t(0xB0 | channel), kControllerVolume, value)));
    }
}

int CMidiPlayer::GetVolume() const
{
    Lock lock(mutex_);
    int sum = 0;
    for (int v : volumes_) sum += v;
    return sum / kMidiChannels;
}

bool CMidiPlayer::IsPlaying() const
{
    Lock lock(mutex_);
    return playing_;
}

bool CMidiPlayer::IsPaused() const
{
    Lock lock(mutex_);
    return paused_;
}

int CMidiPlayer::GetState() const
{
    Lock lock(mutex_);
    return state_;
}

uint64_t CMidiPlayer::GetPlayedBytes() const
{
    Lock lock(mutex_);
    return playedBytes_;
}

void CMidiPlayer::MarkEnded(bool* post)
{
    if (QueuedCount() > 0) return;
    state_ = kMidiStateStopped;
    if (playing_) {
        endNoticePending_ = true;
        *post = true;
    }
}

void CMidiPlayer::OnBufferDone(int index)
{
    if (index < 0 || index >= kMidiStreamBuffers) return;
    Lock lock(mutex_);
    Slot& slot = slots_[index];
    slot.queued = false;
    bool post = false;
    switch (state_) {
    case kMidiStateEnding:
        playedBytes_ += slot.buffer.used;
        MarkEnded(&post);
        break;
    case kMidiStateStopping:
        if (QueuedCount() == 0) state_ = kMidiStateStopped;
        break;
    case kMidiStateNormal: {
        playedBytes_ += slot.buffer.used;
        if (!playing_) break;
        int result = FillSlot(index);
        if (result == kFillDone) {
            slot.queued = true;
            if (!Check(device_->Out(index, slot.buffer.used))) {
                slot.queued = false;
                result = kFillFailedBefore;
            }
        }
        if (result != kFillDone) {
            state_ = kMidiStateEnding;
            MarkEnded(&post);
        }
        break;
    }
    default: break;
    }
    // Posted under the lock: once the owner holds the lock after this, the device is left alone.
    if (post) device_->PostSongEnd();
    buffersBack_.notify_all();
}

void CMidiPlayer::OnEventReached(int index, uint32_t offset)
{
    if (index < 0 || index >= kMidiStreamBuffers) return;
    Lock lock(mutex_);
    MidiStreamEvent e;
    if (!slots_[index].buffer.EventAt(offset, &e)) return;
    if ((e.Status() & 0xF0) == 0xB0 && e.Data1() == kControllerVolume) {
        volumes_[e.Status() & 0x0F] = e.Data2() * kVolumeFull / 127;
    }
}

void CMidiPlayer::OnSongEnded()
{
    {
        Lock lock(mutex_);
        if (!endNoticePending_) return;
        endNoticePending_ = false;
    }
    Stop(true);
}

}  // namespace qbk
