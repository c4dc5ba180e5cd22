// The background picture of a project window (Windows only).
#pragma once

#include <memory>

#include "image_bitmap.h"
#include "project_model.h"

// The window object's "Image" as loaded from the project, or null when it names none or does not
// load.
std::unique_ptr<CImageBitmap> LoadWindowImage(CProjectRuntime& runtime, const ObjectRecord& self);
// A background of the size in the window's colour with the image drawn by "Image Mode" (at its own
// size from the top-left corner, "Tile" or "Stretch"); null when no picture can be made.
std::unique_ptr<CImageBitmap> PaintWindowBackground(CProjectRuntime& runtime, const ObjectRecord& self, int width,
                                                    int height, CImageBitmap* image);
