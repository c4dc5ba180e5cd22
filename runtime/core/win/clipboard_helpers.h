// Plain text and bitmaps on the system clipboard (Windows only). The clipboard is opened without
// an owner window and always closed again.
#pragma once

#include "fw_string.h"
#include "fw_types.h"

// Replaces the clipboard's content with the text (CF_TEXT); nothing happens when the clipboard
// cannot be opened.
void SetClipboardText(const CString& text);
// The clipboard's plain text, or the empty text.
CString GetClipboardText();
// Replaces the clipboard's content with the bitmap, which then belongs to the clipboard.
bool SetClipboardBitmap(HBITMAP bitmap);
// The clipboard's bitmap (still the clipboard's: copy it to keep it), or null.
HBITMAP GetClipboardBitmap();
