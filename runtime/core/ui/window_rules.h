// The arithmetic of project windows that needs no window: the style a stored window gets, the
// place an anchored object takes when its window changes size, where a scroll request moves a
// scroll position, the window font written in a header text, and how a script's answer counts.
#pragma once

#include <cstdint>

#include "fw_string.h"

namespace qbk {

// Rectangles as left, top, width, height.
struct Box {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const Box& other) const
    {
        return Left == other.Left && Top == other.Top && Width == other.Width && Height == other.Height;
    }
};

// Where an object designed at `design` goes when its window's client area is dx, dy larger than
// designed. anchor = 4 x horizontal rule + vertical rule; each rule: 0 keep, 1 move by half, 2 move
// by all, 3 stretch. Anchors outside 1 to 15 give the design rectangle.
Box AnchoredBox(const Box& design, int anchor, int dx, int dy);

// How a project window is opened.
enum class WindowKind { TopLevelPopup, TopLevel, Child, OwnedPopup, MdiChild };
// parentId -1: no parent; parentOpen: the parent window exists and is open.
WindowKind ProjectWindowKind(int parentId, bool parentOpen, int mode);

// The window style of a stored style s for a window of that kind (never visible).
uint32_t ProjectWindowStyle(uint32_t storedStyle, WindowKind kind);
// The style to give an MDI child whose system-made style is `actual`, so that it has the frame
// parts of `computed` and no others.
uint32_t CorrectedMdiChildStyle(uint32_t actual, uint32_t computed);

// A scroll request (code 0 to 8) on a position p in [min, max]: the new position, unclamped.
// thumb: the tracked position of SB_THUMBPOSITION and SB_THUMBTRACK.
int ScrollTarget(int code, int p, int min, int max, int line, int page, int thumb);

// The font a header text names: face 0xA4 point size. Empty text: the default font (no face).
struct HeaderFont {
    bool IsDefault = true;
    CString Face;  // at most 31 characters, what a font face holds
    int PointSize = 0;
};
HeaderFont ParseHeaderFont(const CString& header);

// A script's answer as a number: optional sign and leading digits, 0 without digits.
int AnswerValue(const CString& answer);

}  // namespace qbk
