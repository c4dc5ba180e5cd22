// Drawing on a window's picture or a Bitmap object's image (type 30): lines, shapes, text, images
// and pixel effects, with the pen, colour, font, transparent colour and stretch mode the tool keeps.
#include <algorithm>
#include <memory>

#include "clipboard_helpers.h"
#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"
#include "font_object.h"
#include "fw_wnd.h"
#include "object_image.h"
#include "pixel_tool.h"
#include "value_format.h"

namespace {

// The tool's settings, kept in its number list while it has a target.
enum SettingIndex { kTarget, kPenWidth, kColour, kFont, kTransparent, kStretch, kSettingCount };
constexpr int kWindowTarget = 3;  // the id that stands for the script's window
constexpr int kDefaultFontHeight = 15;

bool HasSettings(const ObjectRecord& tool) { return tool.Numbers.size() >= kSettingCount; }

RECT Rect(int x, int y, int width, int height) { return RECT{x, y, x + width, y + height}; }

RECT Normalised(RECT r)
{
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    return r;
}

RECT Grown(RECT r, int by)
{
    ::InflateRect(&r, by, by);
    return r;
}

// One drawing command's work on the target: a memory context with the target's image selected,
// opened after the arguments were pulled and closed (with the window repainted where the target
// is the window) when the command is done.
class Drawing {
public:
    explicit Drawing(CommandContext& ctx) : m_ctx(ctx)
    {
        const ObjectRecord& tool = ctx.Object();
        if (!HasSettings(tool)) return;
        m_target = CProjectRuntime::FindObjectByNumber(&ctx.Window(), tool.Numbers[kTarget]);
        m_image = ObjectImage(m_target);
        if (!m_image || !m_image->GetSafeHandle() || !m_dc.CreateCompatibleDC(nullptr)) return;
        m_old = m_dc.SelectObject(m_image->GetSafeHandle());
        if (!m_old) return;
        m_window = int(tool.Numbers[kTarget]) == kWindowTarget;
        if (m_window && m_target->WindowObject) {
            ::GetClientRect(m_target->WindowObject->GetSafeHwnd(), &m_area);
        } else {
            const CSize size = m_image->GetSize();
            m_area = RECT{0, 0, size.cx, size.cy};
        }
        m_ok = true;
    }
    ~Drawing()
    {
        if (!m_ok) return;
        Release();
        m_image->PixelsChanged();
        if (m_window && m_repaint && m_target->WindowObject)
            ::RedrawWindow(m_target->WindowObject->GetSafeHwnd(), m_wholeWindow ? nullptr : &m_repaintArea, nullptr,
                           RDW_INVALIDATE | RDW_UPDATENOW);
    }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    bool Ok() const { return m_ok; }
    CDC* Dc() { return &m_dc; }
    HDC Hdc() const { return m_dc.GetSafeHdc(); }
    CImageBitmap& Image() const { return *m_image; }
    const ObjectRecord& Target() const { return *m_target; }
    const RECT& Area() const { return m_area; }
    double Setting(SettingIndex which) const { return m_ctx.Object().Numbers[which]; }
    int IntSetting(SettingIndex which) const { return int(Setting(which)); }

    // Takes the image out of the context, for work that opens contexts of its own on it.
    void Release()
    {
        if (m_old) m_dc.SelectObject(m_old);
        m_old = nullptr;
    }
    void Repaint(const RECT& area)
    {
        m_repaint = true;
        m_repaintArea = area;
    }
    void RepaintWhole() { m_repaint = m_wholeWindow = true; }

private:
    CommandContext& m_ctx;
    ObjectRecord* m_target = nullptr;
    CImageBitmap* m_image = nullptr;
    CDC m_dc;
    HGDIOBJ m_old = nullptr;
    RECT m_area = {};
    bool m_ok = false;
    bool m_window = false;
    bool m_repaint = false;
    bool m_wholeWindow = false;
    RECT m_repaintArea = {};
};

// A GDI object selected into a context for one drawing, then put back and deleted.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : m_dc(dc), m_object(object), m_old(object ? ::SelectObject(dc, object) : nullptr)
    {
    }
    ~Selected()
    {
        if (m_old) ::SelectObject(m_dc, m_old);
        if (m_object) ::DeleteObject(m_object);
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_object;
    HGDIOBJ m_old;
};

HPEN MakePen(const Drawing& d)
{
    return ::CreatePen(PS_SOLID, d.IntSetting(kPenWidth), COLORREF(d.IntSetting(kColour)));
}

// The font text commands use: the Font object's, or a plain Arial of height 15 (owned here).
class TextFont {
public:
    TextFont(CommandContext& ctx, Drawing& d)
    {
        HFONT font = nullptr;
        if (d.IntSetting(kFont) != -1) font = FontOfObject(ctx.FindObject(d.IntSetting(kFont), qbk::TypeFont));
        if (!font) {
            m_own = ::CreateFontA(kDefaultFontHeight, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, "Arial");
            font = m_own;
        }
        m_dc = d.Hdc();
        m_old = ::SelectObject(m_dc, font);
    }
    ~TextFont()
    {
        if (m_old) ::SelectObject(m_dc, m_old);
        if (m_own) ::DeleteObject(m_own);
    }
    TextFont(const TextFont&) = delete;
    TextFont& operator=(const TextFont&) = delete;

private:
    HDC m_dc = nullptr;
    HFONT m_own = nullptr;
    HGDIOBJ m_old = nullptr;
};

void PrepareText(Drawing& d, int background)
{
    ::SetTextColor(d.Hdc(), COLORREF(d.IntSetting(kColour)));
    if (background != -1) {
        ::SetBkMode(d.Hdc(), OPAQUE);
        ::SetBkColor(d.Hdc(), COLORREF(background));
    } else {
        ::SetBkMode(d.Hdc(), TRANSPARENT);
    }
}

// The image drawn at x, y: transparent when the tool has a transparent colour, stretched into
// width x height in stretch mode, else clipped to it.
void DrawImage(Drawing& d, CImageBitmap& image, int x, int y, int width, int height)
{
    const bool stretch = d.Setting(kStretch) != 0;
    if (d.Setting(kTransparent) >= 0) {
        image.SetTransparentColor(COLORREF(d.IntSetting(kTransparent)));
        image.DrawTransparentRect(d.Dc(), x, y, x + width, y + height, stretch);
    } else {
        image.DrawRect(d.Dc(), x, y, x + width, y + height, stretch);
    }
    const CSize size = image.GetSize();
    d.Repaint(width < 0 || height < 0 ? Rect(x, y, size.cx, size.cy) : Rect(x, y, width, height));
}

struct Box {
    int x, y, width, height;
    RECT Get() const { return Rect(x, y, width, height); }
};

Box PullBox(CommandContext& ctx)
{
    Box box;
    box.x = ctx.Int();
    box.y = ctx.Int();
    box.width = ctx.Int();
    box.height = ctx.Int();
    return box;
}

// ---- settings --------------------------------------------------------------------------------

void DrawingTool_SetTarget(CommandContext& ctx)
{
    const int id = ctx.Int();
    ctx.SetTruth(false);
    ObjectRecord* target = id == -1 ? ctx.Window().Self() : ctx.FindObject(id, qbk::TypeBitmap);
    const CImageBitmap* image = ObjectImage(target);
    if (!image || !image->GetSafeHandle()) return;
    ctx.Object().Numbers = {double(id == -1 ? kWindowTarget : id), 1, 0, -1, -1, 0};
    ctx.SetTruth(true);
}

void DrawingTool_Reset(CommandContext& ctx) { ctx.Object().Numbers.clear(); }

// Writes one setting while the tool has a target.
void SetSetting(CommandContext& ctx, SettingIndex which, double value)
{
    if (HasSettings(ctx.Object())) ctx.Object().Numbers[which] = value;
}

void DrawingTool_SetColor(CommandContext& ctx) { SetSetting(ctx, kColour, ctx.Int()); }

// Also the ScrollBar's command that sets its second number, which it keeps in the same place.
void DrawingTool_SetPenWidth(CommandContext& ctx)
{
    const int width = ctx.Int();
    std::vector<double>& numbers = ctx.Object().Numbers;
    if (numbers.size() > kPenWidth) numbers[kPenWidth] = width;
}

void DrawingTool_SetTransparentColor(CommandContext& ctx) { SetSetting(ctx, kTransparent, ctx.Int()); }

void DrawingTool_SetStretch(CommandContext& ctx)
{
    const int flag = ctx.Int();
    if (!HasSettings(ctx.Object())) return;
    double& stretch = ctx.Object().Numbers[kStretch];
    stretch = flag < 0 ? (stretch == 0 ? 1 : 0) : (flag == 0 ? 0 : 1);
}

void DrawingTool_SetFont(CommandContext& ctx)
{
    const int id = ctx.Int();
    if (!HasSettings(ctx.Object())) return;
    if (id == -1 || FontOfObject(ctx.FindObject(id, qbk::TypeFont))) ctx.Object().Numbers[kFont] = id;
}

void DrawingTool_GetTransparentColor(CommandContext& ctx)
{
    ctx.SetResult(HasSettings(ctx.Object()) ? DoubleToString(ctx.Object().Numbers[kTransparent]) : CString("-1"));
}

// ---- filling, shapes, lines and pixels --------------------------------------------------------

void DrawingTool_Fill(CommandContext& ctx)
{
    int colour = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    if (colour == -1) colour = d.Target().BackColor;
    if (colour == -1) colour = int(::GetSysColor(COLOR_BTNFACE));
    d.Dc()->FillSolidRect(&d.Area(), COLORREF(colour));
    d.RepaintWhole();
}

void DrawingTool_FillRect(CommandContext& ctx)
{
    const RECT r = PullBox(ctx).Get();
    Drawing d(ctx);
    if (!d.Ok()) return;
    d.Dc()->FillSolidRect(&r, COLORREF(d.IntSetting(kColour)));
    d.Repaint(r);
}

using ShapeFunction = void (*)(HDC dc, const RECT& r, int cornerWidth, int cornerHeight);

// A shape outlined with the pen and filled with a solid brush of the fill colour.
void DrawShape(CommandContext& ctx, const Box& box, int cornerWidth, int cornerHeight, int fill, ShapeFunction shape)
{
    Drawing d(ctx);
    if (!d.Ok()) return;
    {
        Selected pen(d.Hdc(), MakePen(d)), brush(d.Hdc(), ::CreateSolidBrush(COLORREF(fill)));
        shape(d.Hdc(), box.Get(), cornerWidth, cornerHeight);
    }
    d.Repaint(Grown(box.Get(), d.IntSetting(kPenWidth)));
}

void DrawingTool_Ellipse(CommandContext& ctx)
{
    const Box box = PullBox(ctx);
    const int fill = ctx.Int();
    DrawShape(ctx, box, 0, 0, fill,
              [](HDC dc, const RECT& r, int, int) { ::Ellipse(dc, r.left, r.top, r.right, r.bottom); });
}

void DrawingTool_Rectangle(CommandContext& ctx)
{
    const Box box = PullBox(ctx);
    const int fill = ctx.Int();
    DrawShape(ctx, box, 0, 0, fill,
              [](HDC dc, const RECT& r, int, int) { ::Rectangle(dc, r.left, r.top, r.right, r.bottom); });
}

void DrawingTool_RoundRect(CommandContext& ctx)
{
    const Box box = PullBox(ctx);
    const int cornerWidth = ctx.Int(), cornerHeight = ctx.Int();
    const int fill = ctx.Int();
    DrawShape(ctx, box, cornerWidth, cornerHeight, fill,
              [](HDC dc, const RECT& r, int w, int h) { ::RoundRect(dc, r.left, r.top, r.right, r.bottom, w, h); });
}

void DrawingTool_DrawLine(CommandContext& ctx)
{
    const int x1 = ctx.Int(), y1 = ctx.Int(), x2 = ctx.Int(), y2 = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    {
        Selected pen(d.Hdc(), MakePen(d));
        ::MoveToEx(d.Hdc(), x1, y1, nullptr);
        ::LineTo(d.Hdc(), x2, y2);
    }
    d.Repaint(Grown(Normalised(RECT{x1, y1, x2, y2}), d.IntSetting(kPenWidth)));
}

void DrawingTool_Dot(CommandContext& ctx)
{
    const int x = ctx.Int(), y = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    const int width = d.IntSetting(kPenWidth);
    if (width <= 1) {
        // A line of no length leaves a thin pen nothing to draw: the dot is the one pixel.
        ::SetPixelV(d.Hdc(), x, y, COLORREF(d.IntSetting(kColour)));
    } else {
        Selected pen(d.Hdc(), MakePen(d));
        ::MoveToEx(d.Hdc(), x, y, nullptr);
        ::LineTo(d.Hdc(), x, y);
    }
    d.Repaint(RECT{x - width, y - width, x + width, y + width});
}

void DrawingTool_SetPixel(CommandContext& ctx)
{
    const int x = ctx.Int(), y = ctx.Int(), colour = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    ::SetPixelV(d.Hdc(), x, y, COLORREF(colour));
    d.Repaint(RECT{x - 1, y - 1, x + 1, y + 1});
}

void DrawingTool_GetPixel(CommandContext& ctx)
{
    const int x = ctx.Int(), y = ctx.Int();
    ctx.SetInt(-1);
    Drawing d(ctx);
    if (!d.Ok()) return;
    const CSize size = d.Image().GetSize();
    if (x < 0 || y < 0 || x >= size.cx || y >= size.cy) return;
    ctx.SetInt(int(::GetPixel(d.Hdc(), x, y)));
}

void DrawingTool_FloodFill(CommandContext& ctx)
{
    const int x = ctx.Int(), y = ctx.Int(), colour = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    {
        Selected brush(d.Hdc(), ::CreateSolidBrush(COLORREF(colour)));
        ::ExtFloodFill(d.Hdc(), x, y, ::GetPixel(d.Hdc(), x, y), FLOODFILLSURFACE);
    }
    d.RepaintWhole();
}

void DrawingTool_InvertArea(CommandContext& ctx)
{
    const RECT r = PullBox(ctx).Get();
    Drawing d(ctx);
    if (!d.Ok()) return;
    ::InvertRect(d.Hdc(), &r);
    d.Repaint(r);
}

void DrawingTool_InvertFrames(CommandContext& ctx)
{
    const RECT first = PullBox(ctx).Get(), second = PullBox(ctx).Get();
    Drawing d(ctx);
    if (!d.Ok()) return;
    // A rectangle and then its inside, inverted: only the outline stays inverted.
    const RECT order[] = {Grown(second, -1), second, first, Grown(first, -1)};
    for (const RECT& r : order) ::InvertRect(d.Hdc(), &r);
    RECT both;
    const RECT a = Normalised(first), b = Normalised(second);
    ::UnionRect(&both, &a, &b);
    d.Repaint(Grown(both, 2));
}

struct EdgeWord {
    const char* Word;
    UINT Edge;
};
constexpr EdgeWord kEdges[] = {{"BUMP", EDGE_BUMP},
                               {"ETCHED", EDGE_ETCHED},
                               {"RAISED", EDGE_RAISED},
                               {"SUNKEN", EDGE_SUNKEN},
                               {"RAISEDINNER", BDR_RAISEDINNER},
                               {"RAISEDOUTER", BDR_RAISEDOUTER},
                               {"SUNKENINNER", BDR_SUNKENINNER},
                               {"SUNKENOUTER", BDR_SUNKENOUTER}};

void DrawingTool_DrawEdge(CommandContext& ctx)
{
    const RECT box = PullBox(ctx).Get();
    const CString word = ctx.Text();
    UINT edge = EDGE_BUMP;
    for (const EdgeWord& e : kEdges)
        if (word == e.Word) edge = e.Edge;
    Drawing d(ctx);
    if (!d.Ok()) return;
    RECT r = box;
    ::DrawEdge(d.Hdc(), &r, edge, BF_RECT);
    d.Repaint(Grown(Normalised(box), 5));
}

void DrawingTool_Scroll(CommandContext& ctx)
{
    const int dx = ctx.Int(), dy = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    ::ScrollDC(d.Hdc(), dx, dy, nullptr, nullptr, nullptr, nullptr);
    d.RepaintWhole();
}

// ---- whole-image work -------------------------------------------------------------------------

void DrawingTool_Gradient(CommandContext& ctx)
{
    const RECT r = PullBox(ctx).Get();
    const int channel = ctx.Int(), direction = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    d.Release();
    d.Image().FillGradient(channel, direction, &r);
    d.Repaint(r);
}

template <bool (CImageBitmap::*Flip)(const RECT*)>
void FlipArea(CommandContext& ctx)
{
    const RECT r = PullBox(ctx).Get();
    Drawing d(ctx);
    if (!d.Ok()) return;
    d.Release();
    (d.Image().*Flip)(&r);
    d.Repaint(r);
}

void DrawingTool_FlipVertical(CommandContext& ctx) { FlipArea<&CImageBitmap::FlipVertical>(ctx); }
void DrawingTool_FlipHorizontal(CommandContext& ctx) { FlipArea<&CImageBitmap::FlipHorizontal>(ctx); }

// One pixel pass over the rectangle, with progress shown on a ProgressBar object when one is named.
template <class Pass>
void PixelEffect(CommandContext& ctx, const RECT& r, int progressId, Pass pass)
{
    const ObjectRecord* progress = ctx.FindObject(progressId);
    const HWND bar = progress && progress->WindowObject ? progress->WindowObject->GetSafeHwnd() : nullptr;
    Drawing d(ctx);
    if (!d.Ok()) return;
    CPixelTool tool(d.Dc(), &r, bar);
    pass(tool);
    d.Repaint(r);
}

void DrawingTool_Scatter(CommandContext& ctx)
{
    const RECT r = PullBox(ctx).Get();
    const int strength = ctx.Int(), progress = ctx.Int();
    PixelEffect(ctx, r, progress, [strength](CPixelTool& tool) { tool.Scatter(strength); });
}

void DrawingTool_ModeFilter(CommandContext& ctx)
{
    const RECT r = PullBox(ctx).Get();
    const int radius = ctx.Int(), progress = ctx.Int();
    PixelEffect(ctx, r, progress, [radius](CPixelTool& tool) { tool.ModeFilter(radius); });
}

void DrawingTool_Smooth(CommandContext& ctx)
{
    const RECT r = PullBox(ctx).Get();
    const int progress = ctx.Int();
    PixelEffect(ctx, r, progress, [](CPixelTool& tool) { tool.Smooth(); });
}

void DrawingTool_Wave(CommandContext& ctx)
{
    const RECT r = PullBox(ctx).Get();
    const int strength = ctx.Int(), progress = ctx.Int();
    PixelEffect(ctx, r, progress, [strength](CPixelTool& tool) { tool.Wave(strength); });
}

// ---- text -------------------------------------------------------------------------------------

void DrawingTool_DrawText(CommandContext& ctx)
{
    const CString text = ctx.Text();
    RECT r = PullBox(ctx).Get();
    const CString horizontal = ctx.Text(), vertical = ctx.Text();
    const int background = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    TextFont font(ctx, d);
    PrepareText(d, background);
    UINT format = DT_NOPREFIX;
    if (horizontal == "CENTER") format |= DT_CENTER;
    if (horizontal == "RIGHT") format |= DT_RIGHT;
    RECT measured = r;
    ::DrawTextA(d.Hdc(), text, text.GetLength(), &measured, format | DT_CALCRECT);
    const int height = measured.bottom - measured.top;
    if (vertical == "CENTER") {
        r.top = r.top + (r.bottom - r.top) / 2 - height / 2;
        r.bottom = r.top + height;
    } else if (vertical == "BOTTOM") {
        r.top = r.bottom - height;
    }
    ::DrawTextA(d.Hdc(), text, text.GetLength(), &r, format);
    d.Repaint(r);
}

void DrawingTool_TextAt(CommandContext& ctx)
{
    const CString text = ctx.Text();
    const int x = ctx.Int(), y = ctx.Int(), background = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    TextFont font(ctx, d);
    PrepareText(d, background);
    RECT r = {x, y, x, y};
    ::DrawTextA(d.Hdc(), text, text.GetLength(), &r, DT_CALCRECT | DT_NOCLIP | DT_NOPREFIX);
    ::DrawTextA(d.Hdc(), text, text.GetLength(), &r, DT_NOCLIP | DT_NOPREFIX);
    d.Repaint(r);
}

// The extent of the text in the tool's font, all lines.
template <LONG RECT::*Low, LONG RECT::*High>
void MeasureText(CommandContext& ctx)
{
    const CString text = ctx.Text();
    ctx.SetInt(0);
    Drawing d(ctx);
    if (!d.Ok()) return;
    TextFont font(ctx, d);
    RECT r = {0, 0, 0, 0};
    ::DrawTextA(d.Hdc(), text, text.GetLength(), &r, DT_CALCRECT | DT_NOCLIP | DT_NOPREFIX);
    ctx.SetInt(r.*High - r.*Low);
}

void DrawingTool_GetTextHeight(CommandContext& ctx) { MeasureText<&RECT::top, &RECT::bottom>(ctx); }
void DrawingTool_GetTextWidth(CommandContext& ctx) { MeasureText<&RECT::left, &RECT::right>(ctx); }

// ---- images -----------------------------------------------------------------------------------

void DrawingTool_DrawImageFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const Box box = PullBox(ctx);
    Drawing d(ctx);
    CImageBitmap image;
    if (d.Ok() && image.LoadFile(path)) DrawImage(d, image, box.x, box.y, box.width, box.height);
}

void DrawingTool_DrawImageStream(CommandContext& ctx)
{
    CMemFile* stream = FindDataStream(ctx.FindObject(ctx.Int()));
    const Box box = PullBox(ctx);
    Drawing d(ctx);
    CImageBitmap image;
    if (d.Ok() && stream && image.LoadStream(stream)) DrawImage(d, image, box.x, box.y, box.width, box.height);
}

void DrawingTool_DrawProjectImage(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const Box box = PullBox(ctx);
    Drawing d(ctx);
    CMemFile* file = d.Ok() ? ctx.Runtime().OpenEmbeddedFile(name) : nullptr;
    CImageBitmap image;
    if (file && image.LoadBmp(file)) DrawImage(d, image, box.x, box.y, box.width, box.height);
}

void DrawingTool_DrawObjectImage(CommandContext& ctx)
{
    CImageBitmap* source = ObjectImage(ctx.FindObject(ctx.Int()));
    const Box box = PullBox(ctx);
    if (!source || !source->GetSafeHandle()) return;
    // An image cannot be read while it is selected for drawing: the target drawn onto itself
    // is drawn from a copy.
    CImageBitmap copy;
    const ObjectRecord& tool = ctx.Object();
    const bool ontoItself =
        HasSettings(tool) &&
        source == ObjectImage(CProjectRuntime::FindObjectByNumber(&ctx.Window(), tool.Numbers[kTarget]));
    if (ontoItself && !copy.CopyFrom(source)) return;
    Drawing d(ctx);
    if (!d.Ok()) return;
    if (ontoItself) {
        DrawImage(d, copy, box.x, box.y, box.width, box.height);
        source->SetTransparentColor(copy.GetTransparentColor());
    } else {
        DrawImage(d, *source, box.x, box.y, box.width, box.height);
    }
}

// ---- clipboard and screen ---------------------------------------------------------------------

void DrawingTool_CopyToClipboard(CommandContext& ctx)
{
    const Box box = PullBox(ctx);
    ctx.SetTruth(false);
    Drawing d(ctx);
    if (!d.Ok() || box.width <= 0 || box.height <= 0) return;
    CImageBitmap copy;
    if (!copy.CreateCompatible(d.Dc(), box.width, box.height)) return;
    {
        CDC to;
        if (!to.CreateCompatibleDC(d.Dc())) return;
        HGDIOBJ old = to.SelectObject(copy.GetSafeHandle());
        const BOOL copied = to.BitBlt(0, 0, box.width, box.height, d.Dc(), box.x, box.y, SRCCOPY);
        to.SelectObject(old);
        if (!copied) return;
    }
    // Once the clipboard has it, the bitmap is the clipboard's.
    HBITMAP bitmap = static_cast<HBITMAP>(copy.Detach());
    if (SetClipboardBitmap(bitmap))
        ctx.SetTruth(true);
    else
        ::DeleteObject(bitmap);
}

void DrawingTool_DrawOnScreen(CommandContext& ctx)
{
    const int x = ctx.Int(), y = ctx.Int(), transparent = ctx.Int();
    Drawing d(ctx);
    if (!d.Ok()) return;
    CImageBitmap copy;
    if (!copy.CopyFromDC(d.Dc(), nullptr)) return;
    copy.SetTransparentColor(COLORREF(transparent));
    const HWND desktop = ::GetDesktopWindow();
    CDC screen;
    if (!screen.Attach(::GetWindowDC(desktop))) return;
    const CSize size = copy.GetSize();
    copy.DrawTransparent(&screen, x, y, size.cx, size.cy, false);
    ::ReleaseDC(desktop, screen.Detach());
}

// Invalidates the part of one top-level window that lies in the screen rectangle.
BOOL CALLBACK RefreshWindowIn(HWND window, LPARAM area)
{
    const RECT& screen = *reinterpret_cast<const RECT*>(area);
    RECT outer, common;
    if (!::IsWindowVisible(window) || !::GetWindowRect(window, &outer) || !::IntersectRect(&common, &outer, &screen))
        return TRUE;
    // In client coordinates; the frame is part of what must be painted again.
    POINT origin = {0, 0};
    ::ClientToScreen(window, &origin);
    ::OffsetRect(&common, -origin.x, -origin.y);
    ::RedrawWindow(window, &common, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN);
    return TRUE;
}

void DrawingTool_RefreshScreen(CommandContext& ctx)
{
    RECT r = PullBox(ctx).Get();
    ::RedrawWindow(::GetDesktopWindow(), &r, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // Some systems leave the windows of other programs out of the desktop's repainting: each
    // window over the rectangle is asked to paint that part again.
    ::EnumWindows(RefreshWindowIn, reinterpret_cast<LPARAM>(&r));
    ::RedrawWindow(::GetDesktopWindow(), &r, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

constexpr CommandEntry kDrawingTool[] = {
    {2, "DrawingTool_Fill", DrawingTool_Fill},  // after the shared commands 0 and 1
    {3, "DrawingTool_DrawText", DrawingTool_DrawText},
    {4, "DrawingTool_InvertFrames", DrawingTool_InvertFrames},
    {5, "DrawingTool_DrawEdge", DrawingTool_DrawEdge},
    {6, "DrawingTool_DrawImageFile", DrawingTool_DrawImageFile},
    {7, "DrawingTool_DrawImageStream", DrawingTool_DrawImageStream},
    {8, "DrawingTool_DrawProjectImage", DrawingTool_DrawProjectImage},
    {9, "DrawingTool_DrawObjectImage", DrawingTool_DrawObjectImage},
    {10, "DrawingTool_TextAt", DrawingTool_TextAt},
    {11, "DrawingTool_Ellipse", DrawingTool_Ellipse},
    {12, "DrawingTool_FloodFill", DrawingTool_FloodFill},
    {13, "DrawingTool_Gradient", DrawingTool_Gradient},
    {14, "DrawingTool_FillRect", DrawingTool_FillRect},
    {15, "DrawingTool_FlipVertical", DrawingTool_FlipVertical},
    {16, "DrawingTool_Scatter", DrawingTool_Scatter},
    {17, "DrawingTool_ModeFilter", DrawingTool_ModeFilter},
    {18, "DrawingTool_Smooth", DrawingTool_Smooth},
    {19, "DrawingTool_Wave", DrawingTool_Wave},
    {20, "DrawingTool_GetPixel", DrawingTool_GetPixel},
    {21, "DrawingTool_GetTextHeight", DrawingTool_GetTextHeight},
    {22, "DrawingTool_GetTextWidth", DrawingTool_GetTextWidth},
    {23, "DrawingTool_GetTransparentColor", DrawingTool_GetTransparentColor},
    {24, "DrawingTool_InvertArea", DrawingTool_InvertArea},
    {25, "DrawingTool_DrawLine", DrawingTool_DrawLine},
    {26, "DrawingTool_FlipHorizontal", DrawingTool_FlipHorizontal},
    {27, "DrawingTool_Dot", DrawingTool_Dot},
    {28, "DrawingTool_CopyToClipboard", DrawingTool_CopyToClipboard},
    {29, "DrawingTool_DrawOnScreen", DrawingTool_DrawOnScreen},
    {30, "DrawingTool_Rectangle", DrawingTool_Rectangle},
    {31, "DrawingTool_RefreshScreen", DrawingTool_RefreshScreen},
    {32, "DrawingTool_RoundRect", DrawingTool_RoundRect},
    {33, "DrawingTool_Scroll", DrawingTool_Scroll},
    {34, "DrawingTool_SetFont", DrawingTool_SetFont},
    {35, "DrawingTool_SetColor", DrawingTool_SetColor},
    {36, "DrawingTool_SetPenWidth", DrawingTool_SetPenWidth},
    {37, "DrawingTool_SetPixel", DrawingTool_SetPixel},
    {38, "DrawingTool_SetStretch", DrawingTool_SetStretch},
    {39, "DrawingTool_SetTransparentColor", DrawingTool_SetTransparentColor},
    {40, "DrawingTool_SetTarget", DrawingTool_SetTarget},
    {41, "DrawingTool_Reset", DrawingTool_Reset},
};
static_assert(NumbersOwnCommands(kDrawingTool, qbk::TypeDrawingTool, 41));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeDrawingTool, kDrawingTool)};

}  // namespace

extern const CommandFamily kDrawingToolFamily("DrawingTool", kLists);
