#include "midi_stream_buffer.h"

namespace qbk {

namespace {

void PutLe32(uint8_t* p, uint32_t v)
{
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
    p[2] = uint8_t(v >> 16);
    p[3] = uint8_t(v >> 24);
}

uint32_t GetLe32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

}  // namespace

bool MidiStreamBuffer::Append(const MidiStreamEvent& e)
{
    if (Free() < kMidiEventBytes) return false;
    uint8_t* p = bytes + used;
    PutLe32(p, e.delta);
    PutLe32(p + 4, e.streamId);
    PutLe32(p + 8, e.event);
    used += kMidiEventBytes;
    return true;
}

bool MidiStreamBuffer::EventAt(uint32_t offset, MidiStreamEvent* e) const
{
    if (offset > used || used - offset < kMidiEventBytes) return false;
    const uint8_t* p = bytes + offset;
    e->delta = GetLe32(p);
    e->streamId = GetLe32(p + 4);
    e->event = GetLe32(p + 8);
    return true;
}

}  // namespace qbk
