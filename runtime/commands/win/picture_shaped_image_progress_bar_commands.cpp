// Digit displays (type 50), shaped images (type 56) and image progress bars (type 63).
#include "command_table.h"
#include "image_progress_ctrl.h"
#include "image_sources.h"
#include "position_commands.h"

namespace {

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
template <class Load>
void ReplaceBarImage(CommandContext& ctx, Load load)
{
    ctx.SetResult("0");
    CImageProgressCtrl* bar = ProgressBar(ctx);
    if (!bar) return;
    bar->Image().DeleteObject();
    CImageBitmap image;
    const bool loaded = load(image) && image.CopyTo(&bar->Image());
    bar->UpdateBitmapSize();
    if (loaded) ctx.SetResult("1");
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
    {31, "Picture_Increase"},  // after the shared commands 0 to 30
    {32, "Picture_GetDigits"},      {33, "Picture_GetGlyphHeight"},
    {34, "Picture_GetGlyphWidth"},  {35, "Picture_GetTransparentColor"},
    {36, "Picture_GetValue"},       {37, "Picture_LoadEmbedded"},
    {38, "Picture_LoadFromObject"}, {39, "Picture_LoadEmbedded"},
    {40, "Picture_CopyImage"},      {41, "Picture_SetTransparentColor"},
    {42, "Picture_SetValue"},       {43, "Picture_SetLeadingZeros"},
    {44, "Picture_Decrease"},
};
static_assert(NumbersOwnCommands(kPicture, qbk::TypePicture, 44));

constexpr CommandEntry kShapedImage[] = {
    {31, "ShapedImage_GetBackColor"},  // after the shared commands 0 to 30
    {32, "ShapedImage_GetTransparentColor"}, {33, "ShapedImage_LoadFile"},   {34, "ShapedImage_LoadFromObject"},
    {35, "ShapedImage_LoadEmbedded"},        {36, "ShapedImage_CopyImage"},  {37, "ShapedImage_SetBackColor"},
    {38, "ShapedImage_SetHorizontalAlign"},  {39, "ShapedImage_SetStretch"}, {40, "ShapedImage_SetTransparentColor"},
    {41, "ShapedImage_SetVerticalAlign"},
};
static_assert(NumbersOwnCommands(kShapedImage, qbk::TypeShapedImage, 41));

constexpr CommandEntry kProgressBar[] = {
    {31, "ProgressBar_Increase", ProgressBar_Increase},  // after the shared commands 0 to 30
    {32, "ProgressBar_GetBackColor", ProgressBar_GetBackColor},
    {33, "ProgressBar_GetRange", ProgressBar_GetRange},
    {34, "ProgressBar_GetRange", ProgressBar_GetRange},
    {35, "ProgressBar_GetPos", ProgressBar_GetPos},
    {36, "ProgressBar_LoadImageFile", ProgressBar_LoadImageFile},
    {37, "ProgressBar_LoadImageFromObject"},
    {38, "ProgressBar_LoadImageEmbedded", ProgressBar_LoadImageEmbedded},
    {39, "ProgressBar_CopyImage"},
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
