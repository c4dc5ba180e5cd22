// The bytes of the game's data-file key. The program carries them as a resource and keeps the
// first KeyLength of them; every data file is scrambled with exactly those bytes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zvtools {

constexpr std::size_t kKeyResourceSize = 10000;  // bytes stored in the resource
constexpr std::size_t kKeyLength = 8561;  // bytes the game keeps as its key

// Always the same bytes: the key is part of the data set, so two builds must agree on it.
std::vector<std::uint8_t> MakeDataKey(std::size_t size = kKeyResourceSize);

}  // namespace zvtools
