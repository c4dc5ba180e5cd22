#include "shape_image_rules.h"

namespace qbk {

namespace {

int Place(int area, int size, int align)
{
    switch (align) {
    case 1: return area / 2 - size / 2;
    case 2: return area - size;
    default: return 0;
    }
}

}  // namespace

CRect ShapeImageTarget(CSize area, CSize image, bool stretch, int horizontal, int vertical)
{
    if (stretch) return CRect(0, 0, area.cx, area.cy);
    const int width = int(area.cx), height = int(area.cy), w = int(image.cx), h = int(image.cy);
    const int x = Place(width, w, horizontal), y = Place(height, h, vertical);
    return CRect(std::max(x, 0), std::max(y, 0), std::min(x + w, width), std::min(y + h, height));
}

bool ShapeImagePixelAt(const CRect& target, CSize image, bool stretch, CPoint point, CPoint* pixel)
{
    if (image.cx <= 0 || image.cy <= 0 || target.IsRectEmpty() || !target.PtInRect(point)) return false;
    const long long dx = point.x - target.left, dy = point.y - target.top;
    if (stretch)
        *pixel = CPoint(int(dx * image.cx / target.Width()), int(dy * image.cy / target.Height()));
    else
        *pixel = CPoint(int(dx), int(dy));
    return pixel->x < image.cx && pixel->y < image.cy;
}

}  // namespace qbk
