#include "menu_rules.h"

#include <cctype>

namespace qbk {

std::string KeptMenuText(const std::string& text)
{
    return text.size() > kMaxMenuItemText ? text.substr(0, kMaxMenuItemText) : text;
}

std::string MeasuredMenuText(const std::string& text)
{
    std::string measured;
    measured.reserve(text.size() + 5);
    bool spaced = false;
    for (char c : text) {
        if (c == '&') continue;
        measured += c;
        if (c == '|' && !spaced) {
            measured += "     ";
            spaced = true;
        }
    }
    return measured;
}

void SplitMenuText(const std::string& text, std::string* left, std::string* right, bool* hasRight)
{
    const size_t bar = text.find('|');
    *hasRight = bar != std::string::npos;
    *left = text.substr(0, bar);
    *right = *hasRight ? text.substr(bar + 1) : std::string();
}

bool FitsMenuCommandId(int objectId, int position)
{
    return objectId >= 0 && objectId <= kMaxMenuObjectId && position >= 0 && position <= kMaxMenuItemPosition;
}

unsigned MenuCommandId(int objectId, int position)
{
    if (!FitsMenuCommandId(objectId, position)) return 0;
    return unsigned(position + 0x80) << 8 | unsigned(objectId);
}

int MenuColourOfKeyword(const std::string& keyword)
{
    static const char* const kKeywords[kMenuColourCount] = {"BAR",     "BACK",    "TEXT",   "TEXTGRAYED",
                                                            "SELTEXT", "SELBACK", "SELEDGE"};
    std::string upper(keyword);
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    for (int i = 0; i < kMenuColourCount; ++i)
        if (upper == kKeywords[i]) return i;
    return -1;
}

}  // namespace qbk
