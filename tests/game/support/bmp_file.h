// A 24-bit BMP file in memory, painted by a colour-per-pixel function (0xRRGGBB), for textures.
#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

template <typename ColourAt>
std::vector<unsigned char> MakeBmp24(int w, int h, ColourAt colourAt)
{
    const int rowBytes = (w * 3 + 3) & ~3;
    const int imageBytes = rowBytes * h;
    std::vector<unsigned char> file(54 + static_cast<size_t>(imageBytes), 0);
    auto put32 = [&file](size_t at, uint32_t v) { std::memcpy(&file[at], &v, 4); };
    auto put16 = [&file](size_t at, uint16_t v) { std::memcpy(&file[at], &v, 2); };
    file[0] = 'B';
    file[1] = 'M';
    put32(2, static_cast<uint32_t>(file.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<uint32_t>(w));
    put32(22, static_cast<uint32_t>(h));
    put16(26, 1);
    put16(28, 24);
    put32(34, static_cast<uint32_t>(imageBytes));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const uint32_t c = colourAt(x, y);
            unsigned char* p = &file[54 + static_cast<size_t>(y) * rowBytes + static_cast<size_t>(x) * 3];
            p[0] = static_cast<unsigned char>(c & 0xFF);
            p[1] = static_cast<unsigned char>((c >> 8) & 0xFF);
            p[2] = static_cast<unsigned char>((c >> 16) & 0xFF);
        }
    return file;
}
