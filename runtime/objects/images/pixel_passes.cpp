#include "pixel_passes.h"

#include <algorithm>
#include <cmath>

namespace qbk {

namespace {

constexpr double kFullTurn = 6.283186;

// Columns outer, rows inner; cancellation and progress at the start of every column.
template <typename Compute>
bool RunPass(const PixelRect& rect, uint32_t* out, PassControl& control, Compute compute)
{
    if (rect.Empty() || !out) return false;
    int64_t width = int64_t(rect.right) - rect.left;
    for (int x = rect.left; x < rect.right; ++x) {
        if (control.Cancelled()) return false;
        control.Progress(int((int64_t(x) - rect.left) * 1000 / width));
        for (int y = rect.top; y < rect.bottom; ++y)
            out[size_t(y - rect.top) * size_t(width) + size_t(x - rect.left)] = compute(x, y);
    }
    return true;
}

}  // namespace

uint32_t DominantColour(const PixelGrid& src, const PixelRect& clip, int x, int y, int radius,
                        std::vector<std::pair<uint32_t, int>>& table)
{
    return DominantColourOf([&src](int64_t px, int64_t py) { return src.At(px, py); }, clip, x, y, radius, table);
}

bool MajorityFilterPass(const PixelGrid& src, const PixelRect& rect, int radius, uint32_t* out, PassControl& control)
{
    if (rect.Empty()) return false;
    // Sized by what a window can hold inside the rectangle, whatever radius the script gave.
    int64_t span = radius > 0 ? int64_t(radius) * 2 : 0;
    int64_t room = std::min<int64_t>(span, rect.Width()) * std::min<int64_t>(span, rect.Height());
    std::vector<std::pair<uint32_t, int>> table;
    table.reserve(size_t(std::min<int64_t>(room, 1 << 16)));
    return RunPass(rect, out, control, [&](int x, int y) { return DominantColour(src, rect, x, y, radius, table); });
}

bool DiffusePass(const PixelGrid& src, const PixelRect& rect, int amount, const RandomSource& random, uint32_t* out,
                 PassControl& control)
{
    int span = std::clamp(amount, 0, 30) + 2;
    int half = span / 2;
    return RunPass(rect, out, control, [&](int x, int y) {
        int dx = random() * span / 32767 - half;
        int dy = random() * span / 32767 - half;
        return src.At(int64_t(x) + dx, int64_t(y) + dy);
    });
}

bool RipplePass(const PixelGrid& src, const PixelRect& rect, int amount, uint32_t* out, PassControl& control)
{
    double step = double((std::clamp(amount, 0, 50) + 10) / 10);
    double angle = 0.0;
    return RunPass(rect, out, control, [&](int x, int y) {
        uint32_t c = src.At(int64_t(x) + int64_t(std::trunc(5.0 * std::cos(angle))),
                            int64_t(y) + int64_t(std::trunc(5.0 * std::sin(angle))));
        angle += step;
        if (angle >= kFullTurn) angle -= kFullTurn;
        return c;
    });
}

bool SmoothPass(const PixelGrid& src, const PixelRect& rect, uint32_t* out, PassControl& control)
{
    // The one-pixel border of the rectangle keeps its own pixels.
    return RunPass(rect, out, control, [&](int x, int y) {
        if (x == rect.left || y == rect.top || x == rect.right - 1 || y == rect.bottom - 1) return src.At(x, y);
        const uint32_t n[4] = {src.At(x, y - 1), src.At(x, y + 1), src.At(x - 1, y), src.At(x + 1, y)};
        uint32_t result = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            unsigned sum = 0;
            for (uint32_t p : n) sum += (p >> shift) & 0xFF;
            result |= (sum / 4) << shift;
        }
        return result;
    });
}

}  // namespace qbk
