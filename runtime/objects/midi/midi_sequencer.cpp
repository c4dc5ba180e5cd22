#include "midi_sequencer.h"

#include <cstdint>

namespace qbk {

namespace {

uint64_t SpanTicks(int division, uint32_t tempo) { return uint64_t(division) * kBufferSpanMicroseconds / tempo; }

}  // namespace

void MidiSequencer::SetSong(MidiSong song)
{
    song_ = std::move(song);
    hasSong_ = true;
    tempo_ = 0;
    maxTicksPerBuffer_ = SpanTicks(song_.division, kDefaultMidiTempo);
    Rewind();
}

bool MidiSequencer::Rewind()
{
    bool ok = hasSong_;
    for (MidiTrack& track : song_.tracks) ok = track.Rewind() && ok;
    lastTick_ = 0;
    ended_ = false;
    failed_ = !ok && hasSong_;
    pending_ = false;
    passSentEvents_ = false;
    return ok;
}

void MidiSequencer::SetPercent(int percent)
{
    percent_ = percent == 0 ? 1 : percent;
    tempoPending_ = true;
}

uint32_t MidiSequencer::ScaledTempo(uint32_t tempo) const
{
    // A percentage below 1 plays as slowly as 1; the event holds 24 bits of tempo.
    const uint64_t percent = percent_ < 1 ? 1 : uint64_t(percent_);
    uint64_t scaled = uint64_t(tempo) * 100 / percent;
    if (scaled < 1) scaled = 1;
    if (scaled > kMaxMidiTempo) scaled = kMaxMidiTempo;
    return uint32_t(scaled);
}

MidiTrack* MidiSequencer::EarliestTrack()
{
    MidiTrack* best = nullptr;
    for (MidiTrack& track : song_.tracks) {
        if (!track.Ended() && (!best || track.NextTick() < best->NextTick())) best = &track;
    }
    return best;
}

bool MidiSequencer::Put(MidiStreamBuffer* buffer, const MidiEvent& event)
{
    uint32_t fileTempo = 0;
    if (event.IsMeta(kMetaTempo) && event.length >= 3) {
        fileTempo = uint32_t(event.payload[0]) << 16 | uint32_t(event.payload[1]) << 8 | event.payload[2];
    }
    // Tempo events too short to hold a tempo, or of tempo 0, are not sent.
    if (!event.IsChannelMessage() && fileTempo == 0) return true;

    if (buffer->used == 0) buffer->startTick = lastTick_;
    if (lastTick_ - buffer->startTick > maxTicksPerBuffer_) {
        if (buffer->spanOverflow) {
            buffer->spanOverflow = false;
            return false;
        }
        buffer->spanOverflow = true;
    }
    // A file tempo sent now carries the percentage itself.
    const bool sendPendingTempo = tempoPending_ && tempo_ != 0 && fileTempo == 0;
    const uint32_t need = kMidiEventBytes * (sendPendingTempo ? 2 : 1);
    if (need > buffer->Free()) return false;

    const uint64_t gap = event.tick > lastTick_ ? event.tick - lastTick_ : 0;
    const uint32_t delta = gap > UINT32_MAX ? UINT32_MAX : uint32_t(gap);
    lastTick_ = event.tick;
    if (sendPendingTempo) buffer->Append({0, 0, ScaledTempo(tempo_) | kMevtTempo});
    if (fileTempo != 0) {
        tempoPending_ = false;
        tempo_ = fileTempo;
        maxTicksPerBuffer_ = SpanTicks(song_.division, fileTempo);
        buffer->Append({delta, 0, ScaledTempo(fileTempo) | kMevtTempo});
    } else {
        if (sendPendingTempo) tempoPending_ = false;
        uint32_t word = ShortMessageWord(event.status, event.data1, event.data2);
        if ((event.status & 0xF0) == 0xB0 && event.data1 == kControllerVolume) word |= kMevtCallback;
        buffer->Append({delta, 0, word});
    }
    passSentEvents_ = true;
    return true;
}

int MidiSequencer::Fill(MidiStreamBuffer* buffer, bool loop)
{
    buffer->Clear();
    if (failed_ || !hasSong_) return kFillFailedBefore;
    if (ended_) {
        if (!loop || !passSentEvents_) return kFillSongEnded;
        for (MidiTrack& track : song_.tracks) {
            if (!track.Rewind()) {
                failed_ = true;
                return kFillTrackFailed;
            }
        }
        lastTick_ = 0;
        ended_ = false;
        passSentEvents_ = false;
    }
    if (pending_) {
        pending_ = false;
        if (!Put(buffer, pendingEvent_)) {
            // Cannot happen in an empty buffer; keep the event rather than lose it.
            pending_ = true;
            return kFillDone;
        }
    }
    for (;;) {
        MidiTrack* track = EarliestTrack();
        if (!track) {
            ended_ = true;
            return kFillDone;
        }
        MidiEvent event;
        const char* error = nullptr;
        if (!track->ReadEvent(&event, &error)) {
            failed_ = true;
            return kFillTrackFailed;
        }
        if (event.IsMeta(kMetaEndOfTrack)) continue;
        if (!Put(buffer, event)) {
            pendingEvent_ = event;
            pending_ = true;
            return kFillDone;
        }
    }
}

}  // namespace qbk
