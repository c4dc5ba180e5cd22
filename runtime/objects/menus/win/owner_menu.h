// COwnerMenu: the menu of MenuBar and PopupMenu objects. Every item is owner-drawn from the menu's
// own record of it: an image bar at the left with the item's image (a dot when checked, a grey
// silhouette when disabled), seven colours, and a second text after a '|' drawn at the right.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "image_bitmap.h"
#include "menu_rules.h"

class COwnerMenu {
public:
    struct Item {
        UINT Id = 0;
        UINT Flags = 0;
        std::unique_ptr<CImageBitmap> Image;
        std::string Text;
        bool NoBar = false;
    };

    COwnerMenu();
    // Destroys its own menu only: sub-menus belong to their own objects and are taken out first.
    ~COwnerMenu();
    COwnerMenu(const COwnerMenu&) = delete;
    COwnerMenu& operator=(const COwnerMenu&) = delete;

    // Makes the menu (a pop-up menu, or a menu for a window's bar); false when the system refuses.
    bool Create(bool popup);
    HMENU Handle() const { return m_menu; }
    int ItemCount() const { return int(m_items.size()); }
    const Item* ItemAt(int position) const;

    // Appends an owner-drawn item: a command (id), a separator (MF_SEPARATOR) or a sub-menu
    // (MF_POPUP, subMenu). The image, when given, is copied with magenta as its transparent colour.
    bool AppendItem(const std::string& text, UINT id, UINT flags, const CImageBitmap* image, HMENU subMenu = nullptr);
    // True when this menu can be reached from the other one through sub-menus (or is it).
    bool IsReachableFrom(HMENU other) const;
    void SetNoBar(bool noBar);
    void RemoveAllItems();
    // The window whose bar shows the menu, let go of when the menu goes.
    void SetBarWindow(HWND window) { m_barWindow = window; }

    COLORREF Colour(int which) const { return m_colours[which]; }
    void SetColour(int which, COLORREF colour) { m_colours[which] = colour; }
    COwnerMenu* ParentMenu() const { return m_parent; }
    void SetParentMenu(COwnerMenu* parent) { m_parent = parent; }

    // False when the item is none of this menu's.
    bool MeasureItem(MEASUREITEMSTRUCT& measure) const;
    bool DrawItem(const DRAWITEMSTRUCT& draw) const;

private:
    const Item* RecordOf(ULONG_PTR data) const;
    void DrawImageBox(HDC dc, const RECT& box, const Item& item, UINT state) const;

    HMENU m_menu = nullptr;
    HWND m_barWindow = nullptr;
    std::vector<std::unique_ptr<Item>> m_items;
    COLORREF m_colours[qbk::kMenuColourCount] = {};
    int m_imageWidth = 16, m_imageHeight = 16;
    LOGFONTA m_fontDescription = {};
    HFONT m_font = nullptr;
    COwnerMenu* m_parent = nullptr;
};
