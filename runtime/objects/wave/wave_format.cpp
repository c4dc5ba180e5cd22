#include "wave_format.h"

#include <algorithm>
#include <cstring>

namespace qbk {

namespace {

uint32_t Le32(const uint8_t* p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

void ReadFormat(const uint8_t* chunk, size_t size, WaveImage* wave)
{
    uint8_t full[kWaveFormatExSize] = {};
    std::memcpy(full, chunk, std::min(size, kWaveFormatExSize));
    // The extra bytes a chunk declares count only as far as it holds them.
    size_t extra = 0;
    if (size >= kWaveFormatExSize) extra = std::min<size_t>(Le16(full + 16), size - kWaveFormatExSize);
    full[16] = uint8_t(extra);
    full[17] = uint8_t(extra >> 8);

    WaveFormat& f = wave->format;
    f.formatTag = Le16(full);
    f.channels = Le16(full + 2);
    f.samplesPerSec = Le32(full + 4);
    f.avgBytesPerSec = Le32(full + 8);
    f.blockAlign = Le16(full + 12);
    f.bitsPerSample = Le16(full + 14);
    f.extraSize = uint16_t(extra);
    wave->formatBlock.assign(full, full + kWaveFormatExSize);
    wave->formatBlock.insert(wave->formatBlock.end(), chunk + kWaveFormatExSize, chunk + kWaveFormatExSize + extra);
}

}  // namespace

bool ParseWaveImage(const uint8_t* image, size_t size, WaveImage* wave)
{
    *wave = WaveImage();
    if (!image || size < kRiffHeaderSize) return false;
    if (std::memcmp(image, "RIFF", 4) != 0 || std::memcmp(image + 8, "WAVE", 4) != 0) return false;
    const size_t end = size_t(std::min<uint64_t>(size, 8 + uint64_t(Le32(image + 4))));

    WaveImage found;
    bool haveFormat = false, haveSamples = false;
    size_t offset = kRiffHeaderSize;
    while (!(haveFormat && haveSamples) && offset <= end && end - offset >= kChunkHeaderSize) {
        const uint8_t* id = image + offset;
        const uint32_t declared = Le32(image + offset + 4);
        const size_t body = offset + kChunkHeaderSize;
        const size_t held = std::min<size_t>(declared, end - body);
        if (!haveFormat && std::memcmp(id, "fmt ", 4) == 0) {
            if (declared < kWaveFormatMinSize || held < declared) return false;
            ReadFormat(image + body, held, &found);
            haveFormat = true;
        } else if (!haveSamples && std::memcmp(id, "data", 4) == 0) {
            found.samples = image + body;
            found.samplesSize = held;
            haveSamples = true;
        }
        if (held < declared) break;  // the image ends inside this chunk
        offset = body + held + (held & 1);
    }
    if (!haveFormat || !haveSamples) return false;
    // A cut file may end inside a block; only whole blocks play.
    const size_t block = found.format.blockAlign ? found.format.blockAlign : 1;
    found.samplesSize -= found.samplesSize % block;
    if (found.samplesSize == 0) return false;
    *wave = std::move(found);
    return true;
}

size_t WaveStartPosition(int64_t requested, size_t samplesSize, unsigned blockAlign)
{
    if (requested <= 0) return 0;
    size_t position = uint64_t(requested) < samplesSize ? size_t(requested) : samplesSize;
    if (blockAlign > 1) position -= position % blockAlign;
    return position;
}

}  // namespace qbk
