// Small pictures for whole-project tests: 24-bit BMP files made from a colour rule, as bytes for a
// file or as the hexadecimal text of a project's embedded file, and pixel checks on the screen.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "win_test_support.h"

namespace qbktest {

// A BMP of width x height whose pixel (x, y) (from the top) is colour(x, y), as 0x00RRGGBB.
inline std::string MakeBmp(int width, int height, const std::function<uint32_t(int, int)>& colour)
{
    const int row = (width * 3 + 3) / 4 * 4;
    const uint32_t bits = uint32_t(row * height), size = 54 + bits;
    std::string bmp(size, '\0');
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + size_t(i)] = char(v >> (8 * i) & 0xFF);
    };
    bmp[0] = 'B', bmp[1] = 'M';
    put32(2, size);
    put32(10, 54);
    put32(14, 40);
    put32(18, uint32_t(width));
    put32(22, uint32_t(height));
    bmp[26] = 1, bmp[28] = 24;
    put32(34, bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint32_t c = colour(x, y);
            const size_t at = 54 + size_t(height - 1 - y) * size_t(row) + size_t(x) * 3;
            bmp[at] = char(c & 0xFF), bmp[at + 1] = char(c >> 8 & 0xFF), bmp[at + 2] = char(c >> 16 & 0xFF);
        }
    return bmp;
}

// A square of one colour inside a border of another, `border` pixels wide.
inline std::string MakeFramedBmp(int size, int border, uint32_t inside, uint32_t frame)
{
    return MakeBmp(size, size, [=](int x, int y) {
        const bool in = x >= border && y >= border && x < size - border && y < size - border;
        return in ? inside : frame;
    });
}

// An embedded file line of a project description: file "name" hex "...".
inline std::string EmbeddedFileLine(const std::string& name, const std::string& bytes)
{
    static const char kDigits[] = "0123456789abcdef";
    std::string line = "file \"" + name + "\" hex \"";
    for (unsigned char c : bytes) {
        line += kDigits[c >> 4];
        line += kDigits[c & 15];
    }
    return line + "\"\n";
}

// A COLORREF (red in the low byte) as a pixel of a captured image.
inline uint32_t PixelOf(COLORREF colour) { return (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF); }

// The colour of a point of a window's client area as the screen shows it, within the wait.
inline bool WaitForPixel(HWND window, int x, int y, uint32_t colour, DWORD timeoutMs, int tolerance = 8)
{
    return zvtest::WaitFor(
        [&] {
            const zvtest::Image shot = zvtest::CaptureWindow(window);
            return !shot.Empty() && x < shot.width && y < shot.height &&
                   zvtest::ColorNear(shot.At(x, y), colour, tolerance);
        },
        timeoutMs);
}

}  // namespace qbktest
