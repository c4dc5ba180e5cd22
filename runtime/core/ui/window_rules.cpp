#include "window_rules.h"

#include <cstdint>
#include <cstdlib>

#include "stored_format.h"

namespace qbk {

namespace {

// Styles of the system's window interface, spelled out so that this file needs no system header.
constexpr uint32_t kPopup = 0x80000000, kChild = 0x40000000, kDisabled = 0x08000000, kClipChildren = 0x02000000;
constexpr uint32_t kCaption = 0x00C00000, kBorder = 0x00800000, kDlgFrame = 0x00400000, kSysMenu = 0x00080000;
constexpr uint32_t kThickFrame = 0x00040000, kMinimizeBox = 0x00020000, kMaximizeBox = 0x00010000;
constexpr uint32_t kOverlappedWindow = 0x00CF0000;

// The scroll requests.
enum { LineUp, LineDown, PageUp, PageDown, ThumbPosition, ThumbTrack, Top, Bottom, EndScroll };

// One axis of an anchor: the start and length the rule gives for a growth of delta.
void Follow(int rule, int delta, int& start, int& length)
{
    switch (rule) {
    case 1: start += delta / 2; break;
    case 2: start += delta; break;
    case 3: length += delta; break;
    default: break;
    }
}

}  // namespace

Box AnchoredBox(const Box& design, int anchor, int dx, int dy)
{
    Box box = design;
    if (anchor < 1 || anchor > 15) return box;
    Follow(anchor / 4, dx, box.Left, box.Width);
    Follow(anchor % 4, dy, box.Top, box.Height);
    return box;
}

WindowKind ProjectWindowKind(int parentId, bool parentOpen, int mode)
{
    if (parentId == -1) return WindowKind::TopLevelPopup;
    if (!parentOpen) return WindowKind::TopLevel;
    if (mode == 0) return WindowKind::Child;
    if (mode == 1) return WindowKind::OwnedPopup;
    return WindowKind::MdiChild;
}

uint32_t ProjectWindowStyle(uint32_t s, WindowKind kind)
{
    uint32_t style = (s & kDisabled) ? kClipChildren | kDisabled : kClipChildren;
    if (s & 0x1) style |= kOverlappedWindow;
    if (s & 0x2) style |= kCaption;
    if (s & 0x4) style |= kBorder;
    style |= s & (kMinimizeBox | kMaximizeBox | kSysMenu);
    // A sizing frame brings all three boxes; only those the stored style names stay.
    if (s & 0x1) style ^= ~s & (kMinimizeBox | kMaximizeBox | kSysMenu);
    switch (kind) {
    case WindowKind::TopLevelPopup:
    case WindowKind::OwnedPopup:
    case WindowKind::MdiChild: style |= kPopup; break;
    case WindowKind::Child: style |= kChild; break;
    case WindowKind::TopLevel: break;
    }
    return style;
}

uint32_t CorrectedMdiChildStyle(uint32_t actual, uint32_t computed)
{
    uint32_t style = actual;
    for (uint32_t part : {kSysMenu, kMinimizeBox, kMaximizeBox, kThickFrame, kBorder})
        if (!(computed & part)) style ^= part;
    if (!(computed & kDlgFrame)) style ^= kDlgFrame | kSysMenu;
    return style;
}

int ScrollTarget(int code, int p, int min, int max, int line, int page, int thumb)
{
    switch (code) {
    case LineUp: return p - line;
    case LineDown: return p + line;
    case PageUp: return p - page;
    case PageDown: return p + page;
    case ThumbPosition:
    case ThumbTrack: return thumb;
    case Top: return min;
    case Bottom: return max;
    default: return p;
    }
}

HeaderFont ParseHeaderFont(const CString& header)
{
    HeaderFont font;
    if (header.IsEmpty()) return font;
    font.IsDefault = false;
    const int separator = header.Find(char(kPropertySeparator));
    const CString size = separator < 0 ? header : header.Mid(separator + 1);
    if (separator >= 0) font.Face = header.Left(separator).Left(31);
    font.PointSize = std::atoi(size);
    return font;
}

int AnswerValue(const CString& answer)
{
    const long value = std::strtol(answer, nullptr, 10);
    return value < INT32_MIN ? INT32_MIN : value > INT32_MAX ? INT32_MAX : int(value);
}

}  // namespace qbk
