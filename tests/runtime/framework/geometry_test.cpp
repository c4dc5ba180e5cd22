#include <gtest/gtest.h>

#include "fw_geometry.h"

TEST(CRectTest, SizeEdgesAndHitTest)
{
    CRect r(10, 20, 110, 70);
    EXPECT_EQ(r.Width(), 100);
    EXPECT_EQ(r.Height(), 50);
    EXPECT_EQ(r.Size(), CSize(100, 50));
    EXPECT_EQ(r.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(r.BottomRight(), CPoint(110, 70));
    EXPECT_EQ(r.CenterPoint(), CPoint(60, 45));
    EXPECT_TRUE(r.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(110, 20)));
    EXPECT_FALSE(r.PtInRect(CPoint(10, 70)));
    r.TopLeft() = CPoint(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 110, 70));
    const RECT* raw = r;
    EXPECT_EQ(raw->right, 110);
}

TEST(CRectTest, MovingAndResizing)
{
    CRect r(0, 0, 10, 10);
    r.OffsetRect(5, -5);
    EXPECT_EQ(r, CRect(5, -5, 15, 5));
    r.InflateRect(1, 2);
    EXPECT_EQ(r, CRect(4, -7, 16, 7));
    r.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(r, CRect(5, -5, 13, 3));
    r.MoveToXY(0, 0);
    EXPECT_EQ(r, CRect(0, 0, 8, 8));
    CRect n(10, 10, 0, 0);
    EXPECT_TRUE(n.IsRectEmpty());
    n.NormalizeRect();
    EXPECT_EQ(n, CRect(0, 0, 10, 10));
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(CRectTest, IntersectionAndUnion)
{
    CRect a(0, 0, 10, 10), b(5, 5, 20, 20), c(30, 30, 40, 40), out;
    EXPECT_TRUE(out.IntersectRect(a, b));
    EXPECT_EQ(out, CRect(5, 5, 10, 10));
    EXPECT_FALSE(out.IntersectRect(a, c));
    EXPECT_TRUE(out.IsRectNull());
    EXPECT_TRUE(out.UnionRect(a, c));
    EXPECT_EQ(out, CRect(0, 0, 40, 40));
    EXPECT_TRUE(out.UnionRect(CRect(), b));
    EXPECT_EQ(out, b);
    EXPECT_EQ(a | b, CRect(0, 0, 20, 20));
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
}

TEST(CPointSizeTest, Arithmetic)
{
    CPoint p(3, 4);
    p += CSize(1, 1);
    EXPECT_EQ(p, CPoint(4, 5));
    EXPECT_EQ(p - CPoint(1, 2), CSize(3, 3));
    EXPECT_EQ(p + CSize(-4, -5), CPoint(0, 0));
    EXPECT_EQ(-CSize(2, 3), CSize(-2, -3));
    CRect r(CPoint(1, 2), CSize(3, 4));
    EXPECT_EQ(r, CRect(1, 2, 4, 6));
}
