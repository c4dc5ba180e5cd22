#include <gtest/gtest.h>

#include "fw_object.h"
#include "fw_string.h"

TEST(CStringTest, HoldsBytesWithZerosAndCountsThem)
{
    CString s("a\0b", 3);
    EXPECT_EQ(s.GetLength(), 3);
    EXPECT_EQ(s.GetAt(1), '\0');
    CString t("a\0c", 3);
    EXPECT_NE(s, t);
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_EQ(CString(static_cast<const char*>(nullptr)), "");
    EXPECT_EQ(CString('x', 3), "xxx");
    EXPECT_EQ(CString('x', -2), "");
}

TEST(CStringTest, IndexOutsideRaisesInvalidArg)
{
    CString s("ab");
    EXPECT_THROW(s.GetAt(2), CInvalidArgException);
    EXPECT_THROW(s.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(s.SetAt(5, 'x'), CInvalidArgException);
    s.SetAt(1, 'z');
    EXPECT_EQ(s, "az");
    // Indices of any integer type, sizes of arrays among them.
    EXPECT_EQ(s[size_t{1}], 'z');
    EXPECT_EQ(s[INT_PTR{0}], 'a');
    EXPECT_EQ(s[1u], 'z');
    // Past int's range: refused, never cut down to a small index (size_t is 32 bits on i686).
    EXPECT_THROW(s[size_t{0x80000000u}], CInvalidArgException);
    EXPECT_THROW(s[0x100000000ULL], CInvalidArgException);
}

TEST(CStringTest, SubstringsClampTheirRange)
{
    const CString s("hello");
    struct Case {
        int first, count;
        const char* want;
    } cases[] = {
        {0, 2, "he"}, {1, 3, "ell"}, {-3, 2, "he"}, {3, 100, "lo"},
        {5, 1, ""},   {9, 1, ""},    {2, -1, ""},   {2, 0x7fffffff, "llo"},
    };
    for (const Case& c : cases) EXPECT_EQ(s.Mid(c.first, c.count), c.want) << c.first << "," << c.count;
    EXPECT_EQ(s.Mid(2), "llo");
    EXPECT_EQ(s.Left(-1), "");
    EXPECT_EQ(s.Left(99), "hello");
    EXPECT_EQ(s.Right(2), "lo");
    EXPECT_EQ(s.Right(99), "hello");
    EXPECT_EQ(s.Right(-4), "");
    EXPECT_EQ(CString("abc123").SpanIncluding("abc"), "abc");
    EXPECT_EQ(CString("abc,def").SpanExcluding(",;"), "abc");
}

TEST(CStringTest, SearchesAnswerIndexOrMinusOne)
{
    const CString s("a.b.c");
    EXPECT_EQ(s.Find('.'), 1);
    EXPECT_EQ(s.Find('.', 2), 3);
    EXPECT_EQ(s.Find('.', 9), -1);
    EXPECT_EQ(s.Find('x'), -1);
    EXPECT_EQ(s.Find("b.c"), 2);
    EXPECT_EQ(s.Find("b", 3), -1);
    EXPECT_EQ(s.ReverseFind('.'), 3);
    EXPECT_EQ(s.ReverseFind('x'), -1);
    EXPECT_EQ(s.FindOneOf("cb"), 2);
    EXPECT_EQ(s.FindOneOf(""), -1);
}

TEST(CStringTest, EditingOperations)
{
    CString s("one two two");
    EXPECT_EQ(s.Replace("two", "2"), 2);
    EXPECT_EQ(s, "one 2 2");
    EXPECT_EQ(s.Replace("", "x"), 0);
    EXPECT_EQ(s.Replace(' ', '_'), 2);
    EXPECT_EQ(s.Remove('_'), 2);
    EXPECT_EQ(s, "one22");
    EXPECT_EQ(s.Insert(3, '-'), 6);
    EXPECT_EQ(s.Insert(99, "!"), 7);
    EXPECT_EQ(s, "one-22!");
    EXPECT_EQ(s.Delete(3, 3), 4);
    EXPECT_EQ(s, "one!");
    EXPECT_EQ(s.Delete(10, 2), 4);
    EXPECT_EQ(s.Delete(2, 99), 2);
    EXPECT_EQ(s, "on");
    CString r("aXb");
    r.Replace("X", "XX");  // replacement holding the pattern must not loop
    EXPECT_EQ(r, "aXXb");
}

TEST(CStringTest, CaseAndTrimming)
{
    CString s("  \tMixed Case\xC4 \r\n");
    s.Trim();
    EXPECT_EQ(s, "Mixed Case\xC4");
    s.MakeUpper();
    EXPECT_EQ(s, "MIXED CASE\xC4");  // bytes above ASCII are left alone everywhere
    s.MakeLower();
    EXPECT_EQ(s, "mixed case\xC4");
    CString t("xxabcxx");
    t.TrimLeft('x');
    EXPECT_EQ(t, "abcxx");
    t.TrimRight("xc");
    EXPECT_EQ(t, "ab");
    EXPECT_EQ(CString("abc").MakeReverse(), "cba");
}

TEST(CStringTest, ComparisonsAreByteWise)
{
    EXPECT_LT(CString("a").Compare("b"), 0);
    EXPECT_GT(CString("\xE9").Compare("z"), 0);  // unsigned bytes
    EXPECT_EQ(CString("abc").Compare("abc"), 0);
    EXPECT_LT(CString("ab").Compare("abc"), 0);
    EXPECT_EQ(CString("HeLLo").CompareNoCase("hello"), 0);
    EXPECT_LT(CString("_").CompareNoCase("a"), 0);  // folds to lower case, as the C library does
    EXPECT_TRUE(CString("A") < CString("a"));
    EXPECT_TRUE(CString("abc") == "abc");
    EXPECT_TRUE("abc" == CString("abc"));
    EXPECT_TRUE(CString("abc") != "abd");
}

TEST(CStringTest, ConcatenationAndSelfAssignment)
{
    CString s = CString("a") + "b" + 'c' + CString("d");
    EXPECT_EQ(s, "abcd");
    s = 'q' + s;
    EXPECT_EQ(s, "qabcd");
    s = s.GetString() + 2;  // a pointer into itself
    EXPECT_EQ(s, "bcd");
    s += s;
    EXPECT_EQ(s, "bcdbcd");
    s.Append("\0z", 2);
    EXPECT_EQ(s.GetLength(), 8);
}

TEST(CStringTest, FormatHasNoLengthLimit)
{
    CString s;
    s.Format("%d-%s-%.2f", -12, "x", 1.005);
    EXPECT_EQ(s, "-12-x-1.00");
    CString big(std::string(1000, 'y'));
    s.Format("[%s]", big.GetString());
    EXPECT_EQ(s.GetLength(), 1002);
    s.AppendFormat("%04X", 255);
    EXPECT_EQ(s.Right(4), "00FF");
    s.Format("%f", 1e300);
    EXPECT_EQ(s.GetLength(), 308);
}

TEST(CStringTest, BufferAccessForCStyleFillers)
{
    CString s("ab");
    char* p = s.GetBuffer(10);
    std::snprintf(p, 11, "%s", "hello");
    s.ReleaseBuffer();
    EXPECT_EQ(s, "hello");
    p = s.GetBufferSetLength(3);
    p[0] = 'X';
    s.ReleaseBuffer(2);
    EXPECT_EQ(s, "Xe");
}
