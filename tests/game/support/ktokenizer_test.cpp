#include "KTokenizer.h"

#include "kstring_print.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Tokens(const KTokenizer& t)
{
    std::vector<std::string> out;
    for (int i = 0; i < t.GetCount(); ++i) {
        out.push_back(t.GetToken(i).c_str());
    }
    return out;
}

struct Case {
    const char* text;
    const char* separators;
    int flags;
    char quote;
    std::vector<std::string> tokens;
};

TEST(KTokenizerCut, SeparatorsQuotesAndTrimming)
{
    const int Q = KTokenizer::Quoting, K = KTokenizer::KeepQuotes, T = KTokenizer::TrimBlanks;
    const Case cases[] = {
        {"a,,b", ",", 0, '"', {"a", "", "b"}},
        {"a,b,", ",", 0, '"', {"a", "b", ""}},
        {",", ",", 0, '"', {"", ""}},
        {"a   b", " ", 0, '"', {"a", "b"}},
        {"a b   ", " ", 0, '"', {"a", "b"}},
        {"a \t b", " \t", 0, '"', {"a", "b"}},
        {"a  ,b", " ,", 0, '"', {"a", "b"}},
        {"x \"a b\" y", " ", Q, '"', {"x", "a b", "y"}},
        {"x \"a b\" y", " ", Q | K, '"', {"x", "\"a b\"", "y"}},
        {"x \"a b\" y", " ", 0, '"', {"x", "\"a", "b\"", "y"}},
        {"x \"a b", " ", Q, '"', {"x"}},
        {"a,b", ",", 0, ',', {}},
        {"a,b", ",", K, '"', {}},
        {"a,b", ",", T, ' ', {}},
        {" a , b ", ",", T, '"', {"a", "b"}},
        {"' a ',b", ",", Q | T, '\'', {" a ", "b"}},
        {"10;20;;30", ";", 0, '"', {"10", "20", "", "30"}},
        {"", ",", 0, '"', {}},
        {"single", ",", 0, '"', {"single"}},
    };
    for (const Case& c : cases) {
        KTokenizer t(c.text);
        int n = t.Tokenize(c.separators, c.flags, c.quote);
        EXPECT_EQ(n, static_cast<int>(c.tokens.size())) << c.text;
        EXPECT_EQ(Tokens(t), c.tokens) << c.text << " flags " << c.flags;
    }
}

TEST(KTokenizerCut, ReplacesTextAndResets)
{
    KTokenizer t;
    EXPECT_EQ(t.Tokenize("1 2 3", " ", 0), 3);
    EXPECT_EQ(t.GetToken(2), "3");
    EXPECT_EQ(t.GetToken(3), "");
    EXPECT_EQ(t.GetToken(-1), "");
    EXPECT_TRUE(t.IsSeparator(' '));
    EXPECT_FALSE(t.IsSeparator('1'));
    EXPECT_EQ(t.Tokenize("a|b", "|", 0), 2);
    EXPECT_EQ(Tokens(t), (std::vector<std::string>{"a", "b"}));
    t.Reset();
    EXPECT_EQ(t.GetCount(), 0);
    EXPECT_FALSE(t.IsSeparator('|'));
    EXPECT_EQ(t.Tokenize(nullptr, 0), 1);
    EXPECT_EQ(t.GetToken(0), "a|b");
}

}  // namespace
