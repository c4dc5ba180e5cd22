#include "image_bitmap.h"

#include "image_bitmap_support.h"
#include "pixel_ops.h"

#include <cstring>

using qbk::PixelSection;
using qbk::SelectedDC;

CImageBitmap::CImageBitmap() = default;

CImageBitmap::~CImageBitmap()
{
    DropMask();
    DeleteObject();
}

void CImageBitmap::Reset()
{
    m_cx = m_cy = 0;
    DropMask();
    m_transparentColor = 0;
    DeleteObject();
}

void CImageBitmap::Clear() { Reset(); }

void CImageBitmap::DropMask()
{
    if (m_hMask) ::DeleteObject(m_hMask);
    m_hMask = nullptr;
}

void CImageBitmap::SetTransparentColor(COLORREF colour)
{
    if (colour != m_transparentColor) DropMask();
    m_transparentColor = colour;
}

bool CImageBitmap::AdoptBitmap(HBITMAP bitmap)
{
    Reset();
    return bitmap && Attach(bitmap);
}

bool CImageBitmap::Create(int width, int height, UINT planes, UINT bitsPerPixel, const void* bits)
{
    Reset();
    return CreateBitmap(width, height, planes, bitsPerPixel, bits) != FALSE;
}

bool CImageBitmap::CreateCompatible(CDC* dc, int width, int height)
{
    Reset();
    return CreateCompatibleBitmap(dc, width, height) != FALSE;
}

namespace {

// A new bitmap of the source's size and format holding a pixel copy of it.
HBITMAP CopyBitmap(HBITMAP source)
{
    BITMAP description;
    if (!source || !::GetObject(source, sizeof description, &description)) return nullptr;
    description.bmBits = nullptr;
    HBITMAP copy = ::CreateBitmapIndirect(&description);
    if (!copy) return nullptr;
    SelectedDC from(source), to(copy);
    if (!from.Ok() || !to.Ok() ||
        !to->BitBlt(0, 0, description.bmWidth, description.bmHeight, from.Get(), 0, 0, SRCCOPY)) {
        ::DeleteObject(copy);
        return nullptr;
    }
    return copy;
}

}  // namespace

bool CImageBitmap::CopyFrom(const CImageBitmap* other)
{
    if (other == this) return GetSafeHandle() != nullptr;
    Reset();
    if (!other || !other->GetSafeHandle()) return false;
    return AdoptBitmap(CopyBitmap(other->GetHandle()));
}

bool CImageBitmap::CopyFromDC(CDC* dc, const RECT* rect)
{
    if (!dc || !dc->GetSafeHdc()) {
        Reset();
        return false;
    }
    HBITMAP made = nullptr;
    CRect r;
    if (!rect) {
        // The bitmap selected in dc cannot be selected anywhere else: its pixels come through dc.
        BITMAP description;
        HGDIOBJ selected = ::GetCurrentObject(dc->GetSafeHdc(), OBJ_BITMAP);
        if (!selected || !::GetObject(selected, sizeof description, &description)) {
            Reset();
            return false;
        }
        description.bmBits = nullptr;
        made = ::CreateBitmapIndirect(&description);
        r = CRect(0, 0, description.bmWidth, description.bmHeight);
    } else {
        r = CRect(*rect);
        made = ::CreateCompatibleBitmap(dc->GetSafeHdc(), r.Width(), r.Height());
    }
    bool copied = false;
    if (made) {
        SelectedDC to(made, dc);
        copied = to.Ok() && to->BitBlt(0, 0, r.Width(), r.Height(), dc, r.left, r.top, SRCCOPY);
    }
    if (made && !copied) {
        ::DeleteObject(made);
        made = nullptr;
    }
    return AdoptBitmap(made);
}

bool CImageBitmap::CopyTo(CBitmap* target) const
{
    if (!GetSafeHandle() || !target) return false;
    target->DeleteObject();
    return target->Attach(CopyBitmap(GetHandle())) != FALSE;
}

CImageBitmap& CImageBitmap::Assign(const CImageBitmap& other)
{
    if (&other != this) {
        CopyFrom(&other);
        m_transparentColor = other.m_transparentColor;
    }
    return *this;
}

CSize CImageBitmap::GetSize() const
{
    if (!GetSafeHandle()) return CSize(0, 0);
    if (m_cx == 0) {
        BITMAP description;
        if (GetBitmap(&description)) {
            m_cx = description.bmWidth;
            m_cy = description.bmHeight;
        }
    }
    return CSize(m_cx, m_cy);
}

CDC* CImageBitmap::CreateMemDC(CDC* dc) const
{
    CDC* memDC = new CDC;
    if (!memDC->CreateCompatibleDC(dc)) {
        delete memDC;
        return nullptr;
    }
    if (GetSafeHandle()) memDC->SelectObject(GetSafeHandle());
    return memDC;
}

bool CImageBitmap::ReadPixels(std::vector<uint32_t>* pixels, int* width, int* height) const
{
    CSize size = GetSize();
    if (size.cx <= 0 || size.cy <= 0) return false;
    PixelSection section(size.cx, size.cy);
    SelectedDC image(GetHandle());
    if (!section.Ok() || !image.Ok() || !section.Dc()->BitBlt(0, 0, size.cx, size.cy, image.Get(), 0, 0, SRCCOPY))
        return false;
    ::GdiFlush();
    pixels->assign(section.Bits(), section.Bits() + size_t(size.cx) * size_t(size.cy));
    *width = size.cx;
    *height = size.cy;
    return true;
}

bool CImageBitmap::WritePixels(const uint32_t* pixels)
{
    CSize size = GetSize();
    if (!pixels || size.cx <= 0 || size.cy <= 0) return false;
    PixelSection section(size.cx, size.cy);
    SelectedDC image(GetHandle());
    if (!section.Ok() || !image.Ok()) return false;
    std::memcpy(section.Bits(), pixels, size_t(size.cx) * size_t(size.cy) * 4);
    ::GdiFlush();
    DropMask();
    return image->BitBlt(0, 0, size.cx, size.cy, section.Dc(), 0, 0, SRCCOPY) != FALSE;
}

uint32_t CImageBitmap::FormatPixel(COLORREF colour) const
{
    BITMAP description;
    uint32_t plain = qbk::ColorRefToPixel(colour);
    if (!GetBitmap(&description) || description.bmBitsPixel * description.bmPlanes >= 24) return plain;
    // Fewer bits a pixel: the colour as such a pixel holds it and reads back.
    CImageBitmap probe;
    if (!probe.Create(1, 1, description.bmPlanes, description.bmBitsPixel, nullptr)) return plain;
    {
        SelectedDC dc(probe.GetHandle());
        if (!dc.Ok()) return plain;
        dc->SetPixelV(0, 0, colour);
    }
    std::vector<uint32_t> px;
    int w = 0, h = 0;
    return probe.ReadPixels(&px, &w, &h) ? px[0] & 0xFFFFFF : plain;
}

CRect CImageBitmap::WholeOr(const RECT* rect) const
{
    if (rect) return CRect(*rect);
    CSize size = GetSize();
    return CRect(0, 0, size.cx, size.cy);
}

bool CImageBitmap::SwapPixels(int x1, int y1, int x2, int y2, CDC* memDC)
{
    if (!memDC) {
        SelectedDC dc(GetHandle());
        return dc.Ok() && SwapPixels(x1, y1, x2, y2, dc.Get());
    }
    COLORREF a = memDC->GetPixel(x1, y1);
    COLORREF b = memDC->GetPixel(x2, y2);
    memDC->SetPixelV(x1, y1, b);
    memDC->SetPixelV(x2, y2, a);
    DropMask();
    return true;
}

bool CImageBitmap::Rotate(int mode)
{
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    if (!ReadPixels(&pixels, &w, &h)) return false;
    std::vector<uint32_t> turned(pixels.size());
    qbk::RotatePixels(pixels.data(), w, h, mode, turned.data());
    if (mode == 1) return WritePixels(turned.data());
    BITMAP description;
    if (!GetBitmap(&description)) return false;
    description.bmWidth = h;
    description.bmHeight = w;
    description.bmWidthBytes = 0;
    description.bmBits = nullptr;
    HBITMAP made = ::CreateBitmap(h, w, description.bmPlanes, description.bmBitsPixel, nullptr);
    if (!made) return false;
    AdoptBitmap(made);
    return WritePixels(turned.data());
}

namespace {

qbk::PixelRect ToPixelRect(const CRect& r) { return qbk::PixelRect{r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool CImageBitmap::PixelTransformA(const RECT* rect)
{
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    if (!ReadPixels(&pixels, &w, &h)) return false;
    qbk::FlipRectRows(pixels.data(), w, h, ToPixelRect(WholeOr(rect)));
    return WritePixels(pixels.data());
}

bool CImageBitmap::PixelTransformB(const RECT* rect)
{
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    if (!ReadPixels(&pixels, &w, &h)) return false;
    qbk::FlipRectColumns(pixels.data(), w, h, ToPixelRect(WholeOr(rect)));
    return WritePixels(pixels.data());
}

bool CImageBitmap::Transform(int channel, int direction, const RECT* rect)
{
    SelectedDC dc(GetHandle());
    if (!dc.Ok()) return false;
    CRect r = WholeOr(rect);
    bool rows = direction == 0 || direction == 2;
    if ((!rows && direction != 1 && direction != 3) || r.IsRectEmpty()) return true;
    int n = rows ? r.Height() : r.Width();
    for (int i = 0; i < n; ++i) {
        int v = qbk::GradientValue(i, n, direction);
        COLORREF colour = channel == 0 ? RGB(v, 0, 0) : channel == 1 ? RGB(0, v, 0) : RGB(0, 0, v);
        if (rows)
            dc->FillSolidRect(r.left, r.top + i, r.Width(), 1, colour);
        else
            dc->FillSolidRect(r.left + i, r.top, 1, r.Height(), colour);
    }
    DropMask();
    return true;
}

bool CImageBitmap::ReplaceColor(COLORREF colour)
{
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    if (!ReadPixels(&pixels, &w, &h)) return false;
    qbk::MaskByColour(pixels.data(), pixels.size(), FormatPixel(colour));
    return WritePixels(pixels.data());
}

HRGN CImageBitmap::CreateRegion(COLORREF colour) const
{
    std::vector<uint32_t> pixels;
    int w = 0, h = 0;
    if (!ReadPixels(&pixels, &w, &h)) return nullptr;
    std::vector<qbk::PixelRect> runs = qbk::RegionRuns(pixels.data(), w, h, FormatPixel(colour));
    std::vector<uint8_t> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = DWORD(runs.size());
    header->nRgnSize = DWORD(runs.size() * sizeof(RECT));
    header->rcBound = RECT{0, 0, w, h};
    auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
    for (size_t i = 0; i < runs.size(); ++i) rects[i] = RECT{runs[i].left, runs[i].top, runs[i].right, runs[i].bottom};
    return ::ExtCreateRegion(nullptr, DWORD(data.size()), reinterpret_cast<const RGNDATA*>(data.data()));
}
