// RIFF WAVE images of 16-bit PCM: exactly the chunks "fmt " then "data", nothing before, between
// or after them, which is the only layout the game's sound loader (KWaveData) accepts.
#pragma once
#include <cstdint>
#include <vector>

namespace zvtools {

std::vector<std::uint8_t> EncodeWave(const std::vector<std::int16_t>& samples, int rate, int channels = 1);

}  // namespace zvtools
