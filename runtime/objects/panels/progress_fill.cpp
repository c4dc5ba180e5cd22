#include "progress_fill.h"

namespace qbk {

FillArea ProgressFillArea(int width, int height, int low, int high, int position, bool vertical)
{
    FillArea area;
    if (width <= 0 || height <= 0 || high == low) return area;
    double share = (double(position) - low) / (double(high) - low);
    if (share < 0) share = 0;
    if (share > 1) share = 1;
    if (vertical) {
        area.Left = 0;
        area.Right = width;
        area.Top = height - int(height * share);
        area.Bottom = height;
    } else {
        area.Left = 0;
        area.Right = int(width * share);
        area.Top = 0;
        area.Bottom = height;
    }
    return area;
}

}  // namespace qbk
