#include "clipboard_helpers.h"

#include <cstring>

void SetClipboardText(const CString& text)
{
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    size_t size = static_cast<size_t>(text.GetLength()) + 1;
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
    if (block) {
        if (void* p = GlobalLock(block)) {
            std::memcpy(p, text.GetString(), size);
            GlobalUnlock(block);
            if (!SetClipboardData(CF_TEXT, block)) GlobalFree(block);
        } else {
            GlobalFree(block);
        }
    }
    CloseClipboard();
}

CString GetClipboardText()
{
    if (!OpenClipboard(nullptr)) return CString();
    CString text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(GlobalLock(data))) {
            // Never read past the block, even when its text lacks the terminating zero.
            size_t size = GlobalSize(data);
            const void* zero = std::memchr(p, 0, size);
            text =
                CString(p, static_cast<int>(zero ? static_cast<const char*>(zero) - p : static_cast<ptrdiff_t>(size)));
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

bool SetClipboardBitmap(HBITMAP bitmap)
{
    if (!OpenClipboard(nullptr)) return false;
    EmptyClipboard();
    bool ok = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
    CloseClipboard();
    return ok;
}

HBITMAP GetClipboardBitmap()
{
    if (!OpenClipboard(nullptr)) return nullptr;
    HBITMAP bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    CloseClipboard();
    return bitmap;
}
