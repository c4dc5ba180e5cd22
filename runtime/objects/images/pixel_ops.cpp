#include "pixel_ops.h"

#include <algorithm>

namespace qbk {

void RotatePixels(const uint32_t* src, int width, int height, int mode, uint32_t* dst)
{
    size_t w = size_t(width), h = size_t(height);
    for (size_t y = 0; y < h; ++y) {
        for (size_t x = 0; x < w; ++x) {
            uint32_t p = src[y * w + x];
            if (mode == 1)
                dst[(h - 1 - y) * w + (w - 1 - x)] = p;
            else if (mode == 2)
                dst[(w - 1 - x) * h + y] = p;  // to (y, w - 1 - x) in an h-wide image
            else
                dst[x * h + (h - 1 - y)] = p;  // to (h - 1 - y, x)
        }
    }
}

namespace {

bool Inside(int x, int y, int width, int height) { return x >= 0 && y >= 0 && x < width && y < height; }

void SwapIfInside(uint32_t* pixels, int width, int height, int x1, int y1, int x2, int y2)
{
    if (Inside(x1, y1, width, height) && Inside(x2, y2, width, height))
        std::swap(pixels[size_t(y1) * size_t(width) + size_t(x1)], pixels[size_t(y2) * size_t(width) + size_t(x2)]);
}

}  // namespace

void FlipRectRows(uint32_t* pixels, int width, int height, const PixelRect& r)
{
    if (r.Empty()) return;
    int half = int((int64_t(r.bottom) - r.top) / 2);
    int x0 = std::max(r.left, 0), x1 = std::min(r.right, width);
    for (int i = 0; i < half; ++i)
        for (int x = x0; x < x1; ++x) SwapIfInside(pixels, width, height, x, r.top + i, x, r.bottom - 1 - i);
}

void FlipRectColumns(uint32_t* pixels, int width, int height, const PixelRect& r)
{
    if (r.Empty()) return;
    int half = int((int64_t(r.right) - r.left) / 2);
    int y0 = std::max(r.top, 0), y1 = std::min(r.bottom, height);
    for (int i = 0; i < half; ++i)
        for (int y = y0; y < y1; ++y) SwapIfInside(pixels, width, height, r.left + i, y, r.right - 1 - i, y);
}

int GradientValue(int i, int n, int direction)
{
    int step = int(int64_t(i) * 250 / n);
    return direction == 0 || direction == 1 ? 5 + step : 255 - step;
}

void MaskByColour(uint32_t* pixels, size_t count, uint32_t key)
{
    key &= 0xFFFFFF;
    for (size_t i = 0; i < count; ++i) pixels[i] = (pixels[i] & 0xFFFFFF) == key ? 0xFFFFFF : 0;
}

std::vector<PixelRect> RegionRuns(const uint32_t* pixels, int width, int height, uint32_t key)
{
    std::vector<PixelRect> runs;
    key &= 0xFFFFFF;
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = pixels + size_t(y) * size_t(width);
        int x = 0;
        while (x < width) {
            while (x < width && (row[x] & 0xFFFFFF) == key) ++x;
            if (x == width) break;
            int start = x;
            while (x < width && (row[x] & 0xFFFFFF) != key) ++x;
            runs.push_back(PixelRect{start, y, x, y + 1});
        }
    }
    return runs;
}

}  // namespace qbk
