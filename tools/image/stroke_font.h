// Our own stroke font for the captions painted into backdrops and signs: capitals, digits and a
// little punctuation, each glyph a few polylines on a 4 x 6 grid.
#pragma once
#include <string>

#include "canvas.h"

namespace zvtools {

struct TextStyle {
    float height = 40;  // cap height in pixels
    float stroke = 6;  // pen width in pixels
    float slant = 0.15f;  // italic lean, in widths per height
    Rgb colour{1, 1, 1};
    float alpha = 1;
};

// Width in pixels of the text in that style.
float TextWidth(const std::string& text, const TextStyle& style);
// Draws the text with its top-left corner at (x, y); unknown characters draw nothing.
void DrawText(Canvas& canvas, const std::string& text, float x, float y, const TextStyle& style);
// Draws the text centred on x, its top at y, with a dark halo of the given extra width under it.
void DrawCaption(Canvas& canvas, const std::string& text, float centreX, float y, const TextStyle& style, Rgb halo,
                 float haloWidth);

}  // namespace zvtools
