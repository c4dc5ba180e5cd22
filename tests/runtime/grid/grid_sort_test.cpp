#include <gtest/gtest.h>

#include "fake_grid_host.h"
#include "grid_model.h"

namespace {

std::vector<std::string> Column(const CGridModel& grid, int col)
{
    std::vector<std::string> texts;
    for (int r = 0; r < grid.GetRowCount(); ++r) texts.push_back(grid.GetItemText(r, col).GetString());
    return texts;
}

using V = std::vector<std::string>;

}  // namespace

TEST(GridSortTest, OrdersTheRowsBelowTheHeadingsByBytesKeepingEqualOnesInOrder)
{
    HostedGrid g(7, 2, 1, 0);
    const char* keys[] = {"key", "b", "a", "\xE9t\xE9", "B", "a", "z"};
    for (int r = 0; r < 7; ++r) {
        g.grid.SetItemText(r, 0, keys[r]);
        g.grid.SetItemText(r, 1, std::to_string(r).c_str());
        g.grid.SetRowHeight(r, 10 + r);
    }
    ASSERT_TRUE(g.grid.SortTextItems(0, true));
    EXPECT_EQ(Column(g.grid, 0), (V{"key", "B", "a", "a", "b", "z", "\xE9t\xE9"}));
    EXPECT_EQ(Column(g.grid, 1), (V{"0", "4", "2", "5", "1", "6", "3"}));
    EXPECT_EQ(g.grid.GetRowHeight(1), 14);  // heights go with their rows
    EXPECT_EQ(g.grid.GetRowHeight(0), 10);
    ASSERT_TRUE(g.grid.SortTextItems(0, false));
    EXPECT_EQ(Column(g.grid, 1), (V{"0", "3", "6", "1", "2", "5", "4"}));
    EXPECT_FALSE(g.grid.SortTextItems(2, true));
    EXPECT_FALSE(g.grid.SortTextItems(-1, true));
}

TEST(GridSortTest, FocusAndSelectionFollowTheirCells)
{
    HostedGrid g(6, 3, 1, 1);
    const char* keys[] = {"", "d", "c", "b", "a", "e"};
    for (int r = 0; r < 6; ++r) g.grid.SetItemText(r, 1, keys[r]);
    g.grid.SetFocusCell(4, 2);  // the "a" row
    g.grid.SetSelectedRange(1, 1, 2, 2);  // the "d" and "c" rows
    ASSERT_TRUE(g.grid.SortTextItems(1, true));
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(1, 2));
    EXPECT_TRUE(g.grid.IsCellSelected(3, 1));
    EXPECT_TRUE(g.grid.IsCellSelected(4, 2));
    EXPECT_EQ(g.grid.GetSelectedCount(), 4);
    ExpectConsistent(g.grid);
}

TEST(GridSortTest, LongAndPrefixedTextsCompareByEveryByte)
{
    const char* keys[] = {"abcdefghZ", "ab", "abcdefgh", "abcdefghA", "a", "", "abcdefgh\x80", "abcdefgi"};
    CGridModel grid(int(std::size(keys)), 1);
    for (int r = 0; r < int(std::size(keys)); ++r) grid.SetItemText(r, 0, keys[r]);
    ASSERT_TRUE(grid.SortTextItems(0, true));
    EXPECT_EQ(Column(grid, 0), (V{"", "a", "ab", "abcdefgh", "abcdefghA", "abcdefghZ", "abcdefgh\x80", "abcdefgi"}));
}
