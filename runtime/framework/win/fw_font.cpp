#include "fw_font.h"

#include "fw_dc.h"

BOOL CFont::CreateFontIndirect(const LOGFONTA* logFont)
{
    if (!logFont || m_hObject) return FALSE;
    return Attach(::CreateFontIndirectA(logFont));
}

BOOL CFont::CreatePointFont(int pointSizeTenths, const char* faceName, CDC* dc)
{
    HDC screen = nullptr;
    HDC target = dc ? dc->GetSafeHdc() : (screen = GetDC(nullptr));
    LOGFONTA lf = {};
    lf.lfHeight = -MulDiv(pointSizeTenths, GetDeviceCaps(target, LOGPIXELSY), 720);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    if (faceName) lstrcpynA(lf.lfFaceName, faceName, LF_FACESIZE);
    if (screen) ReleaseDC(nullptr, screen);
    return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONTA* logFont) const { return GetObject(sizeof(LOGFONTA), logFont); }
