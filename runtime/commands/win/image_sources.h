// Where the image commands of controls take their pictures from: a file (by content), or a file
// embedded in the project, held as BMP or read by content.
#pragma once

#include "command_context.h"
#include "image_bitmap.h"

inline bool LoadImageFile(const CString& path, CImageBitmap& image) { return image.LoadFile(path); }

inline bool LoadEmbeddedBmp(CommandContext& ctx, const CString& name, CImageBitmap& image)
{
    CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name);
    return file && image.LoadBmp(file);
}

inline bool LoadEmbeddedImage(CommandContext& ctx, const CString& name, CImageBitmap& image)
{
    CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name);
    return file && image.LoadStream(file);
}
