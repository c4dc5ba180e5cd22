#include "KCursorShapes.h"

#include <cstring>

namespace {

// Paints white pixels with a black rim: a pixel is black when it lies in the shape and not its
// inner part, white when it lies in the inner part.
template <typename InShape>
void Paint(KCursorShape& c, InShape inShape)
{
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const int outer = inShape(x, y, 1), inner = inShape(x, y, 0);
            if (!outer) continue;
            const int byte = y * 4 + x / 8;
            const uint8_t bit = static_cast<uint8_t>(0x80 >> (x % 8));
            c.andMask[byte] = static_cast<uint8_t>(c.andMask[byte] & ~bit);
            if (inner) c.xorMask[byte] = static_cast<uint8_t>(c.xorMask[byte] | bit);
        }
}

int Square(int v) { return v * v; }

}  // namespace

KCursorShape OwnCursorShape(int index)
{
    KCursorShape c;
    std::memset(c.andMask, 0xFF, sizeof c.andMask);
    std::memset(c.xorMask, 0, sizeof c.xorMask);
    switch (index) {
    case 14:  // disc on the hot spot
    case 15:  // ring on the hot spot
        c.hotX = 9;
        c.hotY = 22;
        Paint(c, [index](int x, int y, int rim) {
            const int d = Square(x - 9) + Square(y - 22);
            const int radius = 6 + rim;
            return d <= radius * radius && (index == 14 || d >= Square(3 - rim));
        });
        break;
    case 16:  // cross hair
        c.hotX = 15;
        c.hotY = 15;
        Paint(c, [](int x, int y, int rim) {
            const int dx = x > 15 ? x - 15 : 15 - x, dy = y > 15 ? y - 15 : 15 - y;
            return (dx <= rim && dy <= 10 + rim) || (dy <= rim && dx <= 10 + rim);
        });
        break;
    case 17:  // upright bar ending on the hot spot
        c.hotX = 11;
        c.hotY = 22;
        Paint(c, [](int x, int y, int rim) { return x >= 10 - rim && x <= 12 + rim && y >= 8 - rim && y <= 22; });
        break;
    case 18:  // ring with a centre dot
        c.hotX = 13;
        c.hotY = 14;
        Paint(c, [](int x, int y, int rim) {
            const int d = Square(x - 13) + Square(y - 14);
            return d <= Square(1 + rim) || (d <= Square(9 + rim) && d >= Square(7 - rim));
        });
        break;
    default: break;
    }
    return c;
}
