// The menu backdrops: a view down a glowing tunnel with the page's own wording.
#pragma once
#include <string>

#include "canvas.h"

namespace zvtools {

struct BackdropStyle {
    std::string title;  // big caption
    std::string subtitle;  // smaller caption under it (may be empty)
    Rgb tint;  // colour of the tunnel's glow
    bool centred = false;  // caption in the middle of the screen (pages that show no menu text)
};

Canvas PaintBackdrop(const BackdropStyle& style);

}  // namespace zvtools
