// Where the image commands of controls take their pictures from: a file (by content), a file
// embedded in the project (held as BMP, or read by content), a DataStream object's bytes (by
// content) or a copy of a Bitmap object's image.
#pragma once

#include "command_context.h"
#include "image_bitmap.h"

#include <memory>

inline bool LoadImageFile(const CString& path, CImageBitmap& image) { return image.LoadFile(path); }

inline bool LoadEmbeddedBmp(CommandContext& ctx, const CString& name, CImageBitmap& image)
{
    CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name);
    return file && image.LoadBmp(file);
}

// The stream is read from its start and keeps its position; an empty stream holds no image.
inline bool LoadStreamImage(CMemFile* stream, CImageBitmap& image)
{
    return stream && stream->GetLength() != 0 && image.LoadStream(stream);
}

inline bool CopyImage(const CImageBitmap* source, CImageBitmap& image) { return source && image.CopyFrom(source); }

// A control's bitmap given a loaded image in place of the one it held; left empty when nothing
// loads. Answers whether the image loaded.
template <class Load>
bool ReplaceBitmap(CBitmap& target, Load load)
{
    target.DeleteObject();
    CImageBitmap image;
    return load(image) && image.CopyTo(&target);
}

inline bool LoadEmbeddedImage(CommandContext& ctx, const CString& name, CImageBitmap& image)
{
    CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name);
    return file && image.LoadStream(file);
}

// Gives the image the size width x height, stretching it when it has another; an image list adds
// an image of its own size as exactly one entry.
inline bool FitImage(CImageBitmap& image, int width, int height)
{
    const CSize size = image.GetSize();
    if (size.cx == width && size.cy == height) return true;
    CImageBitmap fitted;
    if (!fitted.CreateCompatible(nullptr, width, height)) return false;
    std::unique_ptr<CDC> dc(fitted.CreateMemDC());
    if (!dc) return false;
    image.Draw(dc.get(), 0, 0, width, height, true);
    dc.reset();
    return image.CopyFrom(&fitted);
}
