// The rules of owner-drawn menus that need no window: item texts as they are kept, measured and
// drawn, the command ids of chosen items, and the colour keywords.
#pragma once

#include <string>

namespace qbk {

// An item keeps at most this many characters of its text.
constexpr size_t kMaxMenuItemText = 63;
// A chosen item's command id carries the menu object's id in its low byte and 0x80 + the item's
// position in its high byte: both must fit, and the high bit keeps it apart from control ids.
constexpr int kMaxMenuObjectId = 255;
constexpr int kMaxMenuItemPosition = 127;

std::string KeptMenuText(const std::string& text);
// The text as measured: five blanks after the first '|' (room between the two parts), no '&'.
std::string MeasuredMenuText(const std::string& text);
// The parts drawn left and right of the first '|'; without one, all is left.
void SplitMenuText(const std::string& text, std::string* left, std::string* right, bool* hasRight);

bool FitsMenuCommandId(int objectId, int position);
// Zero when the id or the position does not fit.
unsigned MenuCommandId(int objectId, int position);

// The seven colours of a menu by keyword, in any case; -1 for no keyword.
enum MenuColour {
    MenuBarColour,
    MenuBackColour,
    MenuTextColour,
    MenuGrayedTextColour,
    MenuSelectedTextColour,
    MenuSelectedBackColour,
    MenuSelectedEdgeColour,
    kMenuColourCount
};
int MenuColourOfKeyword(const std::string& keyword);

}  // namespace qbk
