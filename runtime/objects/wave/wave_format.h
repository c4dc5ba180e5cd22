// WAVE images: the RIFF chunk walk to the format and the samples, bounded by the bytes the
// image really holds, and the format in the full layout the sound system takes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qbk {

constexpr size_t kRiffHeaderSize = 12;  // "RIFF", length, "WAVE"
constexpr size_t kChunkHeaderSize = 8;
constexpr size_t kWaveFormatMinSize = 14;  // the format without its sample size
constexpr size_t kWaveFormatExSize = 18;  // the full format: sample size and extra size included

struct WaveFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSec = 0;
    uint32_t avgBytesPerSec = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    uint16_t extraSize = 0;
};

struct WaveImage {
    WaveFormat format;
    // The format as the sound system reads it: the 18 little-endian bytes of the full format
    // (fields a short chunk lacks are 0), then extraSize bytes.
    std::vector<uint8_t> formatBlock;
    const uint8_t* samples = nullptr;  // into the image
    size_t samplesSize = 0;  // whole blocks only
};

// Walks the chunks after "RIFF" and "WAVE" for the first "fmt " and "data" chunks in any
// order. Fails for a format chunk shorter than 14 bytes or cut off, or without samples. A data
// chunk that claims more than the image holds keeps what is there.
bool ParseWaveImage(const uint8_t* image, size_t size, WaveImage* wave);

// The byte where playing starts: within the samples and on a block boundary.
size_t WaveStartPosition(int64_t requested, size_t samplesSize, unsigned blockAlign);

}  // namespace qbk
