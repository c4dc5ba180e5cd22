// Standard MIDI Files written byte by byte for the tests, so that every field can be made to lie.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace miditest {

using Bytes = std::vector<uint8_t>;

void PutVarLength(Bytes* out, uint32_t value);

class TrackBuilder {
public:
    // A delta time and the event's bytes as they stand in the file (running status allowed).
    TrackBuilder& Event(uint32_t delta, std::initializer_list<uint8_t> bytes);
    TrackBuilder& Meta(uint32_t delta, uint8_t type, const Bytes& payload);
    TrackBuilder& Tempo(uint32_t delta, uint32_t microsecondsPerQuarter);
    TrackBuilder& SysEx(uint32_t delta, const Bytes& payload);
    TrackBuilder& End(uint32_t delta = 0);
    // Bytes exactly as given, for damaged tracks.
    TrackBuilder& Raw(std::initializer_list<uint8_t> bytes);
    const Bytes& Data() const { return data_; }

private:
    Bytes data_;
};

// "MThd" with length 6, then one "MTrk" chunk per track.
Bytes MidiFile(int format, int division, const std::vector<Bytes>& tracks);
// The same with the header's track count given apart from the chunks.
Bytes MidiFileWithCount(int format, int trackCount, int division, const std::vector<Bytes>& tracks);

}  // namespace miditest
