// Fitting a picture into a box while keeping its aspect ratio.
#pragma once

#include "fw_geometry.h"

// The largest size of the source's aspect ratio (1.0 when the source height is below 1) that fits
// the box: (box width, box width / ratio) unless that is taller than the box, then
// (box height * ratio, box height); parts truncated toward zero. A zero-width source gives width 0.
CSize FitSizeToAspect(int boxWidth, int boxHeight, int sourceWidth, int sourceHeight);
