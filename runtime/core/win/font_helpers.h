// Fonts for the runtime's controls and drawing commands (Windows only).
#pragma once

#include "fw_array.h"
#include "fw_font.h"
#include "fw_string.h"
#include "fw_types.h"

// The screen's vertical resolution in dots per inch, read anew on every call.
int ScreenPixelsPerInchY();
// A normal-weight font of the face whose height is the size in points at the context's vertical
// resolution (MulDiv rounding); default character set. The caller deletes it.
HFONT CreatePointFont(HDC dc, const CString& face, int points);
// A new font object owned by the caller, or null when the font cannot be made. With sizeInPoints
// the size is converted at the screen's vertical resolution, else it is the height as given.
CFont* CreateFontEx(const CString& face, int size, int weight, bool italic, bool strikeOut, bool underline,
                    bool sizeInPoints);
// The font dialog over the screen fonts. False when cancelled or no face was chosen; otherwise
// fills each output given: face name, size in tenths of a point, bold (weight exactly 700),
// italic, strike-out and underline.
bool ChooseFontDialog(HWND owner, CString* face = nullptr, int* size = nullptr, bool* bold = nullptr,
                      bool* italic = nullptr, bool* strikeOut = nullptr, bool* underline = nullptr);

// The installed font families of the screen appended to the list, which is then sorted without
// regard to case and keeps each family once (the system lists a family once per character set,
// and face names are the same in any case). Nothing happens for a null list.
void ListFontFamilies(CStringArray* families);
