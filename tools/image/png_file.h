// Encodes a canvas as a PNG file image (8-bit RGB, no time stamp, so the bytes depend only on
// the pixels).
#pragma once
#include <cstdint>
#include <vector>

#include "canvas.h"

namespace zvtools {

// Empty on failure.
std::vector<std::uint8_t> EncodePng(const Canvas& canvas);

}  // namespace zvtools
