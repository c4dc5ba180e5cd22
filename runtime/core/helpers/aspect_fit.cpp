#include "aspect_fit.h"

#include <cmath>

namespace {
// Truncation toward zero that stays defined for values outside the int range.
int TruncToInt(double v)
{
    if (!(v > -2147483649.0)) return v != v ? 0 : -2147483647 - 1;
    if (!(v < 2147483648.0)) return 2147483647;
    return static_cast<int>(v);
}
}  // namespace

CSize FitSizeToAspect(int boxWidth, int boxHeight, int sourceWidth, int sourceHeight)
{
    double ratio = sourceHeight < 1 ? 1.0 : static_cast<double>(sourceWidth) / sourceHeight;
    if (ratio == 0) return CSize(0, boxHeight);  // width / 0 would be infinite
    double h = boxWidth / ratio;
    if (!(h < 2147483648.0) || TruncToInt(h) > boxHeight) return CSize(TruncToInt(boxHeight * ratio), boxHeight);
    return CSize(boxWidth, TruncToInt(h));
}
