// BMP files written as hex text, for the "file NAME hex ..." lines of a described project: a
// 24-bit picture of one colour, or of a colour per pixel (0x00RRGGBB).
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace qbktest {

inline std::string BmpHex(int width, int height, const std::function<uint32_t(int x, int y)>& pixel)
{
    const int rowSize = (width * 3 + 3) & ~3;
    const uint32_t dataSize = uint32_t(rowSize * height), fileSize = 54 + dataSize;
    std::vector<uint8_t> bytes(fileSize, 0);
    auto put32 = [&](size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) bytes[at + size_t(i)] = uint8_t(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, fileSize);
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    bytes[26] = 1;
    bytes[28] = 24;
    put32(34, dataSize);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t rgb = pixel(x, y);
            uint8_t* at = &bytes[54 + size_t(height - 1 - y) * size_t(rowSize) + size_t(x) * 3];
            at[0] = uint8_t(rgb);
            at[1] = uint8_t(rgb >> 8);
            at[2] = uint8_t(rgb >> 16);
        }
    std::string hex;
    char two[3];
    for (uint8_t b : bytes) {
        std::snprintf(two, sizeof two, "%02x", b);
        hex += two;
    }
    return hex;
}

inline std::string SolidBmpHex(int width, int height, uint32_t rgb)
{
    return BmpHex(width, height, [rgb](int, int) { return rgb; });
}

}  // namespace qbktest
