// CPixelTool: the drawing tool's pixel passes (majority filter, diffusion, ripple, smoothing) on
// a rectangle of an image selected in a device context. Each pass reports progress to an
// optional progress bar, stops at once when Escape is down, and changes the image only when it
// ran to the end. Windows only; the passes themselves are platform-free (pixel_passes.h).
#pragma once

#include "fw_dc.h"
#include "fw_geometry.h"
#include "pixel_passes.h"

#include <functional>

class CPixelTool {
public:
    // rect null: all edges 0 (an empty rectangle, on which the passes do nothing).
    CPixelTool(CDC* target, const RECT* rect, HWND progressBar);
    virtual ~CPixelTool() = default;

    void MajorityFilter(int radius);
    void Diffuse(int amount);  // amount clamped to 0..30
    void Ripple(int amount);  // amount clamped to 0..50
    void Smooth();
    // The most frequent colour in the window of columns x - radius .. x + radius - 1 and rows
    // y - radius .. y + radius - 1, clipped to the tool's rectangle, read from dc.
    COLORREF DominantColour(CDC* dc, int x, int y, int radius) const;

    // The names the drawing commands use for the same passes.
    void ModeFilter(int radius) { MajorityFilter(radius); }
    void Scatter(int strength) { Diffuse(strength); }
    void Wave(int strength) { Ripple(strength); }
    COLORREF MostFrequentColor(CDC* dc, int x, int y, int radius) const { return DominantColour(dc, x, y, radius); }

    // Seams: whether to stop (Escape down by default) and the random numbers 0..32767 (rand).
    std::function<bool()> cancelCheck;
    qbk::RandomSource random;

private:
    using Pass = std::function<bool(const qbk::PixelGrid&, const qbk::PixelRect&, uint32_t*, qbk::PassControl&)>;
    void RunPass(const Pass& pass);

    CDC* m_target;
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
    HWND m_progress;
};
