// Tab controls (type 69), scrolling texts (type 70) and tool bars (type 71).
#include "command_table.h"
#include "control_message.h"
#include "data_stream_commands.h"
#include "fw_controls.h"
#include "image_sources.h"
#include "scrolling_wnd.h"
#include "tool_bar_wnd.h"

#include <commctrl.h>

#include <memory>

namespace {

// ---- TabControl ------------------------------------------------------------------------------

constexpr COLORREF kImageMaskColour = RGB(255, 0, 255);
constexpr int kTabTextLength = 100;

// The tab images of a TabControl object: one list, sized by its first image, that the control
// draws from. The control lets go of the list before it is destroyed.
class TabImages : public ObjectPart {
public:
    ~TabImages() override { Remove(); }

    HIMAGELIST List() const { return m_list.GetSafeHandle(); }
    bool Make(HWND control, int width, int height)
    {
        m_control = control;
        if (!m_list.Attach(::ImageList_Create(width, height, ILC_COLORDDB | ILC_MASK, 1, 1))) return false;
        ::ImageList_SetBkColor(List(), CLR_NONE);
        return true;
    }
    void Remove()
    {
        if (!List()) return;
        if (::IsWindow(m_control)) ::SendMessageA(m_control, TCM_SETIMAGELIST, 0, 0);
        m_list.DeleteImageList();
    }

private:
    CImageList m_list;
    HWND m_control = nullptr;
};

int TabCount(HWND tabs) { return int(::SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0)); }

bool IsTabIndex(HWND tabs, int index) { return index >= 0 && index < TabCount(tabs); }

void RedrawTabs(HWND tabs) { ::RedrawWindow(tabs, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

void TabControl_AddImage(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetResult("-1");
    const HWND tabs = ControlHandle(ctx);
    if (!tabs) return;
    CImageBitmap image;
    if (!LoadEmbeddedBmp(ctx, name, image)) return;
    TabImages* images = ctx.FindPart<TabImages>();
    if (!images || !images->List()) {
        images = &ctx.EnsurePart<TabImages>();
        const CSize size = image.GetSize();
        if (!images->Make(tabs, size.cx, size.cy)) return;
    }
    int width = 0, height = 0;
    ::ImageList_GetIconSize(images->List(), &width, &height);
    // One image, one entry: another size is stretched to the list's (a wider one would be cut in several).
    if (!FitImage(image, width, height)) return;
    if (::ImageList_AddMasked(images->List(), image.GetHandle(), kImageMaskColour) == -1) return;
    ::SendMessageA(tabs, TCM_SETIMAGELIST, 0, LPARAM(images->List()));
    ctx.SetInt(::ImageList_GetImageCount(images->List()) - 1);
}

void TabControl_DeleteItem(CommandContext& ctx)
{
    const int index = ctx.Int();
    const HWND tabs = ControlHandle(ctx);
    ctx.SetTruth(tabs && IsTabIndex(tabs, index) && ::SendMessageA(tabs, TCM_DELETEITEM, WPARAM(index), 0));
}

void TabControl_GetCurSel(CommandContext& ctx)
{
    const HWND tabs = ControlHandle(ctx);
    ctx.SetInt(tabs ? int(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0)) : -1);
}

void TabControl_GetItem(CommandContext& ctx)
{
    const int index = ctx.Int();
    const HWND tabs = ControlHandle(ctx);
    if (!tabs || !IsTabIndex(tabs, index)) return;
    char text[kTabTextLength + 1] = "";
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = text;
    item.cchTextMax = kTabTextLength;
    if (::SendMessageA(tabs, TCM_GETITEMA, WPARAM(index), LPARAM(&item))) ctx.SetResult(text);
}

void TabControl_InsertItem(CommandContext& ctx)
{
    int index = ctx.Int();
    const CString text = ctx.Text();
    const int image = ctx.Int();
    ctx.SetResult("-1");
    const HWND tabs = ControlHandle(ctx);
    if (!tabs) return;
    if (index == -1) index = TabCount(tabs);
    if (index < 0 || index > TabCount(tabs)) return;
    TCITEMA item = {};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<char*>(text.GetString());
    item.iImage = image;
    if (::SendMessageA(tabs, TCM_INSERTITEMA, WPARAM(index), LPARAM(&item)) == -1) return;
    ctx.SetInt(index);
    RedrawTabs(tabs);
}

void TabControl_DeleteAllItems(CommandContext& ctx) { SendToControl(ctx, TCM_DELETEALLITEMS); }

void TabControl_RemoveImages(CommandContext& ctx)
{
    if (!ControlHandle(ctx)) return;
    if (TabImages* images = ctx.FindPart<TabImages>()) images->Remove();
}

void TabControl_SetCurSel(CommandContext& ctx)
{
    const int index = ctx.Int();
    const HWND tabs = ControlHandle(ctx);
    if (!tabs || !IsTabIndex(tabs, index)) {
        ctx.SetResult("0");
        return;
    }
    ::SendMessageA(tabs, TCM_SETCURSEL, WPARAM(index), 0);
    ctx.SetTruth(::SendMessageA(tabs, TCM_GETCURSEL, 0, 0) == index);
}

void TabControl_SetMinTabWidth(CommandContext& ctx)
{
    const int width = ctx.Int();
    if (width >= -1) SendToControl(ctx, TCM_SETMINTABWIDTH, 0, LPARAM(width));
}

void TabControl_SetItem(CommandContext& ctx)
{
    const int index = ctx.Int();
    const CString text = ctx.Text();
    const HWND tabs = ControlHandle(ctx);
    if (!tabs || !IsTabIndex(tabs, index)) {
        ctx.SetResult("0");
        return;
    }
    TCITEMA item = {};
    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>(text.GetString());
    ctx.SetTruth(::SendMessageA(tabs, TCM_SETITEMA, WPARAM(index), LPARAM(&item)) != 0);
}

// ---- ScrollingWindow -------------------------------------------------------------------------

CScrollingWnd* Ticker(const CommandContext& ctx)
{
    return ControlHandle(ctx) ? dynamic_cast<CScrollingWnd*>(ctx.Control()) : nullptr;
}

// A getter of the ticker: its answer, or "0" without one.
template <class Get>
void AskTicker(CommandContext& ctx, Get get)
{
    CScrollingWnd* ticker = Ticker(ctx);
    ctx.SetInt(ticker ? int(get(*ticker)) : 0);
}

// A setter of the ticker, when there is one.
template <class Set>
void TellTicker(CommandContext& ctx, Set set)
{
    if (CScrollingWnd* ticker = Ticker(ctx)) set(*ticker);
}

void ScrollingWindow_ShowImage(CommandContext& ctx)
{
    const int flag = ctx.Int();
    TellTicker(ctx, [&](CScrollingWnd& ticker) { ticker.ShowImage(flag < 0 ? !ticker.ShowsImage() : flag != 0); });
}

void ScrollingWindow_GetBackColor(CommandContext& ctx)
{
    AskTicker(ctx,
              [](const CScrollingWnd& ticker) { return ticker.IsTransparent() ? -1 : int(ticker.GetBackColor()); });
}

void ScrollingWindow_GetTextColor(CommandContext& ctx)
{
    AskTicker(ctx, [](const CScrollingWnd& ticker) { return ticker.GetTextColor(); });
}

void ScrollingWindow_GetTextHeight(CommandContext& ctx)
{
    AskTicker(ctx, [](const CScrollingWnd& ticker) { return ticker.MeasureText().cy; });
}

void ScrollingWindow_GetTextWidth(CommandContext& ctx)
{
    AskTicker(ctx, [](const CScrollingWnd& ticker) { return ticker.MeasureText().cx; });
}

// A new background image, shown at the next painting; answers whether it loaded.
template <class Load>
void LoadTickerImage(CommandContext& ctx, Load load)
{
    ctx.SetResult("0");
    if (CScrollingWnd* ticker = Ticker(ctx)) ctx.SetTruth(load(ticker->Image()));
}

void ScrollingWindow_LoadImageFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    LoadTickerImage(ctx, [&](CImageBitmap& image) { return LoadImageFile(path, image); });
}

// The stream is read from its start and left at the position it had.
void ScrollingWindow_LoadImageFromObject(CommandContext& ctx)
{
    CMemFile* stream = FindDataStream(ctx.FindObject(ctx.Int()));
    LoadTickerImage(ctx,
                    [&](CImageBitmap& image) { return stream && stream->GetLength() && image.LoadStream(stream); });
}

void ScrollingWindow_LoadImageEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    LoadTickerImage(ctx, [&](CImageBitmap& image) { return LoadEmbeddedImage(ctx, name, image); });
}

void ScrollingWindow_SetOffset(CommandContext& ctx)
{
    const int x = ctx.Int(), y = ctx.Int();
    TellTicker(ctx, [&](CScrollingWnd& ticker) {
        ticker.SetOffset(x, y);
        ticker.Redraw();
    });
}

void ScrollingWindow_SetScrollSpeed(CommandContext& ctx)
{
    const double x = ctx.Real(), y = ctx.Real();
    TellTicker(ctx, [&](CScrollingWnd& ticker) { ticker.SetSpeed(x, y); });
}

// -1: transparent, the parent showing around the text; any other value the colour.
void ScrollingWindow_SetBackColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    TellTicker(ctx, [&](CScrollingWnd& ticker) {
        ticker.SetTransparent(colour == -1);
        if (colour != -1) ticker.SetBackColor(COLORREF(colour));
        ticker.Redraw();
    });
}

void ScrollingWindow_SetTextColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    TellTicker(ctx, [&](CScrollingWnd& ticker) {
        ticker.SetTextColor(COLORREF(colour));
        ticker.Redraw();
    });
}

// ---- ToolBar ---------------------------------------------------------------------------------

CToolBarWnd* Bar(const CommandContext& ctx)
{
    return ControlHandle(ctx) ? dynamic_cast<CToolBarWnd*>(ctx.Control()) : nullptr;
}

template <class Set>
void TellBar(CommandContext& ctx, Set set)
{
    if (CToolBarWnd* bar = Bar(ctx)) set(*bar);
}

// A button or a separator after the last item, showing the embedded picture (read by content);
// answers whether it was added.
void AddBarItem(CommandContext& ctx, const CString& name, COLORREF transparent, bool separator)
{
    ctx.SetResult("0");
    CToolBarWnd* bar = Bar(ctx);
    CImageBitmap image;
    if (!bar || !LoadEmbeddedImage(ctx, name, image)) return;
    ctx.SetTruth(bar->AddButton(&image, transparent, separator));
}

void ToolBar_ActivateToolTips(CommandContext& ctx)
{
    const int flag = ctx.Int();
    TellBar(ctx, [&](CToolBarWnd& bar) { bar.ActivateToolTips(flag != 0); });
}

void ToolBar_AddButton(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const int transparent = ctx.Int();
    AddBarItem(ctx, name, COLORREF(transparent), false);
}

void ToolBar_AddSeparator(CommandContext& ctx)
{
    const CString name = ctx.Text();
    AddBarItem(ctx, name, 0, true);
}

// Only a flag of exactly 1 enables.
void ToolBar_EnableAll(CommandContext& ctx)
{
    const int flag = ctx.Int();
    TellBar(ctx, [&](CToolBarWnd& bar) { bar.EnableAllButtons(flag == 1); });
}

void ToolBar_EnableButton(CommandContext& ctx)
{
    const int index = ctx.Int(), flag = ctx.Int();
    TellBar(ctx, [&](CToolBarWnd& bar) { bar.EnableButton(index, flag == 1); });
}

void ToolBar_GetSeparatorColor(CommandContext& ctx)
{
    TellBar(ctx, [&](CToolBarWnd& bar) { ctx.SetInt(int(bar.GetColor())); });
}

void ToolBar_GetButtonToolTip(CommandContext& ctx)
{
    const int index = ctx.Int();
    TellBar(ctx, [&](CToolBarWnd& bar) { ctx.SetResult(bar.GetButtonToolTip(index)); });
}

void ToolBar_RemoveAll(CommandContext& ctx)
{
    TellBar(ctx, [](CToolBarWnd& bar) { bar.RemoveAllButtons(); });
}

void ToolBar_SetSeparatorColor(CommandContext& ctx)
{
    const int colour = ctx.Int();
    TellBar(ctx, [&](CToolBarWnd& bar) { bar.SetColor(COLORREF(colour)); });
}

void ToolBar_SetButtonToolTip(CommandContext& ctx)
{
    const int index = ctx.Int();
    const CString text = ctx.Text();
    TellBar(ctx, [&](CToolBarWnd& bar) { bar.SetButtonToolTip(index, text); });
}

constexpr CommandEntry kTabControl[] = {
    {31, "TabControl_AddImage", TabControl_AddImage},  // after the shared commands 0 to 30
    {32, "TabControl_DeleteItem", TabControl_DeleteItem},
    {33, "TabControl_GetCurSel", TabControl_GetCurSel},
    {34, "TabControl_GetItem", TabControl_GetItem},
    {35, "TabControl_InsertItem", TabControl_InsertItem},
    {36, "TabControl_DeleteAllItems", TabControl_DeleteAllItems},
    {37, "TabControl_RemoveImages", TabControl_RemoveImages},
    {38, "TabControl_SetCurSel", TabControl_SetCurSel},
    {39, "TabControl_SetMinTabWidth", TabControl_SetMinTabWidth},
    {40, "TabControl_SetItem", TabControl_SetItem},
};
static_assert(NumbersOwnCommands(kTabControl, qbk::TypeTabControl, 40));

constexpr CommandEntry kScrollingWindow[] = {
    {31, "ScrollingWindow_ShowImage", ScrollingWindow_ShowImage},  // after the shared commands 0 to 30
    {32, "ScrollingWindow_GetBackColor", ScrollingWindow_GetBackColor},
    {33, "ScrollingWindow_GetTextColor", ScrollingWindow_GetTextColor},
    {34, "ScrollingWindow_GetTextHeight", ScrollingWindow_GetTextHeight},
    {35, "ScrollingWindow_GetTextWidth", ScrollingWindow_GetTextWidth},
    {36, "ScrollingWindow_LoadImageFile", ScrollingWindow_LoadImageFile},
    {37, "ScrollingWindow_LoadImageFromObject", ScrollingWindow_LoadImageFromObject},
    {38, "ScrollingWindow_LoadImageEmbedded", ScrollingWindow_LoadImageEmbedded},
    {39, "ScrollingWindow_SetOffset", ScrollingWindow_SetOffset},
    {40, "ScrollingWindow_SetScrollSpeed", ScrollingWindow_SetScrollSpeed},
    {41, "ScrollingWindow_SetBackColor", ScrollingWindow_SetBackColor},
    {42, "ScrollingWindow_SetTextColor", ScrollingWindow_SetTextColor},
};
static_assert(NumbersOwnCommands(kScrollingWindow, qbk::TypeScrollingWindow, 42));

constexpr CommandEntry kToolBar[] = {
    {31, "ToolBar_ActivateToolTips", ToolBar_ActivateToolTips},  // after the shared commands 0 to 30
    {32, "ToolBar_AddButton", ToolBar_AddButton},
    {33, "ToolBar_AddSeparator", ToolBar_AddSeparator},
    {34, "ToolBar_EnableAll", ToolBar_EnableAll},
    {35, "ToolBar_EnableButton", ToolBar_EnableButton},
    {36, "ToolBar_GetSeparatorColor", ToolBar_GetSeparatorColor},
    {37, "ToolBar_GetButtonToolTip", ToolBar_GetButtonToolTip},
    {38, "ToolBar_RemoveAll", ToolBar_RemoveAll},
    {39, "ToolBar_SetSeparatorColor", ToolBar_SetSeparatorColor},
    {40, "ToolBar_SetButtonToolTip", ToolBar_SetButtonToolTip},
};
static_assert(NumbersOwnCommands(kToolBar, qbk::TypeToolBar, 40));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTabControl, kTabControl),
                                  OwnCommands(qbk::TypeScrollingWindow, kScrollingWindow),
                                  OwnCommands(qbk::TypeToolBar, kToolBar)};

}  // namespace

extern const CommandFamily kTabControlScrollingWindowToolBarFamily("TabControl, ScrollingWindow and ToolBar", kLists);
