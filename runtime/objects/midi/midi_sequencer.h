// Merges the tracks of a song in time order into stream buffers: channel messages and tempo
// changes are sent, every other event is left out without losing its time; a tempo percentage
// scales every tempo sent. Not thread-safe: the player calls it under its lock.
#pragma once

#include "midi_file.h"
#include "midi_stream_buffer.h"

namespace qbk {

constexpr uint32_t kDefaultMidiTempo = 500000;  // microseconds per quarter note until a file says
constexpr uint32_t kMaxMidiTempo = kMevtParameterMask;
constexpr uint32_t kBufferSpanMicroseconds = 60000;  // a buffer covers about this much music

enum MidiFillResult {
    kFillDone = 0,  // the buffer holds what fitted, or the song ended inside it
    kFillTrackFailed = -101,
    kFillFailedBefore = -102,
    kFillSongEnded = -103,
};

class MidiSequencer {
public:
    // The song's tracks point into an image that must outlive the sequencer's use of them.
    void SetSong(MidiSong song);
    bool HasSong() const { return hasSong_; }
    int Division() const { return song_.division; }

    // Every track back to its start, the stream's time at 0, nothing pending or ended.
    bool Rewind();
    // Empties the buffer and fills it with the next events (see MidiFillResult). With loop set
    // a song that has ended starts again, unless a whole pass sent nothing.
    int Fill(MidiStreamBuffer* buffer, bool loop);
    bool Ended() const { return ended_; }

    // 0 is taken as 1; the next event sent is preceded by the scaled tempo once one is known.
    void SetPercent(int percent);
    int Percent() const { return percent_; }
    void QueueTempo() { tempoPending_ = true; }
    // The song's tempo as last read (0 until a tempo event), and as sent at the percentage.
    uint32_t Tempo() const { return tempo_; }
    uint32_t ScaledTempo(uint32_t tempo) const;

private:
    MidiTrack* EarliestTrack();
    // Sends the event into the buffer when it is one that is sent; false when it does not fit.
    bool Put(MidiStreamBuffer* buffer, const MidiEvent& event);

    MidiSong song_;
    bool hasSong_ = false;
    uint64_t lastTick_ = 0;  // tick of the last event sent
    uint32_t tempo_ = 0;
    uint64_t maxTicksPerBuffer_ = 0;
    int percent_ = 100;
    bool tempoPending_ = false;
    bool ended_ = false;
    bool failed_ = false;
    bool pending_ = false;  // pendingEvent_ did not fit and goes first into the next buffer
    MidiEvent pendingEvent_;
    bool passSentEvents_ = false;
};

}  // namespace qbk
