#include "image_bitmap_support.h"

#include "bmp_format.h"

namespace qbk {

SelectedDC::SelectedDC(HBITMAP bitmap, CDC* ref)
{
    if (!bitmap || !m_dc.CreateCompatibleDC(ref)) return;
    m_old = m_dc.SelectObject(bitmap);
    m_ok = m_old != nullptr && m_old != HGDI_ERROR;
}

SelectedDC::~SelectedDC()
{
    if (m_ok) m_dc.SelectObject(m_old);
}

PixelSection::PixelSection(int width, int height)
{
    if (width <= 0 || height <= 0 || CappedImageBytes(uint64_t(width) * 4, uint64_t(height)) == 0) return;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    m_bitmap = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!m_bitmap || !m_dc.CreateCompatibleDC(nullptr)) return;
    m_old = m_dc.SelectObject(m_bitmap);
    m_selected = m_old != nullptr && m_old != HGDI_ERROR;
    m_bits = static_cast<uint32_t*>(bits);
}

PixelSection::~PixelSection()
{
    if (m_selected) m_dc.SelectObject(m_old);
    m_dc.DeleteDC();
    if (m_bitmap) ::DeleteObject(m_bitmap);
}

}  // namespace qbk
