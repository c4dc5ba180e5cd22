// A text sink that keeps what was drawn, for the tests of the run's display and the menu.
#pragma once

#include "run_seams.h"

#include <string>
#include <vector>

struct DrawnText {
    int font;
    std::string text;
    RunRect rect;
    unsigned format;
    uint32_t colour;
    bool shadow;
};

class RecordingText : public RunTextSink {
public:
    void DrawText(int font, const KString& text, const RunRect& rect, unsigned format, uint32_t colour) override
    {
        frame.push_back({font, text.c_str(), rect, format, colour, true});
    }
    void DrawPlainText(int font, const KString& text, const RunRect& rect, unsigned format, uint32_t colour) override
    {
        frame.push_back({font, text.c_str(), rect, format, colour, false});
    }
    // Fonts grow with their index, as the game's do.
    int FontHeight(int font) const override { return 10 * (font + 1); }

    // The texts of the last frame only (the test empties it).
    std::vector<DrawnText> frame;
};
