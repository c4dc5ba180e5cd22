// A small RGB picture with the few drawing operations the texture and backdrop painters need.
// Colours are floats 0..1; shapes are anti-aliased by their coverage of each pixel.
#pragma once
#include <cstdint>
#include <vector>

namespace zvtools {

struct Rgb {
    float r = 0, g = 0, b = 0;
};
Rgb Mix(Rgb a, Rgb b, float t);
Rgb Scale(Rgb c, float k);
Rgb HexRgb(std::uint32_t rrggbb);

struct Point {
    float x = 0, y = 0;
};

class Canvas {
public:
    Canvas(int width, int height, Rgb fill = {});

    int Width() const { return width_; }
    int Height() const { return height_; }
    Rgb At(int x, int y) const { return pixels_[static_cast<std::size_t>(y) * width_ + x]; }
    void Set(int x, int y, Rgb c) { pixels_[static_cast<std::size_t>(y) * width_ + x] = c; }
    // Blends c over the pixel by alpha (0..1); pixels outside are ignored.
    void Blend(int x, int y, Rgb c, float alpha);

    void FillRect(float x0, float y0, float x1, float y1, Rgb c, float alpha = 1);
    void VerticalGradient(float y0, float y1, Rgb top, Rgb bottom);
    void Disc(Point centre, float radius, Rgb c, float alpha = 1);
    void Ring(Point centre, float radius, float width, Rgb c, float alpha = 1);
    void Line(Point a, Point b, float width, Rgb c, float alpha = 1);
    void Polygon(const std::vector<Point>& points, Rgb c, float alpha = 1);
    // Multiplies every pixel by 1 + amount * noise, noise smooth at the given cell size.
    void Grain(float amount, float cell, std::uint32_t seed);
    // Darkens towards the borders (a soft vignette of the given strength).
    void Vignette(float strength);

    // 8-bit RGB rows, top to bottom.
    std::vector<std::uint8_t> ToRgb8() const;

private:
    template <class Coverage, class Distance>
    void Shade(float x0, float y0, float x1, float y1, Rgb c, float alpha, Coverage inside, Distance distance);

    int width_, height_;
    std::vector<Rgb> pixels_;
};

// Smooth value noise in 0..1, the same for the same arguments everywhere.
float ValueNoise(float x, float y, std::uint32_t seed);

}  // namespace zvtools
