#include "font_helpers.h"

#include <commdlg.h>

#include <cstring>

#include "string_sort.h"

namespace {

LOGFONTA MakeLogFont(const CString& face, int height, int weight, bool italic, bool strikeOut, bool underline)
{
    LOGFONTA lf = {};
    lf.lfHeight = height;
    lf.lfWeight = weight;
    lf.lfItalic = italic ? TRUE : FALSE;
    lf.lfUnderline = underline ? TRUE : FALSE;
    lf.lfStrikeOut = strikeOut ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    lstrcpynA(lf.lfFaceName, face, LF_FACESIZE);
    return lf;
}

}  // namespace

int ScreenPixelsPerInchY()
{
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

HFONT CreatePointFont(HDC dc, const CString& face, int points)
{
    LOGFONTA lf = MakeLogFont(face, -MulDiv(points, GetDeviceCaps(dc, LOGPIXELSY), 72), FW_NORMAL, false, false, false);
    return CreateFontIndirectA(&lf);
}

CFont* CreateFontEx(const CString& face, int size, int weight, bool italic, bool strikeOut, bool underline,
                    bool sizeInPoints)
{
    int height = sizeInPoints ? -MulDiv(size, ScreenPixelsPerInchY(), 72) : size;
    LOGFONTA lf = MakeLogFont(face, height, weight, italic, strikeOut, underline);
    CFont* font = new CFont;
    if (!font->CreateFontIndirect(&lf)) {
        delete font;
        return nullptr;
    }
    return font;
}

bool ChooseFontDialog(HWND owner, CString* face, int* size, bool* bold, bool* italic, bool* strikeOut, bool* underline)
{
    LOGFONTA lf = {};
    CHOOSEFONTA cf = {};
    cf.lStructSize = sizeof cf;
    cf.hwndOwner = owner;
    cf.lpLogFont = &lf;
    cf.Flags = CF_SCREENFONTS;
    if (!ChooseFontA(&cf) || lf.lfFaceName[0] == '\0') return false;
    if (face) *face = lf.lfFaceName;
    if (size) *size = cf.iPointSize;
    if (bold) *bold = lf.lfWeight == FW_BOLD;
    if (italic) *italic = lf.lfItalic != 0;
    if (strikeOut) *strikeOut = lf.lfStrikeOut != 0;
    if (underline) *underline = lf.lfUnderline != 0;
    return true;
}

namespace {

int CALLBACK FontFamilyCallback(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list)
{
    if (font->lfFaceName[0] == '\0') return 0;  // ends the enumeration
    reinterpret_cast<CStringArray*>(list)->Add(CString(font->lfFaceName));
    return 1;
}

}  // namespace

void ListFontFamilies(CStringArray* families)
{
    if (!families) return;
    LOGFONTA wanted = {};
    wanted.lfCharSet = DEFAULT_CHARSET;
    HDC screen = ::GetDC(nullptr);
    ::EnumFontFamiliesExA(screen, &wanted, &FontFamilyCallback, reinterpret_cast<LPARAM>(families), 0);
    ::ReleaseDC(nullptr, screen);
    SortStrings(*families);
    for (INT_PTR i = 1; i < families->GetSize();) {
        if (families->GetAt(i).CompareNoCase(families->GetAt(i - 1)) == 0)
            families->RemoveAt(i);
        else
            ++i;
    }
}
