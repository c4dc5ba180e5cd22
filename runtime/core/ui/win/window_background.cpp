// The picture a project window paints as its background: its colour, and its "Image" drawn once,
// tiled or stretched by "Image Mode".
#include "project_window.h"
#include "window_background.h"
#include "window_services.h"

namespace {

COLORREF BackColour(const ObjectRecord& self)
{
    return self.BackColor == -1 ? ::GetSysColor(COLOR_BTNFACE) : COLORREF(self.BackColor);
}

}  // namespace

std::unique_ptr<CImageBitmap> LoadWindowImage(CProjectRuntime& runtime, const ObjectRecord& self)
{
    const CString name = GetPropertyValue("Image", self.Properties);
    if (name.IsEmpty() || name == "None") return nullptr;
    CMemFile* file = runtime.OpenEmbeddedFile(name);
    auto image = std::make_unique<CImageBitmap>();
    if (!file || !image->LoadBmp(file)) return nullptr;
    return image;
}

std::unique_ptr<CImageBitmap> PaintWindowBackground(CProjectRuntime& /*runtime*/, const ObjectRecord& self, int width,
                                                    int height, CImageBitmap* image)
{
    auto background = std::make_unique<CImageBitmap>();
    if (!background->CreateCompatible(nullptr, width, height)) return nullptr;
    std::unique_ptr<CDC> dc(background->CreateMemDC());
    if (!dc) return nullptr;
    dc->FillSolidRect(0, 0, width, height, BackColour(self));
    if (image) {
        const CSize size = image->GetSize();
        const CString mode = GetPropertyValue("Image Mode", self.Properties);
        if (mode == "Tile" && size.cx > 0 && size.cy > 0) {
            for (int x = 0; x < width; x += size.cx)
                for (int y = 0; y < height; y += size.cy) image->Draw(dc.get(), x, y, size.cx, size.cy, false);
        } else if (mode == "Stretch") {
            image->Draw(dc.get(), 0, 0, width, height, true);
        } else {
            image->Draw(dc.get(), 0, 0, size.cx, size.cy, false);
        }
    }
    return background;
}

void BuildWindowBackground(CProjectRuntime& runtime, WindowRecord* window)
{
    ObjectRecord* self = window ? window->Self() : nullptr;
    auto* wnd = self ? dynamic_cast<CProjectWnd*>(self->WindowObject) : nullptr;
    if (!wnd || !wnd->GetSafeHwnd()) return;
    RECT client;
    ::GetClientRect(*wnd, &client);
    wnd->ApplyOutline(TRUE);
    const int width = client.right - client.left, height = client.bottom - client.top;
    CImageBitmap* old = wnd->Background();
    if (!old || width <= 0 || height <= 0 || !runtime.m_running) return;
    const CSize size = old->GetSize();
    if (size.cx == width && size.cy == height) return;
    std::unique_ptr<CImageBitmap> image = LoadWindowImage(runtime, *self);
    wnd->SetBackground(PaintWindowBackground(runtime, *self, width, height, image.get()));
}
