#include "fw_gdi.h"

#include "fw_dc.h"

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ object)
{
    if (!object || m_hObject) return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject()
{
    if (!m_hObject) return FALSE;
    BOOL ok = ::DeleteObject(Detach());
    return ok;
}

int CGdiObject::GetObject(int size, void* buffer) const { return m_hObject ? ::GetObject(m_hObject, size, buffer) : 0; }

BOOL CBitmap::CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    return Attach(::CreateBitmap(width, height, planes, bitsPerPixel, bits));
}

BOOL CBitmap::CreateBitmapIndirect(const BITMAP* description)
{
    return description ? Attach(::CreateBitmapIndirect(description)) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int width, int height)
{
    if (dc) return Attach(::CreateCompatibleBitmap(dc->GetSafeHdc(), width, height));
    HDC screen = ::GetDC(nullptr);
    BOOL ok = Attach(::CreateCompatibleBitmap(screen, width, height));
    ::ReleaseDC(nullptr, screen);
    return ok;
}

int CBitmap::GetBitmap(BITMAP* description) const { return GetObject(sizeof(BITMAP), description); }
