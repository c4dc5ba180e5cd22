#include "backdrops.h"

#include <cmath>

#include "stroke_font.h"

namespace zvtools {

Canvas PaintBackdrop(const BackdropStyle& style)
{
    constexpr int kWidth = 1024, kHeight = 768;
    const Point vanish{kWidth / 2.0f, kHeight * 0.56f};
    Canvas c(kWidth, kHeight);
    // Depth glow: bright far away in the middle, dark at the screen's edges.
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x) {
            const float dx = (x - vanish.x) / kWidth, dy = (y - vanish.y) / kWidth;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float glow = std::exp(-d * 7);
            c.Set(x, y, Mix(HexRgb(0x04060E), style.tint, glow * 0.9f));
        }
    // Rings of the tunnel, closer together with distance.
    for (int i = 1; i <= 14; ++i) {
        const float r = 900.0f / (i * 0.9f + 0.6f);
        c.Ring(vanish, r, std::max(1.5f, 10.0f / i), Mix(style.tint, HexRgb(0xFFFFFF), 0.3f), 0.15f + 0.03f * i);
    }
    // The 32 column seams running into the distance.
    for (int k = 0; k < 32; ++k) {
        const float a = (k + 0.5f) * 3.14159265f / 16;
        const Point far{vanish.x + 18 * std::cos(a), vanish.y + 18 * std::sin(a)};
        const Point near{vanish.x + 1400 * std::cos(a), vanish.y + 1400 * std::sin(a)};
        c.Line(far, near, 2.5f, Mix(style.tint, HexRgb(0xFFFFFF), 0.5f), 0.35f);
    }
    c.Grain(0.12f, 24, 101);
    c.Vignette(0.5f);

    TextStyle big;
    big.height = style.centred ? 110 : 86;
    big.stroke = style.centred ? 18 : 14;
    big.colour = HexRgb(0xFFE7B0);
    // A long title is made smaller so that it and its halo stay clear of the picture's sides.
    const float room = kWidth - 2 * 48.0f - 12;
    const float wide = TextWidth(style.title, big);
    if (wide > room) {
        big.height *= room / wide;
        big.stroke *= room / wide;
    }
    const float titleY = style.centred ? kHeight * 0.5f - big.height : 40;
    DrawCaption(c, style.title, kWidth / 2.0f, titleY, big, HexRgb(0x1A0C00), 12);
    if (!style.subtitle.empty()) {
        TextStyle small = big;
        small.height = big.height * 0.38f;
        small.stroke = big.stroke * 0.45f;
        small.colour = Mix(style.tint, HexRgb(0xFFFFFF), 0.7f);
        DrawCaption(c, style.subtitle, kWidth / 2.0f, titleY + big.height + 34, small, HexRgb(0x000000), 6);
    }
    return c;
}

}  // namespace zvtools
