#include "menu_colors.h"

void InitMenuColors(MenuColors& colors)
{
    // Systems with the flat-menu highlight colour get the light blue selection.
    bool flatMenus = GetSysColorBrush(COLOR_MENUHILIGHT) != nullptr;
    colors.bar = GetSysColor(flatMenus ? COLOR_MENUHILIGHT : COLOR_BTNFACE);
    colors.back = GetSysColor(COLOR_MENU);
    colors.text = GetSysColor(COLOR_MENUTEXT);
    colors.textGrayed = GetSysColor(COLOR_GRAYTEXT);
    colors.selText = colors.text;
    colors.selBack = flatMenus ? RGB(193, 210, 238) : GetSysColor(COLOR_MENU);
    colors.selEdge = GetSysColor(COLOR_HIGHLIGHT);
}
