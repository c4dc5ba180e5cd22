// Digit displays (type 50), shaped images (type 56) and image progress bars (type 63): values,
// colours, alignment and the images they show, loaded from files, embedded files, data streams and
// Bitmap objects.
#include <functional>

#include "command_table.h"
#include "data_stream_commands.h"
#include "grid_ctrl.h"
#include "image_progress_ctrl.h"
#include "image_sources.h"
#include "object_image.h"
#include "picture_static.h"
#include "position_commands.h"
#include "shape_button.h"

namespace {

// The image of a Bitmap object that holds one; null for anything else.
const CImageBitmap* BitmapSource(CommandContext& ctx, int id)
{
    return ObjectImageWithBitmap(ctx.FindObject(id, qbk::TypeBitmap));
}

// The stream of a DataStream object that has one; null for anything else.
CMemFile* StreamSource(CommandContext& ctx, int id) { return FindDataStream(ctx.FindObject(id)); }

using ImageLoad = std::function<bool(CImageBitmap& image)>;
// Gives a control a new image made by the load, and answers whether it loaded.
using ImageReplace = void (*)(CommandContext& ctx, const ImageLoad& load);

// The image from a DataStream object; an object of another type changes nothing.
void ReplaceFromStreamObject(CommandContext& ctx, ImageReplace replace)
{
    CMemFile* stream = StreamSource(ctx, ctx.Int());
    if (!stream) return ctx.SetResult("0");
    replace(ctx, [stream](CImageBitmap& image) { return LoadStreamImage(stream, image); });
}

// A copy of a Bitmap object's image; an object of another type, or one without an image, changes
// nothing.
void ReplaceFromBitmapObject(CommandContext& ctx, ImageReplace replace)
{
    const CImageBitmap* source = BitmapSource(ctx, ctx.Int());
    if (!source) return ctx.SetResult("0");
    replace(ctx, [source](CImageBitmap& image) { return CopyImage(source, image); });
}

// A flag argument: 0 off, a negative one the opposite of now, anything else on.
bool Switched(int flag, bool now) { return flag < 0 ? !now : flag != 0; }

// ---- Picture: a number shown in digit cells cut from a strip --------------------------------

CPictureStatic* DigitDisplay(const CommandContext& ctx)
{
    return ControlHandle(ctx) ? dynamic_cast<CPictureStatic*>(ctx.Control()) : nullptr;
}

// Answers read(display), "0" without one.
template <class Read>
void AnswerDisplay(CommandContext& ctx, Read read)
{
    CPictureStatic* display = DigitDisplay(ctx);
    ctx.SetInt(display ? read(*display) : 0);
}

// Moves the value by sign x the amount (wrapping as 32-bit numbers do) and answers the new value.
void MoveValueBy(CommandContext& ctx, int sign)
{
    const int amount = ctx.Int();
    CPictureStatic* display = DigitDisplay(ctx);
    if (!display) return ctx.SetInt(0);
    const unsigned moved = unsigned(display->GetValue()) + unsigned(sign) * unsigned(amount);
    display->SetValue(int(moved), true);
    ctx.SetInt(display->GetValue());
}

void Picture_Increase(CommandContext& ctx) { MoveValueBy(ctx, 1); }

void Picture_Decrease(CommandContext& ctx) { MoveValueBy(ctx, -1); }

void Picture_GetDigits(CommandContext& ctx)
{
    AnswerDisplay(ctx, [](CPictureStatic& d) { return d.GetDigitCount(); });
}

void Picture_GetValue(CommandContext& ctx)
{
    AnswerDisplay(ctx, [](CPictureStatic& d) { return d.GetValue(); });
}

CGridCtrl* GridOf(const CommandContext& ctx)
{
    return ControlHandle(ctx) ? dynamic_cast<CGridCtrl*>(ctx.Control()) : nullptr;
}

// Also the grids' command 33: their background colour.
void Picture_GetGlyphWidth(CommandContext& ctx)
{
    if (ctx.Object().Type == qbk::TypeGrid) {
        CGridCtrl* grid = GridOf(ctx);
        return ctx.SetInt(grid ? int(grid->GetGridBkColor()) : 0);
    }
    AnswerDisplay(ctx, [](CPictureStatic& d) { return d.GetCellWidth(); });
}

// Also the grids' command 45: their grid-line colour.
void Picture_GetGlyphHeight(CommandContext& ctx)
{
    if (ctx.Object().Type == qbk::TypeGrid) {
        CGridCtrl* grid = GridOf(ctx);
        return ctx.SetInt(grid ? int(grid->GetGridLineColor()) : 0);
    }
    AnswerDisplay(ctx, [](CPictureStatic& d) { return d.GetCellHeight(); });
}

void Picture_GetTransparentColor(CommandContext& ctx)
{
    CPictureStatic* display = DigitDisplay(ctx);
    ctx.SetInt(display ? int(display->GetTransparentColor()) : -1);
}

// Takes effect at the next drawing.
void Picture_SetTransparentColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    if (CPictureStatic* display = DigitDisplay(ctx)) display->SetTransparentColor(COLORREF(colour));
}

void Picture_SetValue(CommandContext& ctx)
{
    const int value = ctx.Int();
    CPictureStatic* display = DigitDisplay(ctx);
    if (!display) return ctx.SetInt(0);
    ctx.SetInt(display->GetValue());
    display->SetValue(value, true);
}

void Picture_SetLeadingZeros(CommandContext& ctx)
{
    const int flag = ctx.Int();
    if (CPictureStatic* display = DigitDisplay(ctx))
        display->SetLeadingZeros(Switched(flag, display->GetLeadingZeros() != 0) ? 1 : 0, 1);
}

// A new strip: the old one goes first; the display shows the loaded one, or no digits when it did
// not load. Answers whether it loaded.
void ReplaceStrip(CommandContext& ctx, const ImageLoad& load)
{
    ctx.SetResult("0");
    CPictureStatic* display = DigitDisplay(ctx);
    if (!display) return;
    const bool loaded = ReplaceBitmap(display->GetBitmap(), load);
    display->SetBitmap();
    ctx.SetTruth(loaded);
}

void Picture_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ReplaceStrip(ctx, [&](CImageBitmap& image) { return LoadEmbeddedBmp(ctx, name, image); });
}

void Picture_LoadFromObject(CommandContext& ctx) { ReplaceFromStreamObject(ctx, ReplaceStrip); }

void Picture_CopyImage(CommandContext& ctx) { ReplaceFromBitmapObject(ctx, ReplaceStrip); }

// ---- ShapedImage ---------------------------------------------------------------------------

CShapeButton* Shape(const CommandContext& ctx)
{
    return ControlHandle(ctx) ? dynamic_cast<CShapeButton*>(ctx.Control()) : nullptr;
}

void ShapedImage_GetBackColor(CommandContext& ctx)
{
    CShapeButton* shape = Shape(ctx);
    ctx.SetInt(shape ? int(shape->GetBackColor()) : 0);
}

void ShapedImage_GetTransparentColor(CommandContext& ctx)
{
    CShapeButton* shape = Shape(ctx);
    ctx.SetInt(shape ? int(shape->GetTransparentColor()) : -1);
}

// The shape's image replaced by a loaded one; one that does not load leaves the old image.
// Answers whether it loaded.
void LoadShapeImage(CommandContext& ctx, const ImageLoad& load)
{
    ctx.SetResult("0");
    CShapeButton* shape = Shape(ctx);
    if (!shape) return;
    CImageBitmap image;
    if (!load(image) || !shape->Image().CopyFrom(&image)) return;
    shape->RedrawWithBackground();
    ctx.SetResult("1");
}

void ShapedImage_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    LoadShapeImage(ctx, [&](CImageBitmap& image) { return LoadImageFile(path, image); });
}

void ShapedImage_LoadFromObject(CommandContext& ctx) { ReplaceFromStreamObject(ctx, LoadShapeImage); }

void ShapedImage_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    LoadShapeImage(ctx, [&](CImageBitmap& image) { return LoadEmbeddedBmp(ctx, name, image); });
}

void ShapedImage_CopyImage(CommandContext& ctx) { ReplaceFromBitmapObject(ctx, LoadShapeImage); }

// Changes the shape with change(shape), then repaints the window's area under it, so that what
// its transparent parts showed before goes.
template <class Change>
void ChangeShape(CommandContext& ctx, Change change)
{
    if (CShapeButton* shape = Shape(ctx)) {
        change(*shape);
        shape->RedrawWithBackground();
    }
}

void ShapedImage_SetBackColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    ChangeShape(ctx, [&](CShapeButton& shape) { shape.SetBackColor(COLORREF(colour)); });
}

// Exactly "CENTER" or "RIGHT"; any other word is the left.
void ShapedImage_SetHorizontalAlign(CommandContext& ctx)
{
    const CString word = ctx.Text();
    const int align = word == "CENTER" ? 1 : word == "RIGHT" ? 2 : 0;
    ChangeShape(ctx, [&](CShapeButton& shape) { shape.SetAlign(align, shape.GetVerticalAlign()); });
}

// Exactly "CENTER" or "BOTTOM"; any other word is the top.
void ShapedImage_SetVerticalAlign(CommandContext& ctx)
{
    const CString word = ctx.Text();
    const int align = word == "CENTER" ? 1 : word == "BOTTOM" ? 2 : 0;
    ChangeShape(ctx, [&](CShapeButton& shape) { shape.SetAlign(shape.GetHorizontalAlign(), align); });
}

void ShapedImage_SetStretch(CommandContext& ctx)
{
    const int flag = ctx.Int();
    ChangeShape(ctx, [&](CShapeButton& shape) { shape.SetStretch(Switched(flag, shape.GetStretch())); });
}

void ShapedImage_SetTransparentColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    ChangeShape(ctx, [&](CShapeButton& shape) { shape.SetTransparentColor(COLORREF(colour)); });
}

// ---- ProgressBar -----------------------------------------------------------------------------

CImageProgressCtrl* ProgressBar(const CommandContext& ctx)
{
    return ControlHandle(ctx) ? dynamic_cast<CImageProgressCtrl*>(ctx.Control()) : nullptr;
}

const PositionAccess kBarPosition = {
    [](HWND bar) { return int(::SendMessageA(bar, PBM_GETPOS, 0, 0)); },
    [](HWND bar, int position) { ::SendMessageA(bar, PBM_SETPOS, WPARAM(position), 0); },
};

void ProgressBar_Increase(CommandContext& ctx) { MovePositionBy(ctx, kBarPosition, 1); }

void ProgressBar_Decrease(CommandContext& ctx) { MovePositionBy(ctx, kBarPosition, -1); }

void ProgressBar_GetPos(CommandContext& ctx) { GetPosition(ctx, kBarPosition); }

void ProgressBar_SetPos(CommandContext& ctx) { SetPosition(ctx, kBarPosition); }

void ProgressBar_GetBackColor(CommandContext& ctx)
{
    CImageProgressCtrl* bar = ProgressBar(ctx);
    ctx.SetInt(bar ? int(bar->GetBackColor()) : -1);
}

void ProgressBar_GetRange(CommandContext& ctx)
{
    const HWND bar = ControlHandle(ctx);
    ctx.SetInt(bar ? int(::SendMessageA(bar, PBM_GETRANGE, FALSE, 0)) : 0);
}

// A new bar image: the old one goes first; the bar shows the loaded one, or none when it did not
// load. Answers whether it loaded.
void ReplaceBarImage(CommandContext& ctx, const ImageLoad& load)
{
    ctx.SetResult("0");
    CImageProgressCtrl* bar = ProgressBar(ctx);
    if (!bar) return;
    const bool loaded = ReplaceBitmap(bar->Image(), load);
    bar->UpdateBitmapSize();
    ctx.SetTruth(loaded);
}

void ProgressBar_LoadImageFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    ReplaceBarImage(ctx, [&](CImageBitmap& image) { return LoadImageFile(path, image); });
}

void ProgressBar_LoadImageEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ReplaceBarImage(ctx, [&](CImageBitmap& image) { return LoadEmbeddedBmp(ctx, name, image); });
}

void ProgressBar_LoadImageFromObject(CommandContext& ctx) { ReplaceFromStreamObject(ctx, ReplaceBarImage); }

void ProgressBar_CopyImage(CommandContext& ctx) { ReplaceFromBitmapObject(ctx, ReplaceBarImage); }

void ProgressBar_SetBackColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    if (CImageProgressCtrl* bar = ProgressBar(ctx))
        bar->SetBackColor(colour < 0 ? ::GetSysColor(COLOR_WINDOW) : COLORREF(colour));
}

void ProgressBar_SetRange(CommandContext& ctx)
{
    const int lower = ctx.Int(), upper = ctx.Int();
    if (const HWND bar = ControlOrZero(ctx)) ::SendMessageA(bar, PBM_SETRANGE32, WPARAM(lower), LPARAM(upper));
}

constexpr CommandEntry kPicture[] = {
    {31, "Picture_Increase", Picture_Increase},  // after the shared commands 0 to 30
    {32, "Picture_GetDigits", Picture_GetDigits},
    {33, "Picture_GetGlyphHeight", Picture_GetGlyphHeight},
    {34, "Picture_GetGlyphWidth", Picture_GetGlyphWidth},
    {35, "Picture_GetTransparentColor", Picture_GetTransparentColor},
    {36, "Picture_GetValue", Picture_GetValue},
    {37, "Picture_LoadEmbedded", Picture_LoadEmbedded},
    {38, "Picture_LoadFromObject", Picture_LoadFromObject},
    {39, "Picture_LoadEmbedded"},
    {40, "Picture_CopyImage", Picture_CopyImage},
    {41, "Picture_SetTransparentColor", Picture_SetTransparentColor},
    {42, "Picture_SetValue", Picture_SetValue},
    {43, "Picture_SetLeadingZeros", Picture_SetLeadingZeros},
    {44, "Picture_Decrease", Picture_Decrease},
};
static_assert(NumbersOwnCommands(kPicture, qbk::TypePicture, 44));

constexpr CommandEntry kShapedImage[] = {
    {31, "ShapedImage_GetBackColor", ShapedImage_GetBackColor},  // after the shared commands 0 to 30
    {32, "ShapedImage_GetTransparentColor", ShapedImage_GetTransparentColor},
    {33, "ShapedImage_LoadFile", ShapedImage_LoadFile},
    {34, "ShapedImage_LoadFromObject", ShapedImage_LoadFromObject},
    {35, "ShapedImage_LoadEmbedded", ShapedImage_LoadEmbedded},
    {36, "ShapedImage_CopyImage", ShapedImage_CopyImage},
    {37, "ShapedImage_SetBackColor", ShapedImage_SetBackColor},
    {38, "ShapedImage_SetHorizontalAlign", ShapedImage_SetHorizontalAlign},
    {39, "ShapedImage_SetStretch", ShapedImage_SetStretch},
    {40, "ShapedImage_SetTransparentColor", ShapedImage_SetTransparentColor},
    {41, "ShapedImage_SetVerticalAlign", ShapedImage_SetVerticalAlign},
};
static_assert(NumbersOwnCommands(kShapedImage, qbk::TypeShapedImage, 41));

constexpr CommandEntry kProgressBar[] = {
    {31, "ProgressBar_Increase", ProgressBar_Increase},  // after the shared commands 0 to 30
    {32, "ProgressBar_GetBackColor", ProgressBar_GetBackColor},
    {33, "ProgressBar_GetRange", ProgressBar_GetRange},
    {34, "ProgressBar_GetRange", ProgressBar_GetRange},
    {35, "ProgressBar_GetPos", ProgressBar_GetPos},
    {36, "ProgressBar_LoadImageFile", ProgressBar_LoadImageFile},
    {37, "ProgressBar_LoadImageFromObject", ProgressBar_LoadImageFromObject},
    {38, "ProgressBar_LoadImageEmbedded", ProgressBar_LoadImageEmbedded},
    {39, "ProgressBar_CopyImage", ProgressBar_CopyImage},
    {40, "ProgressBar_SetBackColor", ProgressBar_SetBackColor},
    {41, "ProgressBar_SetRange", ProgressBar_SetRange},
    {42, "ProgressBar_SetPos", ProgressBar_SetPos},
    {43, "ProgressBar_Decrease", ProgressBar_Decrease},
};
static_assert(NumbersOwnCommands(kProgressBar, qbk::TypeProgressBar, 43));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypePicture, kPicture),
                                  OwnCommands(qbk::TypeShapedImage, kShapedImage),
                                  OwnCommands(qbk::TypeProgressBar, kProgressBar)};

}  // namespace

extern const CommandFamily kPictureShapedImageProgressBarFamily("Picture, ShapedImage and ProgressBar", kLists);
