// Small helpers for the Windows image tests: images from pixel lists, pixels back out, and a
// memory drawing surface to draw on and read.
#pragma once

#include "image_bitmap.h"
#include "image_bitmap_support.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qbktest {

using Pixels = std::vector<uint32_t>;  // 0x00RRGGBB, rows top first

inline bool MakeImage(CImageBitmap* image, int width, int height, const Pixels& pixels)
{
    return image->CreateCompatible(nullptr, width, height) && image->WritePixels(pixels.data());
}

inline Pixels ReadImage(const CImageBitmap& image, int* width = nullptr, int* height = nullptr)
{
    Pixels pixels;
    int w = 0, h = 0;
    image.ReadPixels(&pixels, &w, &h);
    if (width) *width = w;
    if (height) *height = h;
    return pixels;
}

// Distinct pixels (up to 16 x 16): red from x, green from y, blue fixed.
inline Pixels Distinct(int width, int height)
{
    Pixels p(size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            p[size_t(y) * width + x] = uint32_t((x * 15 + 5) << 16 | (y * 15 + 5) << 8 | 0x80);
    return p;
}

// A surface of its own filled with one colour, to draw on and read back.
struct Surface {
    Surface(int w, int h, uint32_t fill) : section(w, h), width(w), height(h)
    {
        for (size_t i = 0; i < size_t(w) * h; ++i) section.Bits()[i] = fill;
    }
    uint32_t At(int x, int y)
    {
        ::GdiFlush();
        return section.Bits()[size_t(y) * width + x] & 0xFFFFFF;
    }
    CDC* Dc() { return section.Dc(); }
    qbk::PixelSection section;
    int width, height;
};

std::string ScratchPath(const char* name);

}  // namespace qbktest
