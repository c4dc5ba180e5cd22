// The rules of the shaped image, free of any drawing interface: where its image goes in its area,
// and which pixel of the image a point of the area shows.
#pragma once

#include "fw_geometry.h"

namespace qbk {

// Alignments: 0 left or top, 1 centre, 2 right or bottom.
// The rectangle the image is drawn into: the whole area when stretched, else the image's size
// placed by the alignments and cut to the area.
CRect ShapeImageTarget(CSize area, CSize image, bool stretch, int horizontal, int vertical);

// The image pixel drawn at a point of the area (scaled when stretched; when not, the image's
// top-left part fills the target); false where the point shows no image.
bool ShapeImagePixelAt(const CRect& target, CSize image, bool stretch, CPoint point, CPoint* pixel);

}  // namespace qbk
