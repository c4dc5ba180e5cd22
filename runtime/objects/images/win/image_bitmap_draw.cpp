// Plain, stretched and transparent drawing of CImageBitmap.
#include "image_bitmap.h"

#include "image_bitmap_support.h"

using qbk::SelectedDC;

void CImageBitmap::DrawSize(int* width, int* height, bool stretch) const
{
    CSize size = GetSize();
    // Stretched: any size of 0 or more is taken. Plain: only a smaller one, so the image is
    // clipped, never enlarged.
    if (stretch) {
        if (*width < 0) *width = size.cx;
        if (*height < 0) *height = size.cy;
    } else {
        if (*width < 0 || *width >= size.cx) *width = size.cx;
        if (*height < 0 || *height >= size.cy) *height = size.cy;
    }
}

void CImageBitmap::Draw(CDC* dc, int x, int y, int width, int height, bool stretch) const
{
    if (!dc || !dc->GetSafeHdc() || !GetSafeHandle()) return;
    DrawSize(&width, &height, stretch);
    SelectedDC image(GetHandle(), dc);
    if (!image.Ok()) return;
    if (stretch) {
        CSize size = GetSize();
        int oldMode = dc->SetStretchBltMode(COLORONCOLOR);
        dc->StretchBlt(x, y, width, height, image.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
        dc->SetStretchBltMode(oldMode);
    } else {
        dc->BitBlt(x, y, width, height, image.Get(), 0, 0, SRCCOPY);
    }
}

void CImageBitmap::DrawRect(CDC* dc, int left, int top, int right, int bottom, bool stretch) const
{
    Draw(dc, left, top, right - left, bottom - top, stretch);
}

bool CImageBitmap::BuildMask()
{
    // A mask of another colour than the current one is of no use.
    if (m_hMask && m_maskColor == m_transparentColor) return true;
    DropMask();
    CSize size = GetSize();
    HBITMAP mask = ::CreateBitmap(size.cx, size.cy, 1, 1, nullptr);
    if (!mask) return false;
    bool ok;
    {
        SelectedDC image(GetHandle()), monochrome(mask);
        ok = image.Ok() && monochrome.Ok();
        if (ok) {
            // Colour to monochrome: pixels of the background colour become 1, all others 0.
            image->SetBkColor(m_transparentColor);
            ok = monochrome->BitBlt(0, 0, size.cx, size.cy, image.Get(), 0, 0, SRCCOPY) != FALSE;
        }
    }
    if (!ok) {
        ::DeleteObject(mask);
        return false;
    }
    m_hMask = mask;
    m_maskColor = m_transparentColor;
    return true;
}

void CImageBitmap::DrawTransparent(CDC* dc, int x, int y, int width, int height, bool stretch)
{
    if (!dc || !dc->GetSafeHdc() || !GetSafeHandle()) return;
    DrawSize(&width, &height, stretch);
    if (width <= 0 || height <= 0 || !BuildMask()) return;
    CSize size = GetSize();
    CBitmap scratch;
    if (!scratch.CreateCompatibleBitmap(dc, width, height)) return;
    SelectedDC work(scratch.GetHandle(), dc), image(GetHandle(), dc), mask(m_hMask, dc);
    if (!work.Ok() || !image.Ok() || !mask.Ok()) return;
    work->BitBlt(0, 0, width, height, dc, x, y, SRCCOPY);
    // Monochrome to colour: 1 bits take the background colour (white), 0 bits the text colour.
    work->SetBkColor(RGB(255, 255, 255));
    work->SetTextColor(RGB(0, 0, 0));
    // target ^ image, masked, ^ image: the target where the mask is 1, the image elsewhere.
    if (stretch) {
        work->SetStretchBltMode(COLORONCOLOR);
        work->StretchBlt(0, 0, width, height, image.Get(), 0, 0, size.cx, size.cy, SRCINVERT);
        work->StretchBlt(0, 0, width, height, mask.Get(), 0, 0, size.cx, size.cy, SRCAND);
        work->StretchBlt(0, 0, width, height, image.Get(), 0, 0, size.cx, size.cy, SRCINVERT);
    } else {
        work->BitBlt(0, 0, width, height, image.Get(), 0, 0, SRCINVERT);
        work->BitBlt(0, 0, width, height, mask.Get(), 0, 0, SRCAND);
        work->BitBlt(0, 0, width, height, image.Get(), 0, 0, SRCINVERT);
    }
    dc->BitBlt(x, y, width, height, work.Get(), 0, 0, SRCCOPY);
}

void CImageBitmap::DrawTransparentRect(CDC* dc, int left, int top, int right, int bottom, bool stretch)
{
    DrawTransparent(dc, left, top, right - left, bottom - top, stretch);
}
