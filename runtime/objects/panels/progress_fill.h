// The part of a progress bar that shows as filled for a position within its range.
#pragma once

namespace qbk {

struct FillArea {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;

    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
};

// In a client area of width x height: a horizontal bar fills from the left, a vertical one from
// the bottom, by the truncated share (position - low) / (high - low). An empty range fills
// nothing; a position beyond the range fills nothing or everything.
FillArea ProgressFillArea(int width, int height, int low, int high, int position, bool vertical);

}  // namespace qbk
