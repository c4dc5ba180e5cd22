// Whole-image pixel operations on 32-bit pixels held in memory, free of any drawing interface:
// the image class reads its bitmap into such a buffer, applies one of these and writes it back.
// Pixels are 0x00RRGGBB, rows top first, no padding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace qbk {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
};

inline uint32_t ColorRefToPixel(uint32_t colorRef)
{
    return (colorRef & 0xFF) << 16 | (colorRef & 0xFF00) | (colorRef >> 16 & 0xFF);
}
inline uint32_t PixelToColorRef(uint32_t pixel) { return ColorRefToPixel(pixel & 0xFFFFFF); }

// Turns: mode 1 half turn; 2 quarter turn counter-clockwise; any other quarter turn clockwise.
// dst holds width x height pixels; for quarter turns it is height pixels wide.
void RotatePixels(const uint32_t* src, int width, int height, int mode, uint32_t* dst);

// Turns the rectangle upside down (rows) or mirrors it left to right (columns). Pixels whose
// partner lies outside the image stay as they are.
void FlipRectRows(uint32_t* pixels, int width, int height, const PixelRect& rect);
void FlipRectColumns(uint32_t* pixels, int width, int height, const PixelRect& rect);

// Value of gradient band i of n: 5 + i*250/n rising (directions 0, 1), 255 - i*250/n falling (2, 3).
int GradientValue(int i, int n, int direction);

// Every pixel equal to key becomes white, every other black.
void MaskByColour(uint32_t* pixels, size_t count, uint32_t key);

// Runs of pixels that differ from key, one rectangle (x0, y, x1, y + 1) per run, rows top first.
std::vector<PixelRect> RegionRuns(const uint32_t* pixels, int width, int height, uint32_t key);

}  // namespace qbk
