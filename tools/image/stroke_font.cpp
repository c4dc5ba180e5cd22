#include "stroke_font.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace zvtools {
namespace {

struct Glyph {
    char ch;
    const char* strokes;  // polylines "x,y-x,y..." separated by blanks
};

const Glyph kGlyphs[] = {
    {'A', "0,6-2,0-4,6 1,4-3,4"},
    {'B', "0,6-0,0-3,0-4,1-4,2-3,3-0,3 3,3-4,4-4,5-3,6-0,6"},
    {'C', "4,1-3,0-1,0-0,1-0,5-1,6-3,6-4,5"},
    {'D', "0,0-0,6-2,6-4,4-4,2-2,0-0,0"},
    {'E', "4,0-0,0-0,6-4,6 0,3-3,3"},
    {'F', "4,0-0,0-0,6 0,3-3,3"},
    {'G', "4,1-3,0-1,0-0,1-0,5-1,6-3,6-4,5-4,3-2,3"},
    {'H', "0,0-0,6 4,0-4,6 0,3-4,3"},
    {'I', "1,0-3,0 2,0-2,6 1,6-3,6"},
    {'J', "4,0-4,5-3,6-1,6-0,5"},
    {'K', "0,0-0,6 4,0-0,4 1,3-4,6"},
    {'L', "0,0-0,6-4,6"},
    {'M', "0,6-0,0-2,3-4,0-4,6"},
    {'N', "0,6-0,0-4,6-4,0"},
    {'O', "1,0-3,0-4,1-4,5-3,6-1,6-0,5-0,1-1,0"},
    {'P', "0,6-0,0-3,0-4,1-4,2-3,3-0,3"},
    {'Q', "1,0-3,0-4,1-4,5-3,6-1,6-0,5-0,1-1,0 2,4-4,6"},
    {'R', "0,6-0,0-3,0-4,1-4,2-3,3-0,3 2,3-4,6"},
    {'S', "4,1-3,0-1,0-0,1-0,2-1,3-3,3-4,4-4,5-3,6-1,6-0,5"},
    {'T', "0,0-4,0 2,0-2,6"},
    {'U', "0,0-0,5-1,6-3,6-4,5-4,0"},
    {'V', "0,0-2,6-4,0"},
    {'W', "0,0-1,6-2,3-3,6-4,0"},
    {'X', "0,0-4,6 4,0-0,6"},
    {'Y', "0,0-2,3-4,0 2,3-2,6"},
    {'Z', "0,0-4,0-0,6-4,6"},
    {'0', "1,0-3,0-4,1-4,5-3,6-1,6-0,5-0,1-1,0 4,1-0,5"},
    {'1', "1,1-2,0-2,6 1,6-3,6"},
    {'2', "0,1-1,0-3,0-4,1-4,2-0,6-4,6"},
    {'3', "0,1-1,0-3,0-4,1-4,2-3,3-1,3 3,3-4,4-4,5-3,6-1,6-0,5"},
    {'4', "3,6-3,0-0,4-4,4"},
    {'5', "4,0-0,0-0,3-3,3-4,4-4,5-3,6-0,6"},
    {'6', "3,0-1,0-0,1-0,5-1,6-3,6-4,5-4,4-3,3-0,3"},
    {'7', "0,0-4,0-1,6"},
    {'8', "1,0-3,0-4,1-4,2-3,3-1,3-0,4-0,5-1,6-3,6-4,5-4,4-3,3 1,3-0,2-0,1-1,0"},
    {'9', "4,3-1,3-0,2-0,1-1,0-3,0-4,1-4,5-3,6-1,6"},
    {'!', "2,0-2,4 2,6-2,6"},
    {'\'', "2,0-2,1.5"},
    {'-', "1,3-3,3"},
    {'.', "2,6-2,6"},
    {':', "2,2-2,2 2,5-2,5"},
    {'?', "0,1-1,0-3,0-4,1-4,2-2,3-2,4 2,6-2,6"},
};

const char* StrokesOf(char ch)
{
    for (const Glyph& g : kGlyphs)
        if (g.ch == ch) return g.strokes;
    return nullptr;
}

// The polylines of a glyph in grid units.
std::vector<std::vector<Point>> Parse(const char* strokes)
{
    std::vector<std::vector<Point>> lines(1);
    const char* p = strokes;
    while (*p) {
        char* end = nullptr;
        const float x = std::strtof(p, &end);
        p = end + 1;  // past ','
        const float y = std::strtof(p, &end);
        p = end;
        lines.back().push_back({x, y});
        if (*p == '-') {
            ++p;
        } else if (*p == ' ') {
            ++p;
            lines.emplace_back();
        }
    }
    return lines;
}

float Advance(const TextStyle& s) { return s.height / 6 * 6.2f; }

}  // namespace

float TextWidth(const std::string& text, const TextStyle& style)
{
    if (text.empty()) return 0;
    return Advance(style) * (text.size() - 1) + style.height / 6 * 4 + style.stroke;
}

void DrawText(Canvas& canvas, const std::string& text, float x, float y, const TextStyle& s)
{
    const float unit = s.height / 6;
    const float pad = s.stroke / 2;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char* strokes = StrokesOf(text[i]);
        if (!strokes) continue;
        const float ox = x + pad + Advance(s) * i, oy = y + pad;
        for (const auto& line : Parse(strokes)) {
            auto map = [&](Point p) { return Point{ox + (p.x + (6 - p.y) * s.slant) * unit, oy + p.y * unit}; };
            if (line.size() == 1) canvas.Disc(map(line[0]), s.stroke / 2, s.colour, s.alpha);
            for (std::size_t k = 1; k < line.size(); ++k)
                canvas.Line(map(line[k - 1]), map(line[k]), s.stroke, s.colour, s.alpha);
        }
    }
}

void DrawCaption(Canvas& canvas, const std::string& text, float centreX, float y, const TextStyle& style, Rgb halo,
                 float haloWidth)
{
    const float x = centreX - TextWidth(text, style) / 2;
    if (haloWidth > 0) {
        TextStyle under = style;
        under.colour = halo;
        under.stroke = style.stroke + haloWidth;
        under.alpha = style.alpha * 0.8f;
        DrawText(canvas, text, x - haloWidth / 2, y - haloWidth / 2, under);
    }
    DrawText(canvas, text, x, y, style);
}

}  // namespace zvtools
