// The pixel tool's passes over a rectangle, computed on pixels held in memory: a majority
// filter, a random diffusion, a ripple and a four-neighbour smoothing. Pixels are 0x00RRGGBB;
// a source point outside the image reads as kNoPixel, which is passed on like any colour.
#pragma once

#include "pixel_ops.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

namespace qbk {

constexpr uint32_t kNoPixel = 0xFFFFFFFF;

struct PixelGrid {
    const uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    uint32_t At(int64_t x, int64_t y) const
    {
        return x >= 0 && y >= 0 && x < width && y < height ? pixels[size_t(y) * size_t(width) + size_t(x)] : kNoPixel;
    }
};

// What a pass asks at the start of every column: whether to stop (nothing is to be kept then),
// and where it stands in thousandths.
class PassControl {
public:
    virtual ~PassControl() = default;
    virtual bool Cancelled() = 0;
    virtual void Progress(int permille) = 0;
};

// A random number from 0 to 32767.
using RandomSource = std::function<int()>;

// Each writes rect.Width() x rect.Height() pixels (rows top first) into out and answers false
// when the control cancelled it. An empty or inverted rectangle does nothing and answers false.
bool MajorityFilterPass(const PixelGrid& src, const PixelRect& rect, int radius, uint32_t* out, PassControl& control);
bool DiffusePass(const PixelGrid& src, const PixelRect& rect, int amount, const RandomSource& random, uint32_t* out,
                 PassControl& control);
bool RipplePass(const PixelGrid& src, const PixelRect& rect, int amount, uint32_t* out, PassControl& control);
bool SmoothPass(const PixelGrid& src, const PixelRect& rect, uint32_t* out, PassControl& control);

// The most frequent colour among columns x - radius .. x + radius - 1 and rows y - radius ..
// y + radius - 1 clipped to clip, counted columns first in order of first appearance; the
// earliest wins a tie. An empty window gives the pixel's own colour. The table is reused
// between calls and never holds more entries than the clipped window has pixels.
uint32_t DominantColour(const PixelGrid& src, const PixelRect& clip, int x, int y, int radius,
                        std::vector<std::pair<uint32_t, int>>& table);

// The same over any source of pixels: get(x, y) answers the colour at a point.
template <typename Get>
uint32_t DominantColourOf(const Get& get, const PixelRect& clip, int x, int y, int radius,
                          std::vector<std::pair<uint32_t, int>>& table)
{
    int64_t x0 = std::max<int64_t>(int64_t(x) - radius, clip.left);
    int64_t x1 = std::min<int64_t>(int64_t(x) + radius, clip.right);
    int64_t y0 = std::max<int64_t>(int64_t(y) - radius, clip.top);
    int64_t y1 = std::min<int64_t>(int64_t(y) + radius, clip.bottom);
    if (x0 >= x1 || y0 >= y1) return get(int64_t(x), int64_t(y));
    table.clear();
    for (int64_t cx = x0; cx < x1; ++cx) {
        for (int64_t cy = y0; cy < y1; ++cy) {
            uint32_t c = get(cx, cy);
            auto it = std::find_if(table.begin(), table.end(),
                                   [c](const std::pair<uint32_t, int>& e) { return e.first == c; });
            if (it == table.end())
                table.emplace_back(c, 1);
            else
                ++it->second;
        }
    }
    auto best = table.begin();
    for (auto it = table.begin(); it != table.end(); ++it)
        if (it->second > best->second) best = it;
    return best->first;
}

}  // namespace qbk
