#include "data_key.h"

namespace zvtools {

std::vector<std::uint8_t> MakeDataKey(std::size_t size)
{
    // SplitMix64 from a fixed seed: cheap, well spread, and the same on every machine.
    std::uint64_t state = 0x5A6F7276616E6521ULL;
    std::vector<std::uint8_t> key;
    key.reserve(size);
    while (key.size() < size) {
        std::uint64_t z = (state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        for (int i = 0; i < 8 && key.size() < size; ++i) key.push_back(static_cast<std::uint8_t>(z >> (8 * i)));
    }
    return key;
}

}  // namespace zvtools
