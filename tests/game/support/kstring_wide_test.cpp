#include "KString.h"

#include <gtest/gtest.h>

#include <cwchar>

namespace {

TEST(KStringWide, ConvertsAndReplacesTheCopy)
{
    KString s("music\\track 1.mp3");
    const wchar_t* w = s.ToWide();
    EXPECT_STREQ(w, L"music\\track 1.mp3");
    s = "next";
    EXPECT_STREQ(s.ToWide(), L"next");
    KString copy(s);
    EXPECT_STREQ(copy.ToWide(), L"next");
}

TEST(KStringWide, EmptyStringsGiveEmptyWideText)
{
    KString fresh;
    EXPECT_STREQ(fresh.ToWide(), L"");
    KString emptied("x");
    emptied.Empty();
    EXPECT_STREQ(emptied.ToWide(), L"");
}

}  // namespace
