#include <gtest/gtest.h>

#include "fw_array.h"

TEST(CArrayTest, AddInsertRemoveKeepOrder)
{
    CStringArray a;
    EXPECT_TRUE(a.IsEmpty());
    EXPECT_EQ(a.Add("b"), 0);
    EXPECT_EQ(a.Add("d"), 1);
    a.InsertAt(0, "a");
    a.InsertAt(2, "c");
    ASSERT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a.GetUpperBound(), 3);
    EXPECT_EQ(a[0], "a");
    EXPECT_EQ(a[3], "d");
    a.RemoveAt(1, 2);
    ASSERT_EQ(a.GetSize(), 2);
    EXPECT_EQ(a.GetAt(1), "d");
    a.InsertAt(5, "z");  // past the end: grows with empty texts up to it
    ASSERT_EQ(a.GetSize(), 6);
    EXPECT_EQ(a[4], "");
    EXPECT_EQ(a[5], "z");
    a.RemoveAll();
    EXPECT_EQ(a.GetCount(), 0);
}

TEST(CArrayTest, IndexOutsideRaisesInvalidArg)
{
    CDWordArray a;
    a.Add(7);
    EXPECT_THROW(a.GetAt(1), CInvalidArgException);
    EXPECT_THROW(a[-1], CInvalidArgException);
    EXPECT_THROW(a.SetAt(3, 1), CInvalidArgException);
    EXPECT_THROW(a.RemoveAt(0, 2), CInvalidArgException);
    EXPECT_THROW(a.SetSize(-1), CInvalidArgException);
    EXPECT_EQ(a.GetSize(), 1);
}

TEST(CArrayTest, SetSizeAndSetAtGrowFillWithZero)
{
    CPtrArray p;
    p.SetSize(3);
    EXPECT_EQ(p[2], nullptr);
    int x = 0;
    p.SetAtGrow(5, &x);
    EXPECT_EQ(p.GetSize(), 6);
    EXPECT_EQ(p[5], &x);
    EXPECT_EQ(p[4], nullptr);
    CUIntArray u;
    u.SetSize(2, 16);
    u[1] = 9;
    u.SetSize(1);
    EXPECT_EQ(u.GetSize(), 1);
    EXPECT_NE(u.GetData(), nullptr);
}

TEST(CArrayTest, AppendAndCopyIncludingItself)
{
    CStringArray a, b;
    a.Add("x");
    a.Add("y");
    EXPECT_EQ(a.Append(a), 2);
    ASSERT_EQ(a.GetSize(), 4);
    EXPECT_EQ(a[3], "y");
    b.Copy(a);
    EXPECT_EQ(b.GetSize(), 4);
    b.InsertAt(1, &a);
    EXPECT_EQ(b.GetSize(), 8);
    EXPECT_EQ(b[1], "x");
    EXPECT_EQ(b[2], "y");
    EXPECT_EQ(b[5], "y");
    a.Add(a[0]);  // an element of the array itself
    EXPECT_EQ(a[4], "x");
}
