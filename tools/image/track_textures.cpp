#include "track_textures.h"

#include <cmath>
#include <string>

#include "stroke_font.h"

namespace zvtools {
namespace {

constexpr float kPi = 3.14159265f;
constexpr int kColumns = 32;

// A raised rectangular plate: light upper-left rim, dark lower-right rim.
void Bevel(Canvas& c, float x0, float y0, float x1, float y1, float w, Rgb base)
{
    c.FillRect(x0, y0, x1, y1, base);
    c.FillRect(x0, y0, x1, y0 + w, Scale(base, 1.45f));
    c.FillRect(x0, y0, x0 + w, y1, Scale(base, 1.3f));
    c.FillRect(x0, y1 - w, x1, y1, Scale(base, 0.55f));
    c.FillRect(x1 - w, y0, x1, y1, Scale(base, 0.65f));
}

void Rivet(Canvas& c, Point p, float r)
{
    c.Disc({p.x + r * 0.3f, p.y + r * 0.3f}, r, HexRgb(0x101418), 0.7f);
    c.Disc(p, r, HexRgb(0x9AA6B8));
    c.Disc({p.x - r * 0.3f, p.y - r * 0.3f}, r * 0.45f, HexRgb(0xE8EEF6));
}

// Every column of a 32-column panorama painted by one painter, given the column's rectangle.
template <class Painter>
Canvas Panorama(int columnWidth, int height, Painter paint)
{
    Canvas c(columnWidth * kColumns, height);
    for (int col = 0; col < kColumns; ++col)
        paint(c, col, static_cast<float>(col * columnWidth), static_cast<float>((col + 1) * columnWidth));
    return c;
}

void HazardStripes(Canvas& c, float x0, float y0, float x1, float y1, float period)
{
    c.FillRect(x0, y0, x1, y1, HexRgb(0xF2B600));
    for (float s = y0 - (x1 - x0); s < y1; s += period)
        c.Polygon({{x0, s}, {x0, s + period / 2}, {x1, s + period / 2 + (x1 - x0)}, {x1, s + (x1 - x0)}},
                  HexRgb(0x1A1A1A));
}

}  // namespace

Canvas PaintTunnelWall()
{
    Canvas c = Panorama(32, 256, [](Canvas& c, int col, float x0, float x1) {
        // Alternate tints so the columns can be counted while steering; the floor columns
        // (around 16, under the car at the start) are a little warmer.
        const float floorness = std::max(0.0f, 1 - std::fabs(col - 15.5f) / 6);
        Rgb base = Mix(HexRgb(col % 2 ? 0x34425E : 0x3E5071), HexRgb(col % 2 ? 0x4A4658 : 0x56506A), floorness);
        Bevel(c, x0, 0, x1, 256, 2, base);
        c.FillRect(x0 + 6, 8, x1 - 6, 248, Scale(base, 0.85f));
        c.FillRect(x0 + 14, 20, x0 + 18, 236, HexRgb(0x79D8FF), 0.22f);  // guide line
        c.FillRect(x0, 0, x0 + 1, 256, HexRgb(0x8FE4FF), 0.6f);  // column seam glow
        for (float y : {12.0f, 128.0f, 244.0f}) {
            Rivet(c, {x0 + 6, y}, 2.2f);
            Rivet(c, {x1 - 6, y}, 2.2f);
        }
    });
    c.FillRect(0, 0, c.Width(), 3, HexRgb(0x8FE4FF), 0.5f);  // piece seam
    c.Grain(0.18f, 9, 17);
    return c;
}

Canvas PaintSlideWall()
{
    Canvas c = Panorama(32, 256, [](Canvas& c, int, float x0, float x1) {
        c.FillRect(x0, 0, x1, 256, HexRgb(0x1B1F29));
        HazardStripes(c, x0, 0, x0 + 4, 256, 16);
        HazardStripes(c, x1 - 4, 0, x1, 256, 16);
        for (float x : {x0 + 10, x1 - 12}) {  // the rails
            c.FillRect(x, 0, x + 2, 256, HexRgb(0xB8C2D0));
            c.FillRect(x + 2, 0, x + 3, 256, HexRgb(0x4A5260));
        }
        for (float y = 16; y < 256; y += 32) c.FillRect(x0 + 8, y, x1 - 8, y + 3, HexRgb(0x3A4050));
    });
    c.Grain(0.2f, 7, 23);
    return c;
}

Canvas PaintFixedBlock()
{
    Canvas c(256, 256);
    Bevel(c, 0, 0, 256, 256, 12, HexRgb(0x555A63));
    c.FillRect(24, 24, 232, 232, HexRgb(0x3C4048));
    c.Line({36, 36}, {220, 220}, 26, HexRgb(0x6C727D));
    c.Line({220, 36}, {36, 220}, 26, HexRgb(0x6C727D));
    c.Line({36, 36}, {220, 220}, 6, HexRgb(0x8C93A0));
    c.Line({220, 36}, {36, 220}, 6, HexRgb(0x8C93A0));
    for (float x : {28.0f, 228.0f})
        for (float y : {28.0f, 228.0f}) Rivet(c, {x, y}, 7);
    c.Grain(0.25f, 11, 31);
    return c;
}

Canvas PaintPushableBlock()
{
    Canvas c(256, 256);
    const Rgb wood = HexRgb(0xC46A1E);
    for (int i = 0; i < 4; ++i) Bevel(c, 0, i * 64.0f, 256, (i + 1) * 64.0f, 5, Scale(wood, 0.9f + 0.08f * (i % 2)));
    c.Line({20, 236}, {236, 20}, 30, Scale(wood, 1.2f));
    c.Line({20, 236}, {236, 20}, 4, Scale(wood, 0.6f));
    Bevel(c, 0, 0, 256, 20, 4, HexRgb(0x8A8F98));
    Bevel(c, 0, 236, 256, 256, 4, HexRgb(0x8A8F98));
    c.Grain(0.3f, 6, 41);
    return c;
}

Canvas PaintPushFace(bool pushed)
{
    Canvas c(256, 256);
    HazardStripes(c, 0, 0, 256, 256, 48);
    const Rgb plate = pushed ? HexRgb(0x6B5A4A) : HexRgb(0xD87A22);
    Bevel(c, 22, 22, 234, 234, 8, plate);
    const Rgb mark = pushed ? HexRgb(0x3A342E) : HexRgb(0x1C1C1C);
    for (int i = 0; i < 3; ++i) {  // chevrons: this block gives way when hit hard
        const float y = 70 + i * 50.0f;
        c.Polygon({{128, y - 30}, {200, y + 20}, {200, y + 44}, {128, y - 6}, {56, y + 44}, {56, y + 20}}, mark);
    }
    if (pushed) {
        for (int i = 0; i < 7; ++i) c.Line({40.0f + i * 25, 40}, {70.0f + i * 20, 220}, 2, HexRgb(0xA09080), 0.6f);
    }
    c.Grain(0.2f, 8, pushed ? 53 : 47);
    return c;
}

Canvas PaintSign(SignKind kind)
{
    Canvas c(256, 256, HexRgb(0x10141C));
    const Point o{128, 128};
    Rgb face, rim;
    switch (kind) {
    case SignKind::Start: face = HexRgb(0x1F9A3C), rim = HexRgb(0xE8FFE8); break;
    case SignKind::Finish: face = HexRgb(0x1A1A1A), rim = HexRgb(0xFFFFFF); break;
    default: face = HexRgb(0x1E5FC8), rim = HexRgb(0xFFE45C); break;
    }
    c.Disc(o, 127, rim);
    c.Disc(o, 114, face);
    if (kind == SignKind::Finish) {  // chequered face
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                if ((x + y) % 2) c.FillRect(x * 32.0f, y * 32.0f, x * 32.0f + 32, y * 32.0f + 32, HexRgb(0xF0F0F0));
        c.Ring(o, 160, 92, HexRgb(0x10141C));
        c.Ring(o, 120, 13, rim);
        c.FillRect(10, 94, 246, 162, HexRgb(0x101010), 0.85f);
    }
    TextStyle s;
    s.height = 36;
    s.stroke = 7;
    s.slant = 0;
    s.colour = HexRgb(0xFFFFFF);
    switch (kind) {
    case SignKind::Start: DrawCaption(c, "START", 128, 110, s, HexRgb(0x003010), 6); break;
    case SignKind::Finish: DrawCaption(c, "FINISH", 128, 110, s, HexRgb(0x000000), 6); break;
    default:
        s.height = 30;
        DrawCaption(c, "CHECK", 128, 84, s, HexRgb(0x001040), 6);
        DrawCaption(c, "POINT", 128, 138, s, HexRgb(0x001040), 6);
        break;
    }
    return c;
}

Canvas PaintGem()
{
    Canvas c(128, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            const float dx = (x - 64) / 64.0f, dy = (y - 64) / 64.0f;
            const float d = std::sqrt(dx * dx + dy * dy);
            const float facet = 0.5f + 0.5f * std::cos(std::atan2(dy, dx) * 6);
            c.Set(x, y, Mix(HexRgb(0x7CFFF0), HexRgb(0x1060C8), std::min(1.0f, d * 0.8f + facet * 0.25f)));
        }
    for (int i = 0; i < 6; ++i) {
        const float a = i * kPi / 3;
        c.Line({64, 64}, {64 + 64 * std::cos(a), 64 + 64 * std::sin(a)}, 2, HexRgb(0xE0FFFF), 0.7f);
    }
    c.Disc({44, 40}, 10, HexRgb(0xFFFFFF), 0.8f);
    return c;
}

Canvas PaintTurboArrow()
{
    Canvas c(256, 256, HexRgb(0x262A33));
    for (int i = 0; i < 3; ++i) Bevel(c, i * 85.33f, 0, (i + 1) * 85.33f, 256, 2, HexRgb(0x2C313C));
    const Rgb yellow = HexRgb(0xFFD21A);
    c.Polygon({{128, 10}, {236, 118}, {170, 118}, {170, 246}, {86, 246}, {86, 118}, {20, 118}}, HexRgb(0x7A5A00));
    c.Polygon({{128, 22}, {222, 112}, {162, 112}, {162, 238}, {94, 238}, {94, 112}, {34, 112}}, yellow);
    for (int i = 0; i < 3; ++i) {
        const float y = 140 + i * 34.0f;
        c.Polygon({{128, y}, {162, y + 22}, {162, y + 32}, {128, y + 10}, {94, y + 32}, {94, y + 22}},
                  HexRgb(0xFFF4B0));
    }
    return c;
}

Canvas PaintLogo()
{
    Canvas c(512, 128);
    c.VerticalGradient(0, 128, HexRgb(0x0A1030), HexRgb(0x1A2C60));
    TextStyle s;
    s.height = 72;
    s.stroke = 12;
    s.colour = HexRgb(0xFFC640);
    DrawCaption(c, "ZORVANE", 256, 24, s, HexRgb(0x401800), 8);
    return c;
}

Canvas PaintMetalPlate()
{
    Canvas c(128, 128);
    Bevel(c, 0, 0, 128, 128, 6, HexRgb(0x59606C));
    for (float x : {14.0f, 114.0f})
        for (float y : {14.0f, 114.0f}) Rivet(c, {x, y}, 5);
    c.Grain(0.3f, 5, 61);
    return c;
}

Canvas PaintStarfield()
{
    Canvas c(256, 256, HexRgb(0x05060C));
    for (int i = 0; i < 180; ++i) {
        const float x = ValueNoise(i * 7.31f, 0.5f, 71) * 256, y = ValueNoise(0.5f, i * 5.17f, 73) * 256;
        const float r = 0.6f + ValueNoise(i * 3.3f, i * 1.7f, 79) * 1.4f;
        c.Disc({x, y}, r, HexRgb(0xDDE6FF), 0.9f);
    }
    return c;
}

}  // namespace zvtools
