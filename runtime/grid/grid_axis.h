// One direction of a grid: the sizes of its rows (or columns) in pixels, how many of them are
// fixed, and how far it is scrolled. Rows and columns follow the same rules, so one class serves
// both; "before" and "after" read as above and below for rows, left and right for columns.
//
// Sums run in 64 bits and are held to the int range where they meet pixel coordinates, so no size
// a script sets can overflow them. Offsets come from running sums rebuilt only after a change in
// the middle, so hit-testing and scrolling cost a search, not a walk over every row.
#pragma once

#include <cstdint>
#include <vector>

#include "grid_types.h"

class CGridAxis {
public:
    int Count() const { return int(m_sizes.size()); }
    int Fixed() const { return m_fixed; }
    // The first index that is not fixed (Count when all are fixed).
    int FirstNonFixed() const { return m_fixed; }
    bool IsValid(int index) const { return index >= 0 && index < Count(); }
    // The size of an entry, -1 when the index is not valid.
    int Size(int index) const { return IsValid(index) ? m_sizes[size_t(index)] : -1; }

    void SetFixed(int fixed);
    void SetSize(int index, int size);
    // Inserts an entry before index (index == Count appends).
    void Insert(int index, int size);
    void Remove(int index);
    // Grows or shrinks to count entries; new entries take newSize.
    void Resize(int count, int newSize);
    void Reserve(int count) { m_sizes.reserve(size_t(count)); }
    // Reorders the non-fixed entries: entry i takes the size entry order[i - Fixed()] had.
    void Permute(const std::vector<int>& order);

    // Sums, held to the int range.
    int Total() const;
    int FixedTotal() const;
    int NonFixedTotal() const;
    // The sum of the sizes before index (0 <= index <= Count).
    int64_t Offset(int index) const;

    // The nearest entry of size above 0 from a start, in one direction; -1 when there is none.
    int NextShown(int after) const;
    int PreviousShown(int before, int lowest) const;
    int FirstShownFrom(int index) const;
    int LastShownUpTo(int index) const;

    // Scrolling. The position runs from 0 to MaxPosition(); the bar, when shown, spans
    // 0..RangeMax() with a page of Page() pixels.
    int Position() const { return m_position; }
    int MaxPosition() const { return m_maxPosition; }
    int RangeMax() const { return m_rangeMax; }
    int Page() const { return m_page; }
    bool BarShown() const { return m_barShown; }
    // Sets the position, held to the range; answers whether it moved.
    bool SetPosition(int position);
    void SetScrollLayout(bool shown, int page);
    // Applies one scroll-bar request; view is the client extent. Answers whether it moved.
    bool Scroll(grid::ScrollAction action, int thumb, int view);
    bool LineBefore();
    bool LineAfter();

    // The first non-fixed entry shown at the current position (may equal Count when every entry is
    // fixed).
    int FirstScrolled() const;
    // The last entry at least partly inside a client extent, counting from FirstScrolled().
    int LastInView(int view) const;
    // Where an entry starts in the client area; false when it is scrolled out before the view.
    bool Start(int index, int64_t& start) const;
    // The entry under a client coordinate; -1 beyond the last entry, or in the fixed area when
    // fixed entries are not wanted.
    int IndexAt(int coordinate, bool allowFixed) const;
    // The entry lies wholly (or at least partly) inside the client extent.
    bool IsWhollyInView(int index, int view) const;
    bool IsPartlyInView(int index, int view) const;
    // The last pixel of each entry of size above 0 from first to last, laid out after the fixed
    // entries (where the grid lines between them go).
    std::vector<int> LastPixels(int first, int last) const;
    // Scrolls until the entry lies inside the view as far as scrolling can bring it; answers
    // whether the position moved.
    bool EnsureVisible(int index, int view);

private:
    void Changed() { m_prefixValid = false, m_firstCache = -1; }
    void BuildPrefix() const;
    const std::vector<int64_t>& Prefix() const;

    std::vector<int> m_sizes;
    int m_fixed = 0;
    int64_t m_total = 0;
    mutable std::vector<int64_t> m_prefix;  // m_prefix[i]: sum of sizes before i
    mutable bool m_prefixValid = true;
    mutable int m_firstCache = -1;

    int m_position = 0;
    int m_maxPosition = 0;
    int m_rangeMax = 0;
    int m_page = 0;
    bool m_barShown = false;
};

// A 64-bit pixel sum held to the int range.
inline int ClampToInt(int64_t value)
{
    return value > INT32_MAX ? INT32_MAX : value < INT32_MIN ? INT32_MIN : int(value);
}
