// Helpers of the image class's files: a memory context that holds a bitmap for its lifetime,
// and 32-bit pixel buffers exchanged with bitmaps.
#pragma once

#include "fw_dc.h"

#include <cstdint>

namespace qbk {

// A memory context compatible with ref (the screen when null) with a bitmap selected; the
// bitmap is put back out when it ends.
class SelectedDC {
public:
    SelectedDC(HBITMAP bitmap, CDC* ref = nullptr);
    ~SelectedDC();
    SelectedDC(const SelectedDC&) = delete;
    SelectedDC& operator=(const SelectedDC&) = delete;
    bool Ok() const { return m_ok; }
    CDC* operator->() { return &m_dc; }
    CDC* Get() { return &m_dc; }

private:
    CDC m_dc;
    HGDIOBJ m_old = nullptr;
    bool m_ok = false;
};

// A 32-bit top-down DIB section of its own, selected into a memory context: pixels read as
// 0x00RRGGBB in memory order.
class PixelSection {
public:
    PixelSection(int width, int height);
    ~PixelSection();
    PixelSection(const PixelSection&) = delete;
    PixelSection& operator=(const PixelSection&) = delete;
    bool Ok() const { return m_bits != nullptr && m_selected; }
    uint32_t* Bits() { return m_bits; }
    CDC* Dc() { return &m_dc; }

private:
    CDC m_dc;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_old = nullptr;
    uint32_t* m_bits = nullptr;
    bool m_selected = false;
};

}  // namespace qbk
