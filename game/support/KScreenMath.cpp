#include "KScreenMath.h"

#include <cstdint>

namespace {

int64_t Side(int from, int to)
{
    const int64_t side = int64_t(to) - from;
    return side < 0 ? 0 : side > INT32_MAX ? INT32_MAX : side;
}

}  // namespace

KRect FitRect(int left, int top, int right, int bottom, int width, int height)
{
    if (width < 1 || height < 1) width = height = 1;
    // An inverted box counts as empty; the sides stay below 2^31 so that the products fit 64 bits.
    const int64_t boxWidth = Side(left, right), boxHeight = Side(top, bottom);
    KRect r{left, top, static_cast<int>(left + boxWidth), static_cast<int>(top + boxHeight)};
    // Integer products keep 4 : 3 in a 400 x 300 box exact.
    const int64_t scaledHeight = boxWidth * height / width;
    if (scaledHeight <= boxHeight) {
        r.top = static_cast<int>(top + (boxHeight - scaledHeight) / 2);
        r.bottom = static_cast<int>(r.top + scaledHeight);
    } else {
        const int64_t scaledWidth = boxHeight * width / height;
        r.left = static_cast<int>(left + (boxWidth - scaledWidth) / 2);
        r.right = static_cast<int>(r.left + scaledWidth);
    }
    return r;
}

bool PointInRect(int left, int top, int width, int height, int x, int y)
{
    return left <= x && int64_t(x) < int64_t(left) + width && top <= y && int64_t(y) < int64_t(top) + height;
}

uint32_t MakeColor(int r, int g, int b)
{
    return 0xFF000000u | (uint32_t(r & 0xFF) << 16) | (uint32_t(g & 0xFF) << 8) | uint32_t(b & 0xFF);
}
