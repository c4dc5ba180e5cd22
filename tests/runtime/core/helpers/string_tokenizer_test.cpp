#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "string_tokenizer.h"

namespace {

std::vector<std::string> Fields(const char* text, const char* seps, char quote, uint32_t flags)
{
    CStringTokenizer t(text);
    int n = t.Split(seps, quote, flags);
    std::vector<std::string> out;
    for (int i = 0; i < n; ++i) out.push_back(t.GetAt(i).GetString());
    EXPECT_EQ(n, t.GetCount());
    return out;
}

using V = std::vector<std::string>;

}  // namespace

TEST(CStringTokenizerTest, SplitsByTable)
{
    struct Case {
        const char* text;
        const char* seps;
        char quote;
        uint32_t flags;
        V want;
    } cases[] = {
        {"a,b,,c", ",", '\'', 0, {"a", "b", "", "c"}},
        {"'x,y',z", ",", '\'', 4, {"x,y", "z"}},
        {"'x,y',z", ",", '\'', 5, {"'x,y'", "z"}},
        {" a , 'b' ", ",", '\'', 6, {"a", "b"}},
        {"'it''s'", ",", '\'', 4, {"it's"}},
        {",", ",", '"', 0, {"", ""}},
        {"whole text", ",", '"', 0, {"whole text"}},
        {"a,", ",", '"', 0, {"a", ""}},
        {"a;b|c", ";|", '"', 0, {"a", "b", "c"}},
        {"'open,rest,of", ",", '\'', 4, {"open,rest,of"}},
        {"'open,rest", ",", '\'', 5, {"'open,rest"}},
        {"'x,y',z", ",", '\'', 0, {"'x", "y'", "z"}},  // quotes not recognised
        {"  'q'  ", ",", '\'', 4, {"  q  "}},  // quotes stripped inside the blanks
        {"\"a\x01"
         "b\"\x01"
         "c",
         "\x01",
         '"',
         4,
         {"a\x01"
          "b",
          "c"}},  // project fields
        {"a b", " ", '"', 0, {"a", "b"}},
        {"''", ",", '\'', 4, {""}},
        {"a''b", ",", '\'', 4, {"a'b"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Fields(c.text, c.seps, c.quote, c.flags), c.want) << c.text << " flags " << c.flags;
}

TEST(CStringTokenizerTest, InvalidConfigurationsGiveNoFields)
{
    struct Case {
        const char* seps;
        char quote;
        uint32_t flags;
    } cases[] = {
        {",", '\'', 1},  // keep quotes without recognising them
        {",'", '\'', 4},  // quote is a separator
        {",'", '\'', 0}, {", ", '"', 2},  // trimming blanks that separate
        {",", ' ', 2},  // trimming the quote character
    };
    for (const auto& c : cases) {
        CStringTokenizer t("a,b");
        ASSERT_EQ(t.Split("x", '"', 0), 1);
        EXPECT_EQ(t.Split(c.seps, c.quote, c.flags), 0) << c.seps << " " << c.flags;
        EXPECT_EQ(t.GetCount(), 0);  // an invalid split empties the fields
    }
}

TEST(CStringTokenizerTest, EmptySourceKeepsPreviousFields)
{
    CStringTokenizer t;
    EXPECT_EQ(t.SplitText("a,b", ",", '"', 0), 2);
    EXPECT_EQ(t.SplitText("", ",", '"', 0), 0);
    EXPECT_EQ(t.GetAt(1), "b");
    EXPECT_EQ(t.GetAt(2), "");
    EXPECT_EQ(t.GetAt(-1), "");
    t.SetText("c");
    EXPECT_EQ(t.Split(",", '"', 0), 1);
    EXPECT_EQ(t.GetAt(0), "c");
}

TEST(CStringTokenizerTest, KeepsZeroBytesInsideFields)
{
    CStringTokenizer t(CString("a\0b,c", 5));
    ASSERT_EQ(t.Split(",", '"', 0), 2);
    EXPECT_EQ(t.GetAt(0).GetLength(), 3);
}
