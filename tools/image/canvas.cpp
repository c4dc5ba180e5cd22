#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace zvtools {

Rgb Mix(Rgb a, Rgb b, float t) { return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t}; }
Rgb Scale(Rgb c, float k) { return {c.r * k, c.g * k, c.b * k}; }
Rgb HexRgb(std::uint32_t v) { return {((v >> 16) & 255) / 255.0f, ((v >> 8) & 255) / 255.0f, (v & 255) / 255.0f}; }

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill)
{
}

void Canvas::Blend(int x, int y, Rgb c, float alpha)
{
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
    Rgb& p = pixels_[static_cast<std::size_t>(y) * width_ + x];
    p = Mix(p, c, std::min(alpha, 1.0f));
}

// Runs inside(px, py) over the pixels of a bounding box, sampled 4 x 4 inside each pixel. A shape
// that knows its distance d(px, py) to its edge (negative inside) passes it so that pixels far
// from the edge are settled by one test.
namespace {
struct NoDistance {
    float operator()(float, float) const { return 0; }
};
}  // namespace

template <class Coverage, class Distance>
void Canvas::Shade(float x0, float y0, float x1, float y1, Rgb c, float alpha, Coverage inside, Distance distance)
{
    const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
    const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
    const int ix1 = std::min(width_ - 1, static_cast<int>(std::ceil(x1)));
    const int iy1 = std::min(height_ - 1, static_cast<int>(std::ceil(y1)));
    for (int y = iy0; y <= iy1; ++y) {
        for (int x = ix0; x <= ix1; ++x) {
            const float d = distance(x + 0.5f, y + 0.5f);
            if (d > 0.75f) continue;
            if (d < -0.75f) {
                Blend(x, y, c, alpha);
                continue;
            }
            int hits = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) hits += inside(x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4) ? 1 : 0;
            if (hits) Blend(x, y, c, alpha * hits / 16.0f);
        }
    }
}

void Canvas::FillRect(float x0, float y0, float x1, float y1, Rgb c, float alpha)
{
    Shade(
        x0, y0, x1, y1, c, alpha, [&](float x, float y) { return x >= x0 && x < x1 && y >= y0 && y < y1; },
        NoDistance{});
}

void Canvas::VerticalGradient(float y0, float y1, Rgb top, Rgb bottom)
{
    for (int y = 0; y < height_; ++y) {
        const float t = std::clamp((y + 0.5f - y0) / (y1 - y0), 0.0f, 1.0f);
        const Rgb c = Mix(top, bottom, t);
        for (int x = 0; x < width_; ++x) Set(x, y, c);
    }
}

void Canvas::Disc(Point o, float r, Rgb c, float alpha)
{
    Shade(
        o.x - r, o.y - r, o.x + r, o.y + r, c, alpha,
        [&](float x, float y) { return (x - o.x) * (x - o.x) + (y - o.y) * (y - o.y) <= r * r; },
        [&](float x, float y) { return std::hypot(x - o.x, y - o.y) - r; });
}

void Canvas::Ring(Point o, float r, float w, Rgb c, float alpha)
{
    const float outer = r + w / 2, inner = std::max(0.0f, r - w / 2);
    Shade(
        o.x - outer, o.y - outer, o.x + outer, o.y + outer, c, alpha,
        [&](float x, float y) {
            const float d2 = (x - o.x) * (x - o.x) + (y - o.y) * (y - o.y);
            return d2 <= outer * outer && d2 >= inner * inner;
        },
        [&](float x, float y) { return std::fabs(std::hypot(x - o.x, y - o.y) - r) - w / 2; });
}

void Canvas::Line(Point a, Point b, float w, Rgb c, float alpha)
{
    const float h = w / 2;
    const float dx = b.x - a.x, dy = b.y - a.y, len2 = dx * dx + dy * dy;
    auto offset2 = [&](float x, float y) {  // squared distance from the segment
        float t = len2 > 0 ? ((x - a.x) * dx + (y - a.y) * dy) / len2 : 0;
        t = std::clamp(t, 0.0f, 1.0f);
        const float px = a.x + t * dx - x, py = a.y + t * dy - y;
        return px * px + py * py;
    };
    Shade(
        std::min(a.x, b.x) - h, std::min(a.y, b.y) - h, std::max(a.x, b.x) + h, std::max(a.y, b.y) + h, c, alpha,
        [&](float x, float y) { return offset2(x, y) <= h * h; },
        [&](float x, float y) { return std::sqrt(offset2(x, y)) - h; });
}

void Canvas::Polygon(const std::vector<Point>& pts, Rgb c, float alpha)
{
    if (pts.size() < 3) return;
    float x0 = pts[0].x, x1 = x0, y0 = pts[0].y, y1 = y0;
    for (const Point& p : pts) {
        x0 = std::min(x0, p.x), x1 = std::max(x1, p.x);
        y0 = std::min(y0, p.y), y1 = std::max(y1, p.y);
    }
    Shade(
        x0, y0, x1, y1, c, alpha,
        [&](float x, float y) {
            bool in = false;  // even-odd rule
            for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
                const Point& p = pts[i];
                const Point& q = pts[j];
                if ((p.y > y) != (q.y > y) && x < (q.x - p.x) * (y - p.y) / (q.y - p.y) + p.x) in = !in;
            }
            return in;
        },
        NoDistance{});
}

static std::uint32_t Hash(std::int32_t x, std::int32_t y, std::uint32_t seed)
{
    std::uint32_t h =
        seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA77u ^ static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float ValueNoise(float x, float y, std::uint32_t seed)
{
    const float fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int32_t>(fx), iy = static_cast<std::int32_t>(fy);
    float tx = x - fx, ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto v = [&](std::int32_t dx, std::int32_t dy) { return (Hash(ix + dx, iy + dy, seed) & 0xFFFF) / 65535.0f; };
    const float top = v(0, 0) + (v(1, 0) - v(0, 0)) * tx;
    const float bottom = v(0, 1) + (v(1, 1) - v(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

void Canvas::Grain(float amount, float cell, std::uint32_t seed)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float n =
                ValueNoise(x / cell, y / cell, seed) * 0.7f + ValueNoise(x / cell * 4, y / cell * 4, seed + 1) * 0.3f;
            Set(x, y, Scale(At(x, y), 1 + amount * (n - 0.5f) * 2));
        }
}

void Canvas::Vignette(float strength)
{
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            const float dx = (x + 0.5f) / width_ * 2 - 1, dy = (y + 0.5f) / height_ * 2 - 1;
            const float d = std::min(1.0f, (dx * dx + dy * dy) / 2);
            Set(x, y, Scale(At(x, y), 1 - strength * d));
        }
}

std::vector<std::uint8_t> Canvas::ToRgb8() const
{
    std::vector<std::uint8_t> out;
    out.reserve(pixels_.size() * 3);
    auto byte = [](float v) { return static_cast<std::uint8_t>(std::lround(std::clamp(v, 0.0f, 1.0f) * 255)); };
    for (const Rgb& p : pixels_) {
        out.push_back(byte(p.r));
        out.push_back(byte(p.g));
        out.push_back(byte(p.b));
    }
    return out;
}

}  // namespace zvtools
