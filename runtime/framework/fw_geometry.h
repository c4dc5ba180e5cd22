// CPoint, CSize and CRect: the system's POINT, SIZE and RECT with arithmetic. Each adds no data
// to its structure, so a CRect passes wherever a RECT pointer is expected.
#pragma once

#include <algorithm>

#include "fw_types.h"

class CSize : public SIZE {
public:
    CSize() { cx = cy = 0; }
    CSize(int x, int y) { cx = x, cy = y; }
    CSize(const SIZE& s) { cx = s.cx, cy = s.cy; }  // NOLINT: implicit like the framework's

    bool operator==(const SIZE& s) const { return cx == s.cx && cy == s.cy; }
    bool operator!=(const SIZE& s) const { return !(*this == s); }
    CSize& operator+=(const SIZE& s)
    {
        cx += s.cx, cy += s.cy;
        return *this;
    }
    CSize& operator-=(const SIZE& s)
    {
        cx -= s.cx, cy -= s.cy;
        return *this;
    }
    CSize operator+(const SIZE& s) const { return CSize(cx + s.cx, cy + s.cy); }
    CSize operator-(const SIZE& s) const { return CSize(cx - s.cx, cy - s.cy); }
    CSize operator-() const { return CSize(-cx, -cy); }
};

class CPoint : public POINT {
public:
    CPoint() { x = y = 0; }
    CPoint(int px, int py) { x = px, y = py; }
    CPoint(const POINT& p) { x = p.x, y = p.y; }  // NOLINT: implicit like the framework's

    void Offset(int dx, int dy) { x += dx, y += dy; }
    void SetPoint(int px, int py) { x = px, y = py; }
    bool operator==(const POINT& p) const { return x == p.x && y == p.y; }
    bool operator!=(const POINT& p) const { return !(*this == p); }
    CPoint& operator+=(const SIZE& s)
    {
        x += s.cx, y += s.cy;
        return *this;
    }
    CPoint& operator-=(const SIZE& s)
    {
        x -= s.cx, y -= s.cy;
        return *this;
    }
    CPoint& operator+=(const POINT& p)
    {
        x += p.x, y += p.y;
        return *this;
    }
    CPoint& operator-=(const POINT& p)
    {
        x -= p.x, y -= p.y;
        return *this;
    }
    CPoint operator+(const SIZE& s) const { return CPoint(x + s.cx, y + s.cy); }
    CPoint operator-(const SIZE& s) const { return CPoint(x - s.cx, y - s.cy); }
    CPoint operator+(const POINT& p) const { return CPoint(x + p.x, y + p.y); }
    // The difference of two points is a size.
    CSize operator-(const POINT& p) const { return CSize(x - p.x, y - p.y); }
    CPoint operator-() const { return CPoint(-x, -y); }
};

class CRect : public RECT {
public:
    CRect() { left = top = right = bottom = 0; }
    CRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    CRect(const RECT& r) { left = r.left, top = r.top, right = r.right, bottom = r.bottom; }  // NOLINT
    CRect(const POINT& topLeft, const SIZE& size)
    {
        left = topLeft.x, top = topLeft.y, right = topLeft.x + size.cx, bottom = topLeft.y + size.cy;
    }
    CRect(const POINT& topLeft, const POINT& bottomRight)
    {
        left = topLeft.x, top = topLeft.y, right = bottomRight.x, bottom = bottomRight.y;
    }

    operator RECT*() { return this; }  // NOLINT: passes as LPRECT
    operator const RECT*() const { return this; }  // NOLINT: passes as LPCRECT

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CSize Size() const { return CSize(Width(), Height()); }
    CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
    CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
    const CPoint& TopLeft() const { return *reinterpret_cast<const CPoint*>(&left); }
    const CPoint& BottomRight() const { return *reinterpret_cast<const CPoint*>(&right); }
    CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }

    // Empty: no area (width or height not above 0). Null: all four edges 0.
    bool IsRectEmpty() const { return right <= left || bottom <= top; }
    bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    // The left and top edges belong to the rectangle, the right and bottom ones do not.
    bool PtInRect(const POINT& p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool EqualRect(const RECT& r) const
    {
        return left == r.left && top == r.top && right == r.right && bottom == r.bottom;
    }

    void SetRect(int l, int t, int r, int b) { left = l, top = t, right = r, bottom = b; }
    void SetRectEmpty() { SetRect(0, 0, 0, 0); }
    void CopyRect(const RECT* r) { *this = *r; }
    void OffsetRect(int dx, int dy) { left += dx, right += dx, top += dy, bottom += dy; }
    void OffsetRect(const POINT& p) { OffsetRect(p.x, p.y); }
    void OffsetRect(const SIZE& s) { OffsetRect(s.cx, s.cy); }
    void MoveToXY(int x, int y) { OffsetRect(x - left, y - top); }
    void InflateRect(int dx, int dy) { left -= dx, right += dx, top -= dy, bottom += dy; }
    void InflateRect(const SIZE& s) { InflateRect(s.cx, s.cy); }
    void InflateRect(int l, int t, int r, int b) { left -= l, top -= t, right += r, bottom += b; }
    void DeflateRect(int dx, int dy) { InflateRect(-dx, -dy); }
    void DeflateRect(const SIZE& s) { InflateRect(-s.cx, -s.cy); }
    void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
    void NormalizeRect()
    {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    // The overlap of two rectangles; an empty result is set to all zeros, answering false.
    bool IntersectRect(const RECT& a, const RECT& b)
    {
        SetRect(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                std::min(a.bottom, b.bottom));
        return ZeroIfEmpty();
    }
    // The smallest rectangle holding both; empty inputs are ignored.
    bool UnionRect(const RECT& a, const RECT& b)
    {
        const CRect ra(a), rb(b);
        if (ra.IsRectEmpty()) {
            *this = rb;
        } else if (rb.IsRectEmpty()) {
            *this = ra;
        } else {
            SetRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                    std::max(a.bottom, b.bottom));
        }
        return ZeroIfEmpty();
    }

    bool operator==(const RECT& r) const { return EqualRect(r); }
    bool operator!=(const RECT& r) const { return !EqualRect(r); }
    CRect& operator=(const RECT& r)
    {
        left = r.left, top = r.top, right = r.right, bottom = r.bottom;
        return *this;
    }
    CRect& operator+=(const POINT& p)
    {
        OffsetRect(p.x, p.y);
        return *this;
    }
    CRect& operator-=(const POINT& p)
    {
        OffsetRect(-p.x, -p.y);
        return *this;
    }
    CRect& operator&=(const RECT& r)
    {
        IntersectRect(*this, r);
        return *this;
    }
    CRect& operator|=(const RECT& r)
    {
        UnionRect(*this, r);
        return *this;
    }
    CRect operator+(const POINT& p) const
    {
        CRect r(*this);
        r.OffsetRect(p.x, p.y);
        return r;
    }
    CRect operator-(const POINT& p) const
    {
        CRect r(*this);
        r.OffsetRect(-p.x, -p.y);
        return r;
    }
    CRect operator&(const RECT& o) const
    {
        CRect r;
        r.IntersectRect(*this, o);
        return r;
    }
    CRect operator|(const RECT& o) const
    {
        CRect r;
        r.UnionRect(*this, o);
        return r;
    }

private:
    bool ZeroIfEmpty()
    {
        if (!IsRectEmpty()) return true;
        SetRectEmpty();
        return false;
    }
};
