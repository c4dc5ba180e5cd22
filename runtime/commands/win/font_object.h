// The font a Font object (type 17) holds, for the commands of other objects that use it: the
// window and control commands give it to windows, the drawing commands draw with it.
#pragma once

#include "fw_font.h"
#include "fw_types.h"

#include <memory>
#include "project_model.h"

// The object's font; null when it is no Font object or holds no font.
HFONT FontOfObject(const ObjectRecord* fontObject);
// Gives the Font object's font to the window (WM_SETFONT, redrawn) and remembers that the window
// holds it: a font the object lets go of stays alive while windows still hold it. False when the
// object holds no font.
bool GiveFont(ObjectRecord& fontObject, HWND window);
// The Font object's font replaced by the one given (null: left without a font). The old font stays
// alive while windows it was given to still hold it. Objects of other types are left alone.
void ReplaceObjectFont(ObjectRecord& fontObject, std::unique_ptr<CFont> font);
