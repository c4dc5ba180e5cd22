// The font a Font object holds, which other objects draw and write with.
#pragma once

#include <memory>

#include "fw_font.h"
#include "project_model.h"

struct FontPart : ObjectPart {
    std::unique_ptr<CFont> Font;  // none until a font is made; may hold no font after a failure
};

// The object's font, or null when it is no Font object or holds no font.
inline HFONT ObjectFontHandle(const ObjectRecord* object)
{
    if (!object || object->Type != qbk::TypeFont) return nullptr;
    const FontPart* part = object->FindPart<FontPart>();
    return part && part->Font ? part->Font->GetHandle() : nullptr;
}
