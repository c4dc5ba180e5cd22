// A platform-free frame type for the animation tests: RGB pixels that travel as PNG through the
// runtime's own codec, as the image class's frames do.
#pragma once

#include "image_io.h"

#include <cstdint>
#include <vector>

namespace animtest {

using Bytes = std::vector<uint8_t>;

struct Picture {
    int width = 0;
    int height = 0;
    Bytes rgb;  // rows top first, red-green-blue
    bool operator==(const Picture& o) const { return width == o.width && height == o.height && rgb == o.rgb; }
};

// A picture whose pixels depend on its size and the seed.
Picture MakePicture(int width, int height, int seed);
bool EncodePicture(const Picture& picture, qbk::ByteWriter& png);
Bytes EncodePicture(const Picture& picture);
bool DecodePicture(const uint8_t* png, size_t size, Picture* picture);

}  // namespace animtest
