// The rules of the image button, free of any drawing interface: where its image and text go, which
// of its images shows in which state, and the embossed grey picture it shows when disabled.
#pragma once

#include <cstdint>
#include <vector>

#include "fw_geometry.h"

namespace qbk {

// Image alignment: left of the text, above it, right of it.
enum FlatButtonAlign { AlignImageLeft = 0, AlignImageTop = 1, AlignImageRight = 2 };

struct FlatButtonPlacement {
    CPoint Image;  // the image's top-left corner
    CRect Text;  // where the text is centred
};

// The image's place and the text's rectangle in a button of width x height. A centred image
// larger than the button starts at a negative offset, so its middle stays in the middle.
FlatButtonPlacement PlaceFlatButtonImage(int width, int height, CSize image, int align, bool hasText);

// Image sets: 0 normal, 1 hover, 2 disabled.
// A check-style button shows its hover image only while checked or pushed.
int FlatButtonImageSet(bool disabled, bool checkStyle, bool hovered, bool pressed, bool hasHoverImage);

// The disabled picture: a grey (0x808080) shape of the image's dark pixels (grey value below 129,
// not the transparent colour), each with a white pixel below right of it, on magenta (0xFF00FF).
// Pixels, the transparent colour among them, are 0x00RRGGBB, rows top first.
std::vector<uint32_t> EmbossedPixels(const std::vector<uint32_t>& pixels, int width, int height, uint32_t transparent);

}  // namespace qbk
