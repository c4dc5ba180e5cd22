// Small rectangle and colour helpers of the library, free of any platform.
#pragma once

#include <cstdint>

struct KRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// The largest rectangle of aspect width : height centred in the given one (fractions cut).
// An aspect side below 1 makes the aspect 1 : 1.
KRect FitRect(int left, int top, int right, int bottom, int width, int height);
// True when left <= x < left + width and top <= y < top + height.
bool PointInRect(int left, int top, int width, int height, int x, int y);
// 0xFFrrggbb.
uint32_t MakeColor(int r, int g, int b);
