// The buffers a MIDI output stream plays: short events of three little-endian 32-bit words
// (delta ticks, stream id, event word), the layout of the system's stream events, packed into a
// fixed block. The device adapter hands the block to the system as it is.
#pragma once

#include <cstddef>
#include <cstdint>

namespace qbk {

constexpr uint32_t kMidiBufferBytes = 1024;
constexpr uint32_t kMidiEventBytes = 12;
constexpr uint32_t kMidiEventsPerBuffer = kMidiBufferBytes / kMidiEventBytes;  // 85

// The event word's top byte is the event type; these are its flags and types.
constexpr uint32_t kMevtShortMessage = 0x00000000;
constexpr uint32_t kMevtTempo = 0x01000000;
constexpr uint32_t kMevtCallback = 0x40000000;  // the stream reports when it reaches the event
constexpr uint32_t kMevtParameterMask = 0x00FFFFFF;

constexpr uint8_t kControllerVolume = 7;

struct MidiStreamEvent {
    uint32_t delta = 0;
    uint32_t streamId = 0;
    uint32_t event = 0;

    uint8_t Status() const { return uint8_t(event); }
    uint8_t Data1() const { return uint8_t(event >> 8); }
    uint8_t Data2() const { return uint8_t(event >> 16); }
    uint32_t Type() const { return event & 0xFF000000u; }
};

inline uint32_t ShortMessageWord(uint8_t status, uint8_t data1, uint8_t data2)
{
    return uint32_t(status) | uint32_t(data1) << 8 | uint32_t(data2) << 16;
}

struct MidiStreamBuffer {
    alignas(4) uint8_t bytes[kMidiBufferBytes] = {};
    uint32_t used = 0;
    uint64_t startTick = 0;  // the tick at which the buffer began
    bool spanOverflow = false;  // the buffer already ran one event past its time span

    uint32_t Free() const { return kMidiBufferBytes - used; }
    void Clear()
    {
        used = 0;
        startTick = 0;
        spanOverflow = false;
    }
    // Appends one event; false when it does not fit.
    bool Append(const MidiStreamEvent& e);
    // The event at a byte offset; false unless a whole event lies there within the used bytes.
    bool EventAt(uint32_t offset, MidiStreamEvent* e) const;
};

}  // namespace qbk
