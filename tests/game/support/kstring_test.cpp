#include "KString.h"

#include "kstring_print.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

TEST(KStringCapacity, FollowsTheRuleAndNeverShrinks)
{
    struct Case {
        int length;
        int capacity;
    };
    const Case cases[] = {{0, 16}, {1, 16}, {14, 16}, {15, 32}, {30, 32}, {31, 48}, {-4, 16}};
    for (const Case& c : cases) {
        EXPECT_EQ(KString::CapacityFor(c.length), c.capacity) << c.length;
        if (c.length >= 0) {
            KString s(std::string(static_cast<size_t>(c.length), 'x').c_str());
            EXPECT_EQ(s.Length(), c.length);
            EXPECT_EQ(s.Capacity(), c.capacity) << c.length;
        }
    }
    KString s("a text of more than thirty-one characters");
    int big = s.Capacity();
    s = "short";
    EXPECT_EQ(s.Capacity(), big);
    EXPECT_EQ(s, "short");
    s.Empty();
    EXPECT_EQ(s.Capacity(), 0);
    EXPECT_EQ(s.Length(), 0);
}

TEST(KStringEmpty, WithoutBufferActsAsEmptyText)
{
    KString fresh;
    KString emptied("gone");
    emptied.Empty();
    for (KString* s : {&fresh, &emptied}) {
        ASSERT_NE(s->c_str(), nullptr);
        EXPECT_STREQ(s->c_str(), "");
        EXPECT_TRUE(*s == "");
        EXPECT_FALSE(*s != "");
        EXPECT_EQ(s->Compare(""), 0);
        EXPECT_EQ(s->Compare("a"), -1);
        EXPECT_LT(s->CompareNoCase("a"), 0);
        EXPECT_EQ(s->Find("a"), -1);
        EXPECT_EQ(s->FindChar('a'), -1);
        EXPECT_EQ(s->FindLastOf(-1, 1, 'a'), -1);
        EXPECT_EQ(s->Mid(0), "");
        EXPECT_EQ(s->DropLeft(-1), 0);
        EXPECT_EQ(s->Delete(0), 0);
        EXPECT_EQ(s->Replace("a", "b"), 0);

        KString copy(*s);
        EXPECT_STREQ(copy.c_str(), "");
        KString assigned("old text");
        assigned = *s;
        EXPECT_STREQ(assigned.c_str(), "");
        EXPECT_EQ(assigned.Length(), 0);
        EXPECT_EQ((*s + "tail"), "tail");
    }
    fresh.Append("x");
    emptied.AppendChar('y');
    EXPECT_EQ(fresh, "x");
    EXPECT_EQ(emptied, "y");
}

TEST(KStringConstruction, FromNullSizeAndCopy)
{
    KString fromNull(static_cast<const char*>(nullptr));
    EXPECT_STREQ(fromNull.c_str(), "");
    EXPECT_GE(fromNull.Capacity(), 16);

    KString zeros(5);
    EXPECT_EQ(zeros.Length(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(zeros[i], '\0');
    }
    EXPECT_EQ(KString(-3).Length(), 0);

    KString a("abc");
    KString b(a);
    b[0] = 'x';
    EXPECT_EQ(a, "abc");
    EXPECT_EQ(b, "xbc");
    KString c;
    c.Set(nullptr);
    EXPECT_EQ(c, "");
    EXPECT_GE(c.Capacity(), 16);
}

TEST(KStringCompare, ByteWiseAndIgnoringCase)
{
    struct Case {
        const char* a;
        const char* b;
        int compare;
        bool equalNoCase;
    };
    const Case cases[] = {
        {"abc", "abc", 0, true},  {"abc", "abd", -1, false}, {"abd", "abc", 1, false},    {"ABC", "abc", -1, true},
        {"ab", "abc", -1, false}, {"\xE9", "a", 1, false},   {"Video", "VIDEO", 1, true},
    };
    for (const Case& c : cases) {
        KString s(c.a);
        EXPECT_EQ(s.Compare(c.b), c.compare) << c.a << " " << c.b;
        EXPECT_EQ(s.CompareNoCase(c.b) == 0, c.equalNoCase) << c.a << " " << c.b;
        EXPECT_EQ(s == c.b, c.compare == 0);
    }
    EXPECT_LT(KString("apple").CompareNoCase("BANANA"), 0);
    EXPECT_GT(KString("Cherry").CompareNoCase("banana"), 0);
}

TEST(KStringFormat, MeasuresTheExactLength)
{
    KString s;
    s.Format("%d", 12345);
    EXPECT_EQ(s, "12345");
    EXPECT_EQ(s.Length(), 5);

    // Widths beyond any estimate must fit.
    s.Format("%400f", 1.5);
    EXPECT_EQ(s.Length(), 400);
    EXPECT_EQ(s.Mid(392), "1.500000");
    s.Format("%*d|%-600s|", 300, 7, "left");
    EXPECT_EQ(s.Length(), 300 + 1 + 600 + 1);
    EXPECT_EQ(s.FindChar('7'), 299);

    char expected[64];
    std::snprintf(expected, sizeof expected, "%s=%05.1f %x %c", "k", 3.14159, 255u, 'Z');
    s.Format("%s=%05.1f %x %c", "k", 3.14159, 255u, 'Z');
    EXPECT_EQ(s, expected);

    // An argument that is the string itself.
    KString self("abc");
    self.Format("%s%s%s%s%s%s", self.c_str(), self.c_str(), self.c_str(), self.c_str(), self.c_str(), self.c_str());
    EXPECT_EQ(self, "abcabcabcabcabcabc");
    self.Format("[%s]", self.c_str());
    EXPECT_EQ(self, "[abcabcabcabcabcabc]");
}

TEST(KStringAppend, FromItsOwnBufferWhileGrowing)
{
    KString s("0123456789abcd");  // 14 characters: capacity 16
    s.Append(s.c_str());
    EXPECT_EQ(s, "0123456789abcd0123456789abcd");
    s.Append(s.c_str() + 20);
    EXPECT_EQ(s, "0123456789abcd0123456789abcd6789abcd");
    s.Set(s.c_str() + 4);
    EXPECT_EQ(s, "456789abcd0123456789abcd6789abcd");
    KString sum = KString("ab") + "cd";
    EXPECT_EQ(sum, "abcd");
    for (int i = 0; i < 100; ++i) {
        sum.AppendChar(static_cast<char>('a' + i % 26));
    }
    EXPECT_EQ(sum.Length(), 104);
    EXPECT_EQ(sum[103], 'v');
}

TEST(KStringSetLength, KeepsOrDropsText)
{
    KString s("abcdef");
    s.SetLength(3);
    EXPECT_EQ(s, "abc");
    s.SetLength(40);
    EXPECT_EQ(s.Length(), 40);
    EXPECT_STREQ(s.c_str(), "abc");
    s.SetLength(-1);
    EXPECT_EQ(s.Length(), 0);
    KString t("abcdef");
    t.SetLength(100, false);
    EXPECT_EQ(t.Length(), 100);
    EXPECT_EQ(t[0], '\0');
}

TEST(KStringSearch, FindFindCharFindLastOf)
{
    KString s("a/b\\c/d.e");
    struct FindCase {
        const char* text;
        int start;
        int count;
        int expected;
    };
    const FindCase finds[] = {
        {"", 0, -1, -1},  {"b", 0, -1, 2},   {"/", 2, -1, 5},   {"d.e", 0, -1, 6}, {"d.e", 0, 8, -1},
        {"a", -5, -1, 0}, {"e", 99, -1, -1}, {"c/d", 3, 3, -1}, {"c/d", 4, 3, 4},
    };
    for (const FindCase& c : finds) {
        EXPECT_EQ(s.Find(c.text, c.start, c.count), c.expected) << c.text << " " << c.start;
    }
    EXPECT_EQ(s.FindChar('/'), 1);
    EXPECT_EQ(s.FindChar('/', 2), 5);
    EXPECT_EQ(s.FindChar('/', 2, 2), -1);
    EXPECT_EQ(s.FindChar('a', 100), -1);
    EXPECT_EQ(s.FindChar('e', 0, 100), 8);

    // The first listed character wins even when another stands nearer.
    EXPECT_EQ(s.FindLastOf(-1, 2, '\\', '/'), 3);
    EXPECT_EQ(s.FindLastOf(-1, 2, '/', '\\'), 5);
    EXPECT_EQ(s.FindLastOf(4, 1, '/'), 1);
    EXPECT_EQ(s.FindLastOf(-1, 1, 'x'), -1);
    EXPECT_EQ(s.FindLastOf(9, 1, 'a'), -1);
    EXPECT_EQ(s.FindLastOf(-2, 1, 'a'), -1);
}

TEST(KStringCut, LeftMidDropDelete)
{
    KString six("abcdef");
    EXPECT_EQ(six.Mid(3, -1), "def");
    EXPECT_EQ(six.Mid(1, 2), "bc");
    EXPECT_EQ(six.Mid(4, 10), "ef");
    EXPECT_EQ(six.Mid(-2, 2), "ab");
    EXPECT_EQ(six.Mid(10), "");
    EXPECT_EQ(six.Left(99), "abcdef");
    EXPECT_EQ(six.Left(-1), "");
    EXPECT_EQ(six.Left(2), "ab");

    struct DropCase {
        const char* text;
        int n;
        bool left;
        const char* after;
        int result;
    };
    const DropCase drops[] = {
        {"  \tab ", -1, true, "ab ", 3}, {"ab ", -1, false, "ab", 1},     {"abc", 0, true, "abc", 0},
        {"abcdef", 2, true, "cdef", 0},  {"abcdef", 2, false, "abcd", 0}, {"abc", 9, true, "", 0},
        {"abc", 9, false, "", 0},        {" \t ", -1, true, "", 3},
    };
    for (const DropCase& c : drops) {
        KString s(c.text);
        EXPECT_EQ(c.left ? s.DropLeft(c.n) : s.DropRight(c.n), c.result) << c.text;
        EXPECT_EQ(s, c.after) << c.text;
    }

    KString d("abcdef");
    EXPECT_EQ(d.Delete(1, 2), 2);
    EXPECT_EQ(d, "adef");
    EXPECT_EQ(d.Delete(2, -1), 2);
    EXPECT_EQ(d, "ad");
    EXPECT_EQ(d.Delete(5, 1), 0);
    EXPECT_EQ(d.Delete(-3, 1), 1);
    EXPECT_EQ(d, "d");
}

TEST(KStringEdit, InsertCharsAndReplaceRange)
{
    KString s("abc");
    s.InsertChars('x', 1, 0);
    EXPECT_EQ(s, "abc");
    s.InsertChars('x', 4, 2);
    EXPECT_EQ(s, "abc");
    s.InsertChars('x', 1, 2);
    EXPECT_EQ(s, "axxbc");
    s.InsertChars('-', -1, 20);
    EXPECT_EQ(s.Length(), 25);
    EXPECT_EQ(s.Mid(5, 3), "---");

    struct RangeCase {
        const char* text;
        int start;
        int count;
        const char* with;
        const char* after;
    };
    const RangeCase ranges[] = {
        {"hello world", 0, 5, "bye", "bye world"},
        {"hello world", 6, -1, "there!", "hello there!"},
        {"abc", 1, 1, "XYZ", "aXYZc"},
        {"abc", 1, 0, "", "abc"},
        {"abc", 3, 0, "d", "abcd"},
        {"abc", -1, 1, "", "bc"},
    };
    for (const RangeCase& c : ranges) {
        KString t(c.text);
        t.ReplaceRange(c.with, c.start, c.count);
        EXPECT_EQ(t, c.after) << c.text;
    }
    KString self("abcdefghijklmno");
    self.ReplaceRange(self.c_str(), 15, 0);
    EXPECT_EQ(self, "abcdefghijklmnoabcdefghijklmno");
}

TEST(KStringReplace, TokensWithinAFixedWindow)
{
    struct Case {
        const char* text;
        const char* find;
        const char* with;
        int start;
        int count;
        const char* after;
        int replaced;
    };
    const Case cases[] = {
        {"%m : %+S : %+2s", "%m", "5", 0, -1, "5 : %+S : %+2s", 1},
        {"a-b-c", "-", "+", 0, -1, "a+b+c", 2},
        {"a-b-c", "-", "+", 2, -1, "a-b+c", 1},
        {"a-b-c", "-", "+", 0, 2, "a+b-c", 1},
        {"abc", "", "x", 0, -1, "abc", 0},
        {"aaa", "a", "aa", 0, -1, "aaaaaa", 3},
        {"xyz", "q", "r", 0, -1, "xyz", 0},
    };
    for (const Case& c : cases) {
        KString s(c.text);
        EXPECT_EQ(s.Replace(c.find, c.with, c.start, c.count), c.replaced) << c.text;
        EXPECT_EQ(s, c.after) << c.text;
    }
}

}  // namespace
