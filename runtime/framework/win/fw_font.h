// CFont: owner of one GDI font (Windows only).
#pragma once

#include "fw_gdi.h"

class CFont : public CGdiObject {
public:
    BOOL CreateFontIndirect(const LOGFONTA* logFont);
    // A font of the face whose height is tenths of a point at the context's (or the screen's)
    // vertical resolution.
    BOOL CreatePointFont(int pointSizeTenths, const char* faceName, CDC* dc = nullptr);
    int GetLogFont(LOGFONTA* logFont) const;
    HFONT GetHandle() const { return static_cast<HFONT>(m_hObject); }
    operator HFONT() const { return GetHandle(); }  // NOLINT: passes as the handle
};
