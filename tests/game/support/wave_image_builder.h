// Builds RIFF WAVE images for tests: a tone as PCM samples, with chunks that can be bent.
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace wavetest {

struct WaveSpec {
    uint32_t rate = 22050;
    uint16_t channels = 1;
    uint16_t bits = 16;
    uint32_t formatLength = 16;  // bytes stored in the "fmt " chunk
    uint32_t milliseconds = 100;
    double frequency = 440.0;
};

inline void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

inline void Put16(std::vector<uint8_t>& out, uint16_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

inline void PutTag(std::vector<uint8_t>& out, const char* tag) { out.insert(out.end(), tag, tag + 4); }

inline std::vector<uint8_t> FormatChunk(const WaveSpec& s)
{
    std::vector<uint8_t> f;
    uint16_t align = uint16_t(s.channels * s.bits / 8);
    Put16(f, 1);
    Put16(f, s.channels);
    Put32(f, s.rate);
    Put32(f, s.rate * align);
    Put16(f, align);
    Put16(f, s.bits);
    if (s.formatLength >= 18) Put16(f, uint16_t(s.formatLength - 18));
    f.resize(s.formatLength, 0);
    return f;
}

inline std::vector<uint8_t> ToneSamples(const WaveSpec& s)
{
    uint32_t frames = uint32_t(uint64_t(s.rate) * s.milliseconds / 1000);
    std::vector<uint8_t> d;
    for (uint32_t i = 0; i < frames; ++i) {
        int16_t v = int16_t(12000 * std::sin(i * 2 * 3.14159265358979 * s.frequency / s.rate));
        for (uint16_t c = 0; c < s.channels; ++c) Put16(d, uint16_t(v));
    }
    return d;
}

// "RIFF" len "WAVE" "fmt " N fmt [extra chunk] "data" D samples
inline std::vector<uint8_t> WaveImage(const WaveSpec& s, const std::vector<uint8_t>& extraChunk = {})
{
    std::vector<uint8_t> fmt = FormatChunk(s), data = ToneSamples(s), out;
    PutTag(out, "RIFF");
    Put32(out, uint32_t(4 + 8 + fmt.size() + extraChunk.size() + 8 + data.size()));
    PutTag(out, "WAVE");
    PutTag(out, "fmt ");
    Put32(out, uint32_t(fmt.size()));
    out.insert(out.end(), fmt.begin(), fmt.end());
    out.insert(out.end(), extraChunk.begin(), extraChunk.end());
    PutTag(out, "data");
    Put32(out, uint32_t(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

// Offsets of the length fields in an image made by WaveImage without an extra chunk.
inline size_t FormatLengthOffset() { return 16; }
inline size_t DataLengthOffset(const WaveSpec& s) { return 20 + s.formatLength + 4; }

inline void Patch32(std::vector<uint8_t>& image, size_t offset, uint32_t v)
{
    for (int i = 0; i < 4; ++i) image[offset + i] = uint8_t(v >> (8 * i));
}

}  // namespace wavetest
