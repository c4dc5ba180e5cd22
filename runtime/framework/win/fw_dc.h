// CDC: a thin owner of one device context (Windows only). A context it created or attached is
// deleted with it; one that is only borrowed is detached first.
#pragma once

#include "fw_gdi.h"
#include "fw_object.h"
#include "fw_types.h"

class CDC : public CObject {
public:
    CDC() = default;
    ~CDC() override;
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    HDC GetSafeHdc() const { return m_hDC; }
    operator HDC() const { return m_hDC; }  // NOLINT: passes as the handle
    BOOL Attach(HDC dc);
    HDC Detach();
    // A memory context compatible with dc (the screen when null).
    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    HGDIOBJ SelectObject(HGDIOBJ object) { return ::SelectObject(m_hDC, object); }
    HGDIOBJ SelectObject(CGdiObject* object) { return object ? SelectObject(object->GetSafeHandle()) : nullptr; }

    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, DWORD rop);
    BOOL StretchBlt(int x, int y, int width, int height, CDC* source, int xSrc, int ySrc, int srcWidth, int srcHeight,
                    DWORD rop);
    COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
    BOOL SetPixelV(int x, int y, COLORREF colour) { return ::SetPixelV(m_hDC, x, y, colour); }
    COLORREF SetBkColor(COLORREF colour) { return ::SetBkColor(m_hDC, colour); }
    COLORREF SetTextColor(COLORREF colour) { return ::SetTextColor(m_hDC, colour); }
    int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }
    int GetDeviceCaps(int index) const { return ::GetDeviceCaps(m_hDC, index); }
    // Fills the rectangle with one colour (the background colour is restored afterwards).
    void FillSolidRect(int x, int y, int width, int height, COLORREF colour);
    void FillSolidRect(const RECT* rect, COLORREF colour);

    HDC m_hDC = nullptr;
};
