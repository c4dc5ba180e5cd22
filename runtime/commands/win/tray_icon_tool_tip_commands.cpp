// The tray icon (type 42) and tool tips (type 43).
#include "command_table.h"
#include "control_message.h"
#include "font_object.h"
#include "fw_controls.h"
#include "image_sources.h"
#include "system_tray.h"

#include <memory>

namespace {

// ---- TrayIcon --------------------------------------------------------------------------------

constexpr UINT kTrayNotice = WM_USER + 10;
constexpr int kTrayIconResource = 111;
constexpr int kControlIdBase = 3000;
constexpr int kTrayIconSize = 16;

// The icon of a TrayIcon object, and the picture it shows when a script gave it one (the tray
// never owns its icons). The icon leaves the area before its picture is destroyed.
class TrayIconPart : public ObjectPart {
public:
    ~TrayIconPart() override
    {
        Tray.reset();
        if (Picture) ::DestroyIcon(Picture);
    }
    // Shows the icon and lets go of the one shown before.
    void ShowPicture(HICON picture)
    {
        if (!Tray->TrayChangeIcon(picture) && Tray->IsEnabled()) return;
        if (Picture) ::DestroyIcon(Picture);
        Picture = picture;
    }

    std::unique_ptr<CSystemTray> Tray;
    HICON Picture = nullptr;
};

CSystemTray* Tray(const CommandContext& ctx)
{
    const TrayIconPart* part = ctx.FindPart<TrayIconPart>();
    return part ? part->Tray.get() : nullptr;
}

// The icon shows in the notification area; its mouse notices come to the project window.
void TrayIcon_Create(CommandContext& ctx)
{
    if (Tray(ctx)) return;
    TrayIconPart& part = ctx.EnsurePart<TrayIconPart>();
    part.Tray = std::make_unique<CSystemTray>();
    CProjectRuntime& runtime = ctx.Runtime();
    const HICON icon = ::LoadIconA(runtime.m_instance, MAKEINTRESOURCEA(kTrayIconResource));
    part.Tray->Create(ctx.Window().Self()->WindowObject, kTrayNotice, "TrayIcon", icon,
                      UINT(ctx.Object().Id + kControlIdBase));
}

void TrayIcon_Refresh(CommandContext& ctx)
{
    if (CSystemTray* tray = Tray(ctx)) tray->TrayRefresh();
}

// A 16 x 16 icon from an embedded BMP, black standing for transparent.
HICON IconFromImage(CImageBitmap& image)
{
    if (!FitImage(image, kTrayIconSize, kTrayIconSize)) return nullptr;
    const HIMAGELIST list = ::ImageList_Create(kTrayIconSize, kTrayIconSize, ILC_COLORDDB | ILC_MASK, 0, 1);
    if (!list) return nullptr;
    HICON icon = nullptr;
    if (::ImageList_AddMasked(list, image.GetHandle(), RGB(0, 0, 0)) != -1)
        icon = ::ImageList_GetIcon(list, 0, ILD_NORMAL);
    ::ImageList_Destroy(list);
    return icon;
}

void TrayIcon_SetImage(CommandContext& ctx)
{
    const CString name = ctx.Text();
    TrayIconPart* part = ctx.FindPart<TrayIconPart>();
    if (!part || !part->Tray) return;
    CImageBitmap image;
    if (!LoadEmbeddedBmp(ctx, name, image)) return;
    if (const HICON icon = IconFromImage(image)) part->ShowPicture(icon);
}

void TrayIcon_SetText(CommandContext& ctx)
{
    const CString tip = ctx.Text();
    if (CSystemTray* tray = Tray(ctx)) tray->TrayChangeTip(tip);
}

// 0 hides the icon, a positive flag shows it, a negative one toggles.
void TrayIcon_Show(CommandContext& ctx)
{
    const int flag = ctx.Int();
    CSystemTray* tray = Tray(ctx);
    if (!tray) return;
    const bool show = flag < 0 ? tray->IsHidden() : flag > 0;
    if (show)
        tray->TrayAdd();
    else
        tray->TrayDelete();
}

// ---- ToolTip ---------------------------------------------------------------------------------

// The object's tip: made by the window with the object, kept apart from an object's own window.
CToolTipCtrl* Tip(const CommandContext& ctx)
{
    CWnd* tip = ctx.Object().SecondWindowObject;
    return tip && tip->GetSafeHwnd() ? dynamic_cast<CToolTipCtrl*>(tip) : nullptr;
}

// The control whose object id the argument gives: a visual control of this window with its window.
CWnd* ToolControl(CommandContext& ctx)
{
    const ObjectRecord* object = ctx.FindObject(ctx.Int());
    if (!object || object->Type < qbk::kFirstVisualType || !object->WindowObject) return nullptr;
    return object->WindowObject->GetSafeHwnd() ? object->WindowObject : nullptr;
}

// A message to the tip; the answer in decimal, or `missing` without a tip.
void AskTip(CommandContext& ctx, UINT message, int missing)
{
    CToolTipCtrl* tip = Tip(ctx);
    ctx.SetInt(tip ? int(tip->SendMessage(message)) : missing);
}

// A message to the tip with the integer argument.
void TellTip(CommandContext& ctx, UINT message, bool inLParam)
{
    const int value = ctx.Int();
    if (CToolTipCtrl* tip = Tip(ctx))
        tip->SendMessage(message, inLParam ? 0 : WPARAM(value), inLParam ? LPARAM(value) : 0);
}

void ToolTip_Activate(CommandContext& ctx)
{
    const int flag = ctx.Int();
    if (CToolTipCtrl* tip = Tip(ctx)) tip->Activate(flag != 0);
}

void ToolTip_AddTool(CommandContext& ctx)
{
    CWnd* control = ToolControl(ctx);
    const CString text = ctx.Text();
    CToolTipCtrl* tip = Tip(ctx);
    if (tip && control) tip->AddTool(control, text);
}

void ToolTip_GetBackColor(CommandContext& ctx) { AskTip(ctx, TTM_GETTIPBKCOLOR, -1); }

void ToolTip_GetToolCount(CommandContext& ctx) { AskTip(ctx, TTM_GETTOOLCOUNT, 0); }

void ToolTip_GetMaxWidth(CommandContext& ctx) { AskTip(ctx, TTM_GETMAXTIPWIDTH, 0); }

void ToolTip_GetTextColor(CommandContext& ctx) { AskTip(ctx, TTM_GETTIPTEXTCOLOR, -1); }

void ToolTip_GetText(CommandContext& ctx)
{
    CWnd* control = ToolControl(ctx);
    CToolTipCtrl* tip = Tip(ctx);
    if (tip && control) ctx.SetResult(tip->GetText(control));
}

void ToolTip_DelTool(CommandContext& ctx)
{
    CWnd* control = ToolControl(ctx);
    CToolTipCtrl* tip = Tip(ctx);
    if (tip && control) tip->DelTool(control);
}

void ToolTip_SetBackColor(CommandContext& ctx) { TellTip(ctx, TTM_SETTIPBKCOLOR, false); }

void ToolTip_SetTextColor(CommandContext& ctx) { TellTip(ctx, TTM_SETTIPTEXTCOLOR, false); }

void ToolTip_SetMaxWidth(CommandContext& ctx) { TellTip(ctx, TTM_SETMAXTIPWIDTH, true); }

// The delay before a tip shows; the message carries 16 bits of it.
void ToolTip_SetDelay(CommandContext& ctx)
{
    const int milliseconds = ctx.Int();
    if (CToolTipCtrl* tip = Tip(ctx)) tip->SendMessage(TTM_SETDELAYTIME, TTDT_INITIAL, LPARAM(milliseconds & 0xFFFF));
}

// The tip takes the font a Font object holds; an object of another type, or without a font,
// changes nothing.
void ToolTip_SetFont(CommandContext& ctx)
{
    ObjectRecord* font = ctx.FindObject(ctx.Int(), qbk::TypeFont);
    CToolTipCtrl* tip = Tip(ctx);
    if (!tip || !font || !GiveFont(*font, tip->GetSafeHwnd())) return;
    ::RedrawWindow(tip->GetSafeHwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void ToolTip_UpdateText(CommandContext& ctx)
{
    CWnd* control = ToolControl(ctx);
    const CString text = ctx.Text();
    CToolTipCtrl* tip = Tip(ctx);
    if (tip && control) tip->UpdateTipText(text, control);
}

constexpr CommandEntry kTrayIcon[] = {
    {2, "TrayIcon_Create", TrayIcon_Create},  // after the shared commands 0 and 1
    {3, "TrayIcon_Refresh", TrayIcon_Refresh}, {4, "TrayIcon_SetImage", TrayIcon_SetImage},
    {5, "TrayIcon_SetText", TrayIcon_SetText}, {6, "TrayIcon_Show", TrayIcon_Show},
};
static_assert(NumbersOwnCommands(kTrayIcon, qbk::TypeTrayIcon, 6));

constexpr CommandEntry kToolTip[] = {
    {2, "ToolTip_Activate", ToolTip_Activate},  // after the shared commands 0 and 1
    {3, "ToolTip_AddTool", ToolTip_AddTool},
    {4, "ToolTip_GetBackColor", ToolTip_GetBackColor},
    {5, "ToolTip_GetToolCount", ToolTip_GetToolCount},
    {6, "ToolTip_GetMaxWidth", ToolTip_GetMaxWidth},
    {7, "ToolTip_GetText", ToolTip_GetText},
    {8, "ToolTip_GetTextColor", ToolTip_GetTextColor},
    {9, "ToolTip_DelTool", ToolTip_DelTool},
    {10, "ToolTip_SetBackColor", ToolTip_SetBackColor},
    {11, "ToolTip_SetDelay", ToolTip_SetDelay},
    {12, "ToolTip_SetFont", ToolTip_SetFont},
    {13, "ToolTip_SetMaxWidth", ToolTip_SetMaxWidth},
    {14, "ToolTip_UpdateText", ToolTip_UpdateText},
    {15, "ToolTip_SetTextColor", ToolTip_SetTextColor},
};
static_assert(NumbersOwnCommands(kToolTip, qbk::TypeToolTip, 15));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTrayIcon, kTrayIcon), OwnCommands(qbk::TypeToolTip, kToolTip)};

}  // namespace

extern const CommandFamily kTrayIconToolTipFamily("TrayIcon and ToolTip", kLists);
