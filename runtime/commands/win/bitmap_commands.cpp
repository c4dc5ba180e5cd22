// Images held by an object (type 41): made, loaded, changed and saved.
#include <algorithm>
#include <cstdlib>
#include <memory>

#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"
#include "object_image.h"
#include "value_format.h"

namespace {

constexpr int kBestQuality = 100;

int ClampQuality(int quality) { return quality < 0 || quality > kBestQuality ? kBestQuality : quality; }

// The image with a bitmap inside, or null.
CImageBitmap* DrawableImage(const ObjectRecord& object) { return ObjectImageWithBitmap(&object); }

// The object's colour as the fill of a new image: white when it has none.
COLORREF FillColour(const ObjectRecord& object)
{
    return object.BackColor == -1 ? RGB(255, 255, 255) : COLORREF(object.BackColor);
}

void Bitmap_Create(CommandContext& ctx)
{
    const int width = ctx.Int(), height = ctx.Int();
    ctx.SetTruth(false);
    CImageBitmap& image = EnsureBitmapImage(ctx.Object());
    if (!image.Create(width, height, 1, UINT(ctx.Runtime().m_colorDepth), nullptr)) return;
    std::unique_ptr<CDC> dc(image.CreateMemDC());
    if (dc) dc->FillSolidRect(0, 0, width, height, FillColour(ctx.Object()));
    ctx.SetTruth(true);
}

void Bitmap_Clear(CommandContext& ctx)
{
    CImageBitmap* image = ObjectImage(&ctx.Object());
    if (image) image->Clear();
    ctx.SetTruth(image != nullptr);
}

void Bitmap_GetColor(CommandContext& ctx) { ctx.SetInt(ctx.Object().BackColor); }

void Bitmap_GetHandle(CommandContext& ctx)
{
    const CImageBitmap* image = ObjectImage(&ctx.Object());
    ctx.SetResult(FormatNumber(image ? int64_t(reinterpret_cast<intptr_t>(image->GetSafeHandle())) : 0));
}

void Bitmap_GetHeight(CommandContext& ctx)
{
    const CImageBitmap* image = ObjectImage(&ctx.Object());
    ctx.SetInt(image ? image->GetSize().cy : 0);
}

void Bitmap_GetWidth(CommandContext& ctx)
{
    const CImageBitmap* image = ObjectImage(&ctx.Object());
    ctx.SetInt(image ? image->GetSize().cx : 0);
}

void Bitmap_PasteFromClipboard(CommandContext& ctx)
{
    ctx.SetTruth(false);
    CImageBitmap& image = EnsureBitmapImage(ctx.Object());
    if (!::OpenClipboard(nullptr)) return;
    // The clipboard's bitmap stays the clipboard's: it is copied while the clipboard is open.
    CImageBitmap borrowed;
    if (borrowed.Attach(::GetClipboardData(CF_BITMAP))) {
        ctx.SetTruth(image.CopyFrom(&borrowed));
        borrowed.Detach();
    }
    ::CloseClipboard();
}

void Bitmap_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    ctx.SetTruth(EnsureBitmapImage(ctx.Object()).LoadFile(path));
}

void Bitmap_LoadFromStream(CommandContext& ctx)
{
    CMemFile* stream = FindDataStream(ctx.FindObject(ctx.Int()));
    ctx.SetTruth(false);
    if (!stream || stream->GetLength() == 0) return;
    ctx.SetTruth(EnsureBitmapImage(ctx.Object()).LoadStream(stream));
}

void Bitmap_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetTruth(false);
    CImageBitmap& image = EnsureBitmapImage(ctx.Object());
    CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name);
    if (file) ctx.SetTruth(image.LoadStream(file));
}

void Bitmap_CaptureScreen(CommandContext& ctx)
{
    const HWND window = reinterpret_cast<HWND>(intptr_t(std::strtoll(ctx.Text(), nullptr, 10)));
    const int x = ctx.Int(), y = ctx.Int();
    int width = ctx.Int(), height = ctx.Int();
    ctx.SetTruth(false);
    CImageBitmap& image = EnsureBitmapImage(ctx.Object());
    RECT reference = {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
    if (intptr_t(window) > 0 && !::GetWindowRect(window, &reference)) return;
    if (width < 0) width = reference.right - reference.left;
    if (height < 0) height = reference.bottom - reference.top;
    RECT area;
    area.left = std::max(LONG(reference.left + x), reference.left);
    area.top = std::max(LONG(reference.top + y), reference.top);
    area.right = std::min(LONG(area.left + width), reference.right);
    area.bottom = std::min(LONG(area.top + height), reference.bottom);
    // Nothing of the screen lies in an empty area: there is no picture to take.
    if (area.right <= area.left || area.bottom <= area.top) return;
    CDC screen;
    if (!screen.Attach(::GetDC(nullptr))) return;
    ctx.SetTruth(image.CopyFromDC(&screen, &area));
    ::ReleaseDC(nullptr, screen.Detach());
}

void Bitmap_CopyFrom(CommandContext& ctx)
{
    const ObjectRecord* source = ctx.FindObject(ctx.Int(), qbk::TypeBitmap);
    ctx.SetTruth(false);
    const CImageBitmap* other = ObjectImage(source);
    if (!other) return;
    ctx.SetTruth(EnsureBitmapImage(ctx.Object()).CopyFrom(other));
}

void Bitmap_MakeMask(CommandContext& ctx)
{
    const int colour = ctx.Int();
    if (CImageBitmap* image = DrawableImage(ctx.Object())) image->MakeMask(COLORREF(colour));
}

void Bitmap_Rotate(CommandContext& ctx)
{
    const int mode = ctx.Int();
    ctx.SetTruth(false);
    if (CImageBitmap* image = DrawableImage(ctx.Object())) ctx.SetTruth(image->Rotate(mode));
}

void Bitmap_SaveBmpFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    ctx.SetTruth(false);
    if (const CImageBitmap* image = DrawableImage(ctx.Object())) ctx.SetTruth(image->SaveBmpFile(path));
}

void Bitmap_SaveJpegFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const int quality = ClampQuality(ctx.Int());
    ctx.SetTruth(false);
    if (const CImageBitmap* image = DrawableImage(ctx.Object())) ctx.SetTruth(image->SaveJpegFile(path, quality));
}

void Bitmap_SavePngFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    ctx.SetTruth(false);
    if (const CImageBitmap* image = DrawableImage(ctx.Object())) ctx.SetTruth(image->SavePngFile(path));
}

// Replaces a DataStream's content with the image written by save. Without an image there is
// nothing to write, and the stream keeps what it holds.
template <class Save>
void SaveIntoStream(CommandContext& ctx, int streamId, Save save)
{
    ctx.SetTruth(false);
    ObjectRecord* target = ctx.FindObject(streamId, qbk::TypeDataStream);
    const CImageBitmap* image = DrawableImage(ctx.Object());
    if (!target || !image) return;
    ctx.SetTruth(save(*image, NewDataStream(*target)));
}

void Bitmap_SaveBmpStream(CommandContext& ctx)
{
    SaveIntoStream(ctx, ctx.Int(),
                   [](const CImageBitmap& image, CMemFile& stream) { return image.SaveToStream(&stream); });
}

void Bitmap_SaveJpegStream(CommandContext& ctx)
{
    const int id = ctx.Int();
    const int quality = ClampQuality(ctx.Int());
    SaveIntoStream(ctx, id, [quality](const CImageBitmap& image, CMemFile& stream) {
        return image.SaveJpegStream(&stream, quality);
    });
}

void Bitmap_SavePngStream(CommandContext& ctx)
{
    SaveIntoStream(ctx, ctx.Int(),
                   [](const CImageBitmap& image, CMemFile& stream) { return image.SavePngStream(&stream); });
}

void Bitmap_SetColor(CommandContext& ctx) { ctx.Object().BackColor = ctx.Int(); }

constexpr CommandEntry kBitmap[] = {
    {2, "Bitmap_Create", Bitmap_Create},  // after the shared commands 0 and 1
    {3, "Bitmap_Clear", Bitmap_Clear},
    {4, "Bitmap_GetColor", Bitmap_GetColor},
    {5, "Bitmap_GetHandle", Bitmap_GetHandle},
    {6, "Bitmap_GetHeight", Bitmap_GetHeight},
    {7, "Bitmap_GetWidth", Bitmap_GetWidth},
    {8, "Bitmap_PasteFromClipboard", Bitmap_PasteFromClipboard},
    {9, "Bitmap_LoadFile", Bitmap_LoadFile},
    {10, "Bitmap_LoadFromStream", Bitmap_LoadFromStream},
    {11, "Bitmap_LoadEmbedded", Bitmap_LoadEmbedded},
    {12, "Bitmap_CaptureScreen", Bitmap_CaptureScreen},
    {13, "Bitmap_CopyFrom", Bitmap_CopyFrom},
    {14, "Bitmap_MakeMask", Bitmap_MakeMask},
    {15, "Bitmap_Rotate", Bitmap_Rotate},
    {16, "Bitmap_SaveBmpFile", Bitmap_SaveBmpFile},
    {17, "Bitmap_SaveBmpStream", Bitmap_SaveBmpStream},
    {18, "Bitmap_SaveJpegFile", Bitmap_SaveJpegFile},
    {19, "Bitmap_SaveJpegStream", Bitmap_SaveJpegStream},
    {20, "Bitmap_SavePngFile", Bitmap_SavePngFile},
    {21, "Bitmap_SavePngStream", Bitmap_SavePngStream},
    {22, "Bitmap_SetColor", Bitmap_SetColor},
};
static_assert(NumbersOwnCommands(kBitmap, qbk::TypeBitmap, 22));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeBitmap, kBitmap)};

}  // namespace

extern const CommandFamily kBitmapFamily("Bitmap", kLists);
