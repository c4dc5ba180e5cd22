#include "grid_axis.h"

#include <algorithm>

void CGridAxis::SetFixed(int fixed)
{
    m_fixed = std::max(0, std::min(fixed, Count()));
    m_firstCache = -1;
}

void CGridAxis::SetSize(int index, int size)
{
    if (!IsValid(index) || m_sizes[size_t(index)] == size) return;
    m_total += int64_t(size) - m_sizes[size_t(index)];
    m_sizes[size_t(index)] = size;
    Changed();
}

void CGridAxis::Insert(int index, int size)
{
    if (index < 0 || index > Count()) return;
    const bool append = index == Count();
    m_sizes.insert(m_sizes.begin() + index, size);
    m_total += size;
    if (append && m_prefixValid && !m_prefix.empty()) {
        m_prefix.push_back(m_prefix.back() + size);
        m_firstCache = -1;
    } else {
        Changed();
    }
}

void CGridAxis::Remove(int index)
{
    if (!IsValid(index)) return;
    m_total -= m_sizes[size_t(index)];
    m_sizes.erase(m_sizes.begin() + index);
    if (index < m_fixed) --m_fixed;
    Changed();
}

void CGridAxis::Resize(int count, int newSize)
{
    count = std::max(0, count);
    for (size_t i = size_t(count); i < m_sizes.size(); ++i) m_total -= m_sizes[i];
    if (count > Count()) m_total += int64_t(count - Count()) * newSize;
    m_sizes.resize(size_t(count), newSize);
    m_fixed = std::min(m_fixed, count);
    Changed();
}

void CGridAxis::Permute(const std::vector<int>& order)
{
    std::vector<int> sizes(m_sizes);
    for (size_t i = 0; i < order.size(); ++i) m_sizes[size_t(m_fixed) + i] = sizes[size_t(m_fixed + order[i])];
    Changed();
}

void CGridAxis::BuildPrefix() const
{
    m_prefix.resize(m_sizes.size() + 1);
    m_prefix[0] = 0;
    for (size_t i = 0; i < m_sizes.size(); ++i) m_prefix[i + 1] = m_prefix[i] + m_sizes[i];
    m_prefixValid = true;
}

const std::vector<int64_t>& CGridAxis::Prefix() const
{
    if (!m_prefixValid || m_prefix.size() != m_sizes.size() + 1) BuildPrefix();
    return m_prefix;
}

int CGridAxis::Total() const { return ClampToInt(m_total); }

int CGridAxis::FixedTotal() const
{
    if (m_prefixValid && m_prefix.size() == m_sizes.size() + 1) return ClampToInt(m_prefix[size_t(m_fixed)]);
    int64_t sum = 0;
    for (int i = 0; i < m_fixed; ++i) sum += m_sizes[size_t(i)];
    return ClampToInt(sum);
}

int CGridAxis::NonFixedTotal() const { return ClampToInt(m_total - FixedTotal()); }

int64_t CGridAxis::Offset(int index) const
{
    index = std::max(0, std::min(index, Count()));
    return Prefix()[size_t(index)];
}

int CGridAxis::NextShown(int after) const
{
    for (int i = std::max(0, after + 1); i < Count(); ++i)
        if (m_sizes[size_t(i)] > 0) return i;
    return -1;
}

int CGridAxis::PreviousShown(int before, int lowest) const
{
    for (int i = std::min(before, Count()) - 1; i >= std::max(0, lowest); --i)
        if (m_sizes[size_t(i)] > 0) return i;
    return -1;
}

int CGridAxis::FirstShownFrom(int index) const { return NextShown(index - 1); }

int CGridAxis::LastShownUpTo(int index) const { return PreviousShown(index + 1, 0); }

bool CGridAxis::SetPosition(int position)
{
    position = std::max(0, std::min(position, m_maxPosition));
    if (position == m_position) return false;
    m_position = position;
    m_firstCache = -1;
    return true;
}

void CGridAxis::SetScrollLayout(bool shown, int page)
{
    m_barShown = shown;
    m_page = std::max(0, page);
    const int64_t scrolled = m_total - FixedTotal();
    m_rangeMax = shown ? ClampToInt(std::max<int64_t>(0, scrolled - 1)) : 0;
    m_maxPosition = shown ? ClampToInt(std::max<int64_t>(0, scrolled - m_page)) : 0;
    SetPosition(m_position);
    m_firstCache = -1;
}

bool CGridAxis::LineBefore()
{
    const int first = FirstScrolled();
    if (m_position <= 0 || first <= m_fixed) return false;
    const int previous = PreviousShown(first, m_fixed);
    return previous >= 0 && SetPosition(std::max(0, m_position - m_sizes[size_t(previous)]));
}

bool CGridAxis::LineAfter()
{
    if (m_position >= m_maxPosition) return false;
    const int next = FirstShownFrom(FirstScrolled());
    return next >= 0 && SetPosition(ClampToInt(int64_t(m_position) + m_sizes[size_t(next)]));
}

bool CGridAxis::Scroll(grid::ScrollAction action, int thumb, int view)
{
    const int page = std::max(0, view - FixedTotal());
    switch (action) {
    case grid::kLineUp: return LineBefore();
    case grid::kLineDown: return LineAfter();
    case grid::kPageUp: return SetPosition(ClampToInt(int64_t(m_position) - page));
    case grid::kPageDown: return SetPosition(ClampToInt(int64_t(m_position) + page));
    case grid::kThumbPosition:
    case grid::kThumbTrack: return SetPosition(thumb);
    case grid::kTop: return SetPosition(0);
    case grid::kBottom: return SetPosition(m_maxPosition);
    default: return false;
    }
}

int CGridAxis::FirstScrolled() const
{
    if (m_firstCache >= 0) return m_firstCache;
    int first = m_fixed;
    if (m_position > 0 && m_fixed < Count() - 1) {
        const auto& p = Prefix();
        const int64_t target = p[size_t(m_fixed)] + m_position;
        auto it = std::lower_bound(p.begin() + m_fixed, p.begin() + (Count() - 1), target);
        first = int(it - p.begin());
    }
    m_firstCache = first;
    return first;
}

int CGridAxis::LastInView(int view) const
{
    const int first = FirstScrolled();
    if (first >= Count()) return Count() - 1;
    const auto& p = Prefix();
    const int64_t target = int64_t(view) - FixedTotal() + p[size_t(first)];
    auto it = std::lower_bound(p.begin() + first + 1, p.end(), target);
    if (it == p.end()) return Count() - 1;
    return int(it - p.begin()) - 1;
}

bool CGridAxis::Start(int index, int64_t& start) const
{
    if (!IsValid(index)) return false;
    const auto& p = Prefix();
    if (index < m_fixed) {
        start = p[size_t(index)];
        return true;
    }
    const int first = FirstScrolled();
    if (index < first) return false;
    start = p[size_t(m_fixed)] + p[size_t(index)] - p[size_t(first)];
    return true;
}

int CGridAxis::IndexAt(int coordinate, bool allowFixed) const
{
    const auto& p = Prefix();
    const int64_t fixedTotal = p[size_t(m_fixed)];
    if (coordinate < fixedTotal) {
        if (!allowFixed) return -1;
        auto it = std::upper_bound(p.begin() + 1, p.begin() + m_fixed + 1, int64_t(coordinate));
        return int(it - p.begin()) - 1;
    }
    const int first = FirstScrolled();
    if (first >= Count()) return -1;
    const int64_t target = int64_t(coordinate) - fixedTotal + p[size_t(first)];
    auto it = std::upper_bound(p.begin() + first + 1, p.end(), target);
    if (it == p.end()) return -1;
    return int(it - p.begin()) - 1;
}

bool CGridAxis::IsWhollyInView(int index, int view) const
{
    int64_t start = 0;
    return Start(index, start) && start + m_sizes[size_t(index)] <= view;
}

bool CGridAxis::IsPartlyInView(int index, int view) const
{
    int64_t start = 0;
    return Start(index, start) && m_sizes[size_t(index)] > 0 && start < view;
}

std::vector<int> CGridAxis::LastPixels(int first, int last) const
{
    std::vector<int> pixels;
    int64_t edge = FixedTotal();
    for (int i = std::max(0, first); i <= last && i < Count(); ++i) {
        if (m_sizes[size_t(i)] <= 0) continue;
        edge += m_sizes[size_t(i)];
        pixels.push_back(ClampToInt(edge - 1));
    }
    return pixels;
}

bool CGridAxis::EnsureVisible(int index, int view)
{
    if (!IsValid(index)) return false;
    bool moved = false;
    const int first = FirstScrolled();
    const int last = LastInView(view);
    if (index > last) {
        for (int i = last + 1; i <= index; ++i)
            if (m_sizes[size_t(i)] > 0) {
                if (!LineAfter()) break;
                moved = true;
            }
    } else if (index < first) {
        for (int i = index; i < first; ++i)
            if (m_sizes[size_t(i)] > 0) {
                if (!LineBefore()) break;
                moved = true;
            }
    }
    // One line more while the entry sticks out after the view, until scrolling cannot move.
    int64_t start = 0;
    while (Start(index, start) && start + m_sizes[size_t(index)] > view && start > FixedTotal()) {
        if (!LineAfter()) break;
        moved = true;
    }
    return moved;
}
