// RIFF WAVE images of 16-bit PCM: exactly the chunks "fmt " then "data", nothing before, between
// or after them, which is the only layout the game's sound loader accepts.
#pragma once
#include <cstdint>
#include <vector>

namespace zvtools {

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int rate, int channels = 1);

struct WaveInfo {
    int channels = 0, rate = 0, bitsPerSample = 0;
    std::size_t dataOffset = 0, dataSize = 0;
};
// True when the bytes are one WAVE image in that layout, ending exactly with its data chunk.
bool ParseWave(const std::vector<std::uint8_t>& bytes, WaveInfo& info);

}  // namespace zvtools
