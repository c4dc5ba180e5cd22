#include "flat_button_rules.h"

namespace qbk {

namespace {

constexpr int kImageMargin = 3;
constexpr uint32_t kMagenta = 0xFF00FF, kWhite = 0xFFFFFF, kGrey = 0x808080;

bool IsDark(uint32_t pixel) { return int((pixel >> 16 & 0xFF) + (pixel >> 8 & 0xFF) + (pixel & 0xFF)) / 3 < 129; }

}  // namespace

FlatButtonPlacement PlaceFlatButtonImage(int width, int height, CSize image, int align, bool hasText)
{
    FlatButtonPlacement place{CPoint(0, 0), CRect(0, 0, width, height)};
    const int centredX = (width - image.cx) / 2, centredY = (height - image.cy) / 2;
    switch (align) {
    case AlignImageTop:
        place.Image.x = centredX;
        if (hasText) {
            place.Image.y = kImageMargin;
            place.Text.top += image.cy;
        } else {
            place.Image.y = centredY;
        }
        break;
    case AlignImageRight:
        if (hasText) {
            place.Text.right -= place.Text.left + image.cx + kImageMargin;
            place.Text.left = kImageMargin;
            place.Image.x = width - image.cx - kImageMargin;
            place.Image.y = centredY;
        } else {
            place.Image.x = centredX;  // and at the top: only the left and top alignments centre it then
        }
        break;
    default:
        if (hasText) {
            place.Image.x = kImageMargin;
            place.Text.left += image.cx + kImageMargin;
        } else {
            place.Image.x = centredX;
        }
        place.Image.y = centredY;
        break;
    }
    return place;
}

int FlatButtonImageSet(bool disabled, bool checkStyle, bool hovered, bool pressed, bool hasHoverImage)
{
    if (disabled) return 2;
    if ((checkStyle || !hovered) && !pressed) return 0;
    return hasHoverImage ? 1 : 0;
}

std::vector<uint32_t> EmbossedPixels(const std::vector<uint32_t>& pixels, int width, int height, uint32_t transparent)
{
    std::vector<uint32_t> out(pixels.size(), kMagenta);
    if (width <= 0 || height <= 0 || pixels.size() < size_t(width) * size_t(height)) return out;
    auto at = [&](int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)] & 0xFFFFFF; };
    auto shape = [&](int x, int y) { return IsDark(at(x, y)) && at(x, y) != (transparent & 0xFFFFFF); };
    for (int y = 0; y < height - 1; ++y)
        for (int x = 0; x < width - 1; ++x)
            if (shape(x, y)) out[size_t(y + 1) * size_t(width) + size_t(x + 1)] = kWhite;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (shape(x, y)) out[size_t(y) * size_t(width) + size_t(x)] = kGrey;
    return out;
}

}  // namespace qbk
