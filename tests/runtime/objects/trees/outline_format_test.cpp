// The tree outline: lines to items with the right parents, jumps of several levels, numbers after
// the text, line ends of every kind; and the case-blind order of folder names.
#include <gtest/gtest.h>

#include <string>

#include "outline_format.h"

namespace {

std::vector<qbk::OutlineLine> Read(const std::string& text) { return qbk::ReadOutline(text.data(), text.size()); }

struct ParentCase {
    const char* Outline;
    std::vector<int> Parents;
};

TEST(OutlineFormat, LinesFindTheirParents)
{
    const ParentCase cases[] = {
        {"A\r\n\tB\r\n\tC\r\n", {-1, 0, 0}},
        {"A\r\n\tB\r\n\t\tC\r\nD\r\n\tE\r\n", {-1, 0, 1, -1, 3}},
        // A line several levels deeper goes under the deepest item there is, not a stale one.
        {"A\r\n\tB\r\n\t\tC\r\nD\r\n\t\t\tE\r\n", {-1, 0, 1, -1, 3}},
        {"\t\tA\r\nB\r\n", {-1, -1}},
        {"A\n\tB\rC\r\n\r\n\tD", {-1, 0, -1, 2}},
    };
    for (const ParentCase& c : cases) {
        const auto lines = Read(c.Outline);
        std::vector<int> parents;
        for (const auto& line : lines) parents.push_back(line.Parent);
        EXPECT_EQ(parents, c.Parents) << c.Outline;
    }
}

TEST(OutlineFormat, TextAndNumber)
{
    const auto lines = Read("Root\t458755\r\n\tLeaf\r\n\tTab\tbad\r\n\tNeg\t-2\r\n");
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].Text, "Root");
    EXPECT_TRUE(lines[0].HasNumber);
    EXPECT_EQ(lines[0].Number, 458755);
    EXPECT_EQ(lines[1].Text, "Leaf");
    EXPECT_FALSE(lines[1].HasNumber);
    EXPECT_EQ(lines[2].Number, 0);
    EXPECT_EQ(lines[3].Number, -2);
}

TEST(OutlineFormat, WrittenLinesReadBack)
{
    const std::string text = qbk::OutlineLineText(0, "A", true, 3) + qbk::OutlineLineText(1, "B", false, 0) +
                             qbk::OutlineLineText(2, "C", true, -7);
    EXPECT_EQ(text, "A\t3\r\n\tB\r\n\t\tC\t-7\r\n");
    const auto lines = Read(text);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2].Parent, 1);
    EXPECT_EQ(lines[2].Number, -7);
}

TEST(OutlineFormat, HugeNumbersKeepTheirLowBits)
{
    const auto lines = Read("A\t99999999999999999999\r\n");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].Number, -1);
}

TEST(FolderNames, SortWithoutCase)
{
    std::vector<std::string> names = {"b", "A", "c", "B"};
    qbk::SortNamesNoCase(names);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "b", "B", "c"}));
}

}  // namespace
