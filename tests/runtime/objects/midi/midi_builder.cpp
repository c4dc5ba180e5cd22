#include "midi_builder.h"

namespace miditest {

namespace {

void PutBe32(Bytes* out, uint32_t v)
{
    for (int shift = 24; shift >= 0; shift -= 8) out->push_back(uint8_t(v >> shift));
}

void PutBe16(Bytes* out, uint32_t v)
{
    out->push_back(uint8_t(v >> 8));
    out->push_back(uint8_t(v));
}

}  // namespace

void PutVarLength(Bytes* out, uint32_t value)
{
    uint8_t groups[5];
    int n = 0;
    do {
        groups[n++] = uint8_t(value & 0x7F);
        value >>= 7;
    } while (value);
    while (n > 1) out->push_back(uint8_t(groups[--n] | 0x80));
    out->push_back(groups[0]);
}

TrackBuilder& TrackBuilder::Event(uint32_t delta, std::initializer_list<uint8_t> bytes)
{
    PutVarLength(&data_, delta);
    data_.insert(data_.end(), bytes);
    return *this;
}

TrackBuilder& TrackBuilder::Meta(uint32_t delta, uint8_t type, const Bytes& payload)
{
    PutVarLength(&data_, delta);
    data_.push_back(0xFF);
    data_.push_back(type);
    PutVarLength(&data_, uint32_t(payload.size()));
    data_.insert(data_.end(), payload.begin(), payload.end());
    return *this;
}

TrackBuilder& TrackBuilder::Tempo(uint32_t delta, uint32_t tempo)
{
    return Meta(delta, 0x51, {uint8_t(tempo >> 16), uint8_t(tempo >> 8), uint8_t(tempo)});
}

TrackBuilder& TrackBuilder::SysEx(uint32_t delta, const Bytes& payload)
{
    PutVarLength(&data_, delta);
    data_.push_back(0xF0);
    PutVarLength(&data_, uint32_t(payload.size()));
    data_.insert(data_.end(), payload.begin(), payload.end());
    return *this;
}

TrackBuilder& TrackBuilder::End(uint32_t delta) { return Meta(delta, 0x2F, {}); }

TrackBuilder& TrackBuilder::Raw(std::initializer_list<uint8_t> bytes)
{
    data_.insert(data_.end(), bytes);
    return *this;
}

Bytes MidiFileWithCount(int format, int trackCount, int division, const std::vector<Bytes>& tracks)
{
    Bytes out = {'M', 'T', 'h', 'd'};
    PutBe32(&out, 6);
    PutBe16(&out, uint32_t(format));
    PutBe16(&out, uint32_t(trackCount));
    PutBe16(&out, uint32_t(division));
    for (const Bytes& track : tracks) {
        out.insert(out.end(), {'M', 'T', 'r', 'k'});
        PutBe32(&out, uint32_t(track.size()));
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

Bytes MidiFile(int format, int division, const std::vector<Bytes>& tracks)
{
    return MidiFileWithCount(format, int(tracks.size()), division, tracks);
}

}  // namespace miditest
