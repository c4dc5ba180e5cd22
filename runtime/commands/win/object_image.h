// The images objects hold: a Bitmap object's own image, and the picture that an open window
// paints as its background, held for the window's own object. Drawing commands draw into them,
// other objects take them as sources.
#pragma once

#include <memory>

#include "image_bitmap.h"
#include "project_model.h"

struct BitmapPart : ObjectPart {
    std::unique_ptr<CImageBitmap> Image;
};

// The object's image, with or without a bitmap inside; null when it holds none.
CImageBitmap* ObjectImage(const ObjectRecord* object);
// The object's image when it holds a bitmap; null otherwise.
CImageBitmap* ObjectImageWithBitmap(const ObjectRecord* object);
// The image of a Bitmap object, made empty when it has none yet.
CImageBitmap& EnsureBitmapImage(ObjectRecord& object);
