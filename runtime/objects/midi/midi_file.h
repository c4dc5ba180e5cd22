// Standard MIDI File reading: the header chunk, the track chunks and the events of one track,
// each checked against the bytes the file really holds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qbk {

constexpr size_t kMidiChunkHeaderSize = 8;  // four-letter id, big-endian length
constexpr uint32_t kMidiHeaderLength = 6;
constexpr int kMaxVarLengthBytes = 4;  // a variable-length number holds at most 28 bits
constexpr uint8_t kMetaEndOfTrack = 0x2F;
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kStatusSysEx = 0xF0;
constexpr uint8_t kStatusSysExEscape = 0xF7;
constexpr uint8_t kStatusMeta = 0xFF;

// The texts a failed read reports.
extern const char* const kSysExLengthTruncated;  // "SysEx event truncated (length)"
extern const char* const kSysExTruncated;
extern const char* const kMetaLengthTruncated;
extern const char* const kMetaTruncated;
extern const char* const kMissingRunningStatus;

struct MidiEvent {
    uint64_t tick = 0;  // absolute
    uint8_t status = 0;  // 0xF0 or 0xF7 for SysEx, 0xFF for meta events
    uint8_t data1 = 0;  // the meta type of a meta event
    uint8_t data2 = 0;
    uint32_t length = 0;  // 2 or 3 for channel messages, the payload's for SysEx and meta events
    const uint8_t* payload = nullptr;  // into the file image

    bool IsChannelMessage() const { return status >= 0x80 && status < 0xF0; }
    bool IsMeta(uint8_t type) const { return status == kStatusMeta && data1 == type; }
};

// One track's read position over the file image; the image must outlive it.
class MidiTrack {
public:
    MidiTrack(const uint8_t* data, size_t length) : data_(data), length_(length) {}

    // Back to the start with its first delta time read; false when that delta cannot be read.
    bool Rewind();
    // The next event, its tick the track's current one; then the next delta is added. A read
    // that fails leaves the event's text in *error (null when there is none to give).
    bool ReadEvent(MidiEvent* event, const char** error);

    bool Ended() const { return ended_; }
    uint64_t NextTick() const { return tick_; }

private:
    bool ReadVarLength(uint32_t* value);
    bool ReadByte(uint8_t* value);
    bool ReadPayload(MidiEvent* event, const char* lengthError, const char* dataError, const char** error);
    // After an event: the next delta, or the end of the track when its data ends right there.
    bool AdvanceTick();

    const uint8_t* data_;
    size_t length_;
    size_t pos_ = 0;
    uint64_t tick_ = 0;
    uint8_t runningStatus_ = 0;
    bool ended_ = true;
};

// A parsed file: the header's numbers and one track per track chunk.
struct MidiSong {
    int format = 0;
    int division = 0;  // ticks per quarter note (the raw 16-bit word)
    std::vector<MidiTrack> tracks;
};

// Parses the header and the track chunks and reads every track through once, so that a damaged
// file fails here rather than while it plays. A failed track read is reported with its track
// number and text through onError (when given).
using MidiParseErrorFn = void (*)(void* context, int track, const char* text);
bool ParseMidiSong(const uint8_t* image, size_t size, MidiSong* song, MidiParseErrorFn onError = nullptr,
                   void* context = nullptr);

inline uint32_t ReadBe32(const uint8_t* p)
{
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | uint32_t(p[3]);
}
inline uint16_t ReadBe16(const uint8_t* p) { return uint16_t(p[0] << 8 | p[1]); }

}  // namespace qbk
