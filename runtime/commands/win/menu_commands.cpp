// Owner-drawn menus (types 22 and 23): items, sub-menus, colours and states. A chosen item's
// command id names the menu object and the item's position, so neither may outgrow its byte.
#include "command_table.h"
#include "control_message.h"
#include "image_sources.h"
#include "menu_object.h"
#include "owner_menu.h"
#include "window_messages.h"

#include <memory>

namespace {

// The object's menu; it measures and draws its items for the window that shows them.
class MenuPart : public MenuHolder, public WindowMessageListener {
public:
    std::unique_ptr<COwnerMenu> Menu;

    HMENU MenuHandle() const override { return Menu ? Menu->Handle() : nullptr; }

    bool OnWindowMessage(WindowRecord& window, ObjectRecord&, UINT message, WPARAM, LPARAM lParam,
                         LRESULT* result) override
    {
        if (!Menu) return false;
        switch (message) {
        case WM_MEASUREITEM:
            if (!Menu->MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) return false;
            *result = TRUE;
            return true;
        case WM_DRAWITEM:
            if (!Menu->DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) return false;
            *result = TRUE;
            return true;
        case WM_DESTROY: {
            // The window would destroy its bar with every sub-menu in it: the objects destroy their own.
            const ObjectRecord* self = window.Self();
            const HWND handle = self && self->WindowObject ? self->WindowObject->GetSafeHwnd() : nullptr;
            if (handle && ::GetMenu(handle) == Menu->Handle()) ::SetMenu(handle, nullptr);
            return false;
        }
        default: return false;
        }
    }
};

COwnerMenu* FindMenu(const ObjectRecord* object)
{
    const MenuPart* part = object ? object->FindPart<MenuPart>() : nullptr;
    return part ? part->Menu.get() : nullptr;
}

COwnerMenu* EnsureMenu(ObjectRecord& object)
{
    MenuPart& part = object.EnsurePart<MenuPart>();
    if (!part.Menu) {
        auto menu = std::make_unique<COwnerMenu>();
        if (!menu->Create(object.Type == qbk::TypePopupMenu)) return nullptr;
        part.Menu = std::move(menu);
    }
    return part.Menu.get();
}

void RedrawBar(const COwnerMenu& menu, const CommandContext& ctx)
{
    const HWND window = ScriptWindowHandle(ctx);
    if (window && ::GetMenu(window) == menu.Handle()) ::DrawMenuBar(window);
}

void MenuBar_Show(CommandContext& ctx)
{
    COwnerMenu* menu = FindMenu(&ctx.Object());
    const HWND window = ScriptWindowHandle(ctx);
    if (!menu || !window) return;
    menu->SetNoBar(true);
    RECT outer = {}, client = {};
    ::GetWindowRect(window, &outer);
    ::GetClientRect(window, &client);
    ::SetMenu(window, menu->Handle());
    menu->SetBarWindow(window);
    RECT after = {};
    ::GetClientRect(window, &after);
    // The client area keeps its height: the window grows by the bar.
    const int height = (outer.bottom - outer.top) + (client.bottom - client.top) - (after.bottom - after.top);
    ::SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, height, SWP_NOMOVE | SWP_NOZORDER);
    ::DrawMenuBar(window);
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
}

void Menu_AddItem(CommandContext& ctx)
{
    const CString text = ctx.Text(), imageName = ctx.Text();
    ObjectRecord& self = ctx.Object();
    COwnerMenu* menu = EnsureMenu(self);
    if (!menu) return;
    const int position = menu->ItemCount();
    // Another id would stand for a control or another item.
    if (!qbk::FitsMenuCommandId(self.Id, position)) return;
    CImageBitmap image;
    const bool hasImage = !imageName.IsEmpty() && LoadEmbeddedBmp(ctx, imageName, image);
    menu->AppendItem(std::string(text), qbk::MenuCommandId(self.Id, position), MF_STRING, hasImage ? &image : nullptr);
    RedrawBar(*menu, ctx);
}

void Menu_AddSubMenu(CommandContext& ctx)
{
    const CString text = ctx.Text(), imageName = ctx.Text();
    const int subId = ctx.Int();
    ObjectRecord& self = ctx.Object();
    ObjectRecord* sub = ctx.FindObject(subId, self.Type);
    if (!sub || sub == &self) return;
    COwnerMenu* menu = EnsureMenu(self);
    COwnerMenu* subMenu = menu ? EnsureMenu(*sub) : nullptr;
    // A menu inside its own sub-menus would open without end.
    if (!subMenu || menu->IsReachableFrom(subMenu->Handle())) return;
    CImageBitmap image;
    const bool hasImage = !imageName.IsEmpty() && LoadEmbeddedBmp(ctx, imageName, image);
    if (menu->AppendItem(std::string(text), 0, MF_POPUP, hasImage ? &image : nullptr, subMenu->Handle()))
        subMenu->SetParentMenu(menu);
    RedrawBar(*menu, ctx);
}

void Menu_AddSeparator(CommandContext& ctx)
{
    if (COwnerMenu* menu = EnsureMenu(ctx.Object())) menu->AppendItem("", 0, MF_SEPARATOR, nullptr);
}

void Menu_GetColor(CommandContext& ctx)
{
    const int which = qbk::MenuColourOfKeyword(std::string(ctx.Text()));
    const COwnerMenu* menu = FindMenu(&ctx.Object());
    if (!menu || which < 0) return ctx.SetResult("-1");
    ctx.SetInt(int(menu->Colour(which)));
}

void Menu_GetItemText(CommandContext& ctx)
{
    const int position = ctx.Int();
    const COwnerMenu* menu = FindMenu(&ctx.Object());
    const COwnerMenu::Item* item = menu ? menu->ItemAt(position) : nullptr;
    if (item) ctx.SetResult(item->Text.c_str());
}

// The item's state flags by position; none for a position past the last item.
bool ItemState(const CommandContext& ctx, int position, UINT* state)
{
    const COwnerMenu* menu = FindMenu(&ctx.Object());
    if (!menu || position < 0 || position >= ::GetMenuItemCount(menu->Handle())) return false;
    *state = ::GetMenuState(menu->Handle(), UINT(position), MF_BYPOSITION);
    return *state != UINT(-1);
}

void Menu_IsItemChecked(CommandContext& ctx)
{
    const int position = ctx.Int();
    UINT state = 0;
    ctx.SetTruth(ItemState(ctx, position, &state) && (state & MF_CHECKED));
}

void Menu_IsItemEnabled(CommandContext& ctx)
{
    const int position = ctx.Int();
    UINT state = 0;
    ctx.SetTruth(ItemState(ctx, position, &state) && !(state & MF_GRAYED));
}

void Menu_RemoveAll(CommandContext& ctx)
{
    if (COwnerMenu* menu = FindMenu(&ctx.Object())) {
        menu->RemoveAllItems();
        RedrawBar(*menu, ctx);
    }
}

void Menu_CheckItem(CommandContext& ctx)
{
    const int position = ctx.Int(), state = ctx.Int();
    if (const COwnerMenu* menu = FindMenu(&ctx.Object()))
        ::CheckMenuItem(menu->Handle(), UINT(position), MF_BYPOSITION | (state == 1 ? MF_CHECKED : MF_UNCHECKED));
}

void Menu_SetColor(CommandContext& ctx)
{
    const CString keyword = ctx.Text();
    const int colour = ctx.Int();
    COwnerMenu* menu = EnsureMenu(ctx.Object());
    const int which = qbk::MenuColourOfKeyword(std::string(keyword));
    if (!menu || which < 0) return;
    menu->SetColour(which, COLORREF(colour));
    RedrawBar(*menu, ctx);
}

void Menu_EnableItem(CommandContext& ctx)
{
    const int position = ctx.Int(), state = ctx.Int();
    const COwnerMenu* menu = FindMenu(&ctx.Object());
    if (!menu) return;
    ::EnableMenuItem(menu->Handle(), UINT(position), MF_BYPOSITION | (state == 1 ? MF_ENABLED : MF_GRAYED));
    RedrawBar(*menu, ctx);
}

void PopupMenu_Show(CommandContext& ctx)
{
    const int x = ctx.Int(), y = ctx.Int();
    const COwnerMenu* menu = FindMenu(&ctx.Object());
    const HWND owner = ScriptWindowHandle(ctx);
    if (!menu || !owner) return;
    POINT at = {};
    ::GetCursorPos(&at);
    if (x >= 0) at.x = x;
    if (y >= 0) at.y = y;
    // The menu closes on a click elsewhere only while its owner is in front.
    ::SetForegroundWindow(owner);
    ::TrackPopupMenu(menu->Handle(), 0, at.x, at.y, 0, owner, nullptr);
    ::PostMessageA(owner, WM_NULL, 0, 0);
}

constexpr CommandEntry kMenuBar[] = {
    {2, "MenuBar_Show", MenuBar_Show},  // after the shared commands 0 and 1
    {3, "MenuBar_AddItem", Menu_AddItem},
    {4, "MenuBar_AddSubMenu", Menu_AddSubMenu},
    {5, "MenuBar_AddSeparator", Menu_AddSeparator},
    {6, "Menu_GetColor", Menu_GetColor},
    {7, "Menu_GetItemText", Menu_GetItemText},
    {8, "Menu_IsItemChecked", Menu_IsItemChecked},
    {9, "Menu_IsItemEnabled", Menu_IsItemEnabled},
    {10, "Menu_RemoveAll", Menu_RemoveAll},
    {11, "MenuBar_CheckMenuItem", Menu_CheckItem},
    {12, "MenuBar_SetColor", Menu_SetColor},
    {13, "MenuBar_EnableMenuItem", Menu_EnableItem},
};
static_assert(NumbersOwnCommands(kMenuBar, qbk::TypeMenuBar, 13));

constexpr CommandEntry kPopupMenu[] = {
    {2, "PopupMenu_AddItem", Menu_AddItem},  // after the shared commands 0 and 1
    {3, "PopupMenu_AddSubMenu", Menu_AddSubMenu},
    {4, "PopupMenu_AddSeparator", Menu_AddSeparator},
    {5, "Menu_GetColor"},
    {6, "Menu_GetItemText"},
    {7, "Menu_IsItemChecked"},
    {8, "Menu_IsItemEnabled"},
    {9, "Menu_RemoveAll"},
    {10, "MenuBar_CheckMenuItem"},
    {11, "PopupMenu_SetColor", Menu_SetColor},
    {12, "MenuBar_EnableMenuItem"},
    {13, "PopupMenu_Show", PopupMenu_Show},
};
static_assert(NumbersOwnCommands(kPopupMenu, qbk::TypePopupMenu, 13));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMenuBar, kMenuBar), OwnCommands(qbk::TypePopupMenu, kPopupMenu)};

}  // namespace

extern const CommandFamily kMenuFamily("MenuBar and PopupMenu", kLists);
