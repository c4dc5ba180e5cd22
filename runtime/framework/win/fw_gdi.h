// CGdiObject and CBitmap: thin owners of one GDI object handle each (Windows only).
#pragma once

#include "fw_object.h"
#include "fw_types.h"

class CDC;

class CGdiObject : public CObject {
public:
    CGdiObject() = default;
    // Deletes the object it owns.
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    // Takes ownership of a handle (false for null or while one is held).
    BOOL Attach(HGDIOBJ object);
    // Gives up ownership without deleting.
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int size, void* buffer) const;

    HGDIOBJ m_hObject = nullptr;
};

class CBitmap : public CGdiObject {
public:
    BOOL CreateBitmap(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits);
    BOOL CreateBitmapIndirect(const BITMAP* description);
    // A bitmap of the context's format (the screen's when dc is null).
    BOOL CreateCompatibleBitmap(CDC* dc, int width, int height);
    int GetBitmap(BITMAP* description) const;
    HBITMAP GetHandle() const { return static_cast<HBITMAP>(m_hObject); }
    operator HBITMAP() const { return GetHandle(); }  // NOLINT: passes as the handle
};

class CPalette : public CGdiObject {
public:
    HPALETTE GetHandle() const { return static_cast<HPALETTE>(m_hObject); }
    operator HPALETTE() const { return GetHandle(); }  // NOLINT: passes as the handle
};
