#include "rich_edit_stream.h"

#include <algorithm>

DWORD CALLBACK RichEditStreamIn(DWORD_PTR file, LPBYTE buffer, LONG wanted, LONG* done)
{
    *done = 0;
    try {
        *done = LONG(reinterpret_cast<CFile*>(file)->Read(buffer, UINT(std::max(0L, wanted))));
    } catch (const CException&) {
        return 1;
    }
    return 0;
}

DWORD CALLBACK RichEditStreamOut(DWORD_PTR file, LPBYTE buffer, LONG count, LONG* done)
{
    *done = 0;
    try {
        reinterpret_cast<CFile*>(file)->Write(buffer, UINT(std::max(0L, count)));
    } catch (const CException&) {
        return 1;
    }
    *done = count;
    return 0;
}

namespace {

UINT StreamFormat(int format) { return format == 0 ? SF_TEXT : SF_RTF; }

DWORD Stream(HWND control, UINT message, CFile& file, int format, EDITSTREAMCALLBACK callback)
{
    EDITSTREAM stream = {DWORD_PTR(&file), 0, callback};
    ::SendMessageA(control, message, StreamFormat(format), LPARAM(&stream));
    return stream.dwError;
}

}  // namespace

DWORD StreamIn(HWND control, CFile& file, int format)
{
    return Stream(control, EM_STREAMIN, file, format, &RichEditStreamIn);
}

DWORD StreamOut(HWND control, CFile& file, int format)
{
    return Stream(control, EM_STREAMOUT, file, format, &RichEditStreamOut);
}
