#include "pixel_tool.h"

#include "bmp_format.h"
#include "image_bitmap_support.h"
#include "pixel_ops.h"

#include <commctrl.h>

#include <cstdlib>
#include <vector>

using qbk::PixelRect;

namespace {

// What a pixel whose source lies outside the image gets: the value GetPixel answers there
// (CLR_INVALID), written as SetPixelV writes it.
uint32_t OutsideColour()
{
    static const uint32_t colour = [] {
        qbk::PixelSection probe(1, 1);
        if (!probe.Ok()) return 0xFFFFFFu;
        probe.Dc()->SetPixelV(0, 0, CLR_INVALID);
        ::GdiFlush();
        return probe.Bits()[0] & 0xFFFFFF;
    }();
    return colour;
}

class ToolControl : public qbk::PassControl {
public:
    ToolControl(const std::function<bool()>& cancel, HWND progress) : cancel_(cancel), progress_(progress) {}
    bool Cancelled() override { return cancel_ && cancel_(); }
    void Progress(int permille) override
    {
        if (progress_) ::SendMessage(progress_, PBM_SETPOS, WPARAM(permille), 0);
    }

private:
    const std::function<bool()>& cancel_;
    HWND progress_;
};

}  // namespace

CPixelTool::CPixelTool(CDC* target, const RECT* rect, HWND progressBar) : m_target(target), m_progress(progressBar)
{
    if (rect) {
        m_left = rect->left;
        m_top = rect->top;
        m_right = rect->right;
        m_bottom = rect->bottom;
    }
    cancelCheck = [] { return ::GetAsyncKeyState(VK_ESCAPE) < 0; };
    random = [] { return std::rand() % 32768; };
}

void CPixelTool::RunPass(const Pass& pass)
{
    PixelRect rect{m_left, m_top, m_right, m_bottom};
    if (!m_target || !m_target->GetSafeHdc() || rect.Empty()) return;
    if (qbk::CappedImageBytes(uint64_t(int64_t(rect.right) - rect.left) * 4,
                              uint64_t(int64_t(rect.bottom) - rect.top)) == 0)
        return;
    BITMAP description;
    HGDIOBJ image = ::GetCurrentObject(m_target->GetSafeHdc(), OBJ_BITMAP);
    if (!image || !::GetObject(image, sizeof description, &description)) return;
    if (m_progress) {
        ::SendMessage(m_progress, PBM_SETRANGE32, 0, 1000);
        ::SendMessage(m_progress, PBM_SETPOS, 0, 0);
    }
    // The image as it was before the pass: every source pixel is read from this copy.
    qbk::PixelSection source(description.bmWidth, description.bmHeight);
    qbk::PixelSection scratch(rect.Width(), rect.Height());
    if (!source.Ok() || !scratch.Ok()) return;
    source.Dc()->BitBlt(0, 0, description.bmWidth, description.bmHeight, m_target, 0, 0, SRCCOPY);
    ::GdiFlush();
    qbk::PixelGrid grid{source.Bits(), description.bmWidth, description.bmHeight};
    ToolControl control(cancelCheck, m_progress);
    if (!pass(grid, rect, scratch.Bits(), control)) return;
    uint32_t outside = OutsideColour();
    size_t count = size_t(rect.Width()) * size_t(rect.Height());
    for (size_t i = 0; i < count; ++i)
        if (scratch.Bits()[i] == qbk::kNoPixel) scratch.Bits()[i] = outside;
    ::GdiFlush();
    m_target->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), scratch.Dc(), 0, 0, SRCCOPY);
}

void CPixelTool::MajorityFilter(int radius)
{
    RunPass([radius](const qbk::PixelGrid& g, const PixelRect& r, uint32_t* out, qbk::PassControl& c) {
        return qbk::MajorityFilterPass(g, r, radius, out, c);
    });
}

void CPixelTool::Diffuse(int amount)
{
    RunPass([this, amount](const qbk::PixelGrid& g, const PixelRect& r, uint32_t* out, qbk::PassControl& c) {
        return qbk::DiffusePass(g, r, amount, random, out, c);
    });
}

void CPixelTool::Ripple(int amount)
{
    RunPass([amount](const qbk::PixelGrid& g, const PixelRect& r, uint32_t* out, qbk::PassControl& c) {
        return qbk::RipplePass(g, r, amount, out, c);
    });
}

void CPixelTool::Smooth()
{
    RunPass([](const qbk::PixelGrid& g, const PixelRect& r, uint32_t* out, qbk::PassControl& c) {
        return qbk::SmoothPass(g, r, out, c);
    });
}

COLORREF CPixelTool::DominantColour(CDC* dc, int x, int y, int radius) const
{
    if (!dc || !dc->GetSafeHdc()) return CLR_INVALID;
    std::vector<std::pair<uint32_t, int>> table;
    PixelRect clip{m_left, m_top, m_right, m_bottom};
    auto get = [dc](int64_t px, int64_t py) -> uint32_t {
        return px < INT32_MIN || px > INT32_MAX || py < INT32_MIN || py > INT32_MAX ? CLR_INVALID
                                                                                    : dc->GetPixel(int(px), int(py));
    };
    return qbk::DominantColourOf(get, clip, x, y, radius, table);
}
