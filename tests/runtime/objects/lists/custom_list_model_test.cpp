// The custom list's items, order, selection and row layout, without a window.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "custom_list_model.h"

namespace {

using qbk::CustomListModel;

// A picture that counts how many of its kind are alive, to see the list free them.
struct CountedPicture : qbk::ListPicture {
    explicit CountedPicture(int* alive) : Alive(alive) { ++*Alive; }
    ~CountedPicture() override { --*Alive; }
    int* Alive;
};

std::unique_ptr<qbk::ListPicture> Picture() { return std::make_unique<qbk::ListPicture>(); }

// Items labelled as given, in order.
void Fill(CustomListModel& list, const std::vector<std::string>& labels)
{
    for (const std::string& label : labels) list.SetLabel(list.Insert(Picture(), -1), label.c_str());
}

std::string Labels(const CustomListModel& list)
{
    std::string all;
    for (int i = 0; i < list.Count(); ++i) all += std::string(i ? " " : "") + static_cast<const char*>(list.Label(i));
    return all;
}

std::vector<int> Selection(const CustomListModel& list)
{
    std::vector<int> selected;
    for (int k = 0; k < list.SelectedCount(); ++k) selected.push_back(list.Selected(k));
    return selected;
}

TEST(CustomListLayout, WholeTilesOfTheAreaAreVisibleAndHitWhereTheyAreDrawn)
{
    qbk::ListLayout layout;
    layout.AreaWidth = 330, layout.AreaHeight = 260;
    EXPECT_EQ(layout.Columns(), 3);
    EXPECT_EQ(layout.Rows(), 2);
    EXPECT_EQ(layout.VisibleCount(), 6);
    // Every counted tile lies inside the area, labels included.
    for (int place = 0; place < layout.VisibleCount(); ++place) {
        const qbk::TileRect tile = layout.Tile(place);
        EXPECT_LE(tile.Right, layout.AreaWidth);
        EXPECT_LE(tile.Bottom + layout.LabelBand(), layout.AreaHeight);
        EXPECT_EQ(layout.PlaceAt(tile.Left, tile.Top), place);
        EXPECT_EQ(layout.PlaceAt(tile.Right - 1, tile.Bottom + layout.LabelBand() - 1), place);
    }
    const qbk::TileRect second = layout.Tile(1);
    EXPECT_EQ(second.Left, 110);
    EXPECT_EQ(second.Top, 5);
    EXPECT_EQ(layout.Tile(3).Top, 135);
    EXPECT_EQ(layout.PlaceAt(2, 50), -1);  // the gap left of the first tile
    EXPECT_EQ(layout.PlaceAt(107, 50), -1);  // between two tiles
    EXPECT_EQ(layout.PlaceAt(50, 300), -1);  // below the whole rows
    // Without labels a row is shorter; an area smaller than one tile still shows one.
    layout.Labels = false;
    EXPECT_EQ(layout.Rows(), 2);
    layout.AreaWidth = 50, layout.AreaHeight = 40;
    EXPECT_EQ(layout.VisibleCount(), 1);
}

TEST(CustomListItems, InsertDeleteMoveAndSwapKeepTheirEntriesTogether)
{
    CustomListModel list;
    int alive = 0;
    EXPECT_EQ(list.Insert(std::make_unique<CountedPicture>(&alive), 1), -1);  // past the end
    EXPECT_EQ(alive, 0);  // refused pictures are freed
    Fill(list, {"a", "b", "c", "d"});
    list.SetTag(2, "tag of c");
    EXPECT_EQ(list.Insert(std::make_unique<CountedPicture>(&alive), 0), 0);
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(Labels(list), " a b c d");
    EXPECT_TRUE(list.Delete(0));
    EXPECT_EQ(alive, 0);
    EXPECT_FALSE(list.Delete(4));
    // Forward moves answer the place before the target; a target out of range means the end.
    EXPECT_EQ(list.Move(0, 2), 1);
    EXPECT_EQ(Labels(list), "b a c d");
    EXPECT_EQ(list.Move(3, 0), 0);
    EXPECT_EQ(Labels(list), "d b a c");
    EXPECT_EQ(list.Move(0, -1), 3);
    EXPECT_EQ(Labels(list), "b a c d");
    EXPECT_EQ(list.Move(1, 1), -1);
    EXPECT_EQ(list.Move(4, 0), -1);
    EXPECT_EQ(list.Tag(2), "tag of c");
    EXPECT_TRUE(list.Swap(0, 2));
    EXPECT_EQ(Labels(list), "c a b d");
    EXPECT_EQ(list.Tag(0), "tag of c");
    EXPECT_FALSE(list.Swap(0, 4));
    EXPECT_EQ(list.Label(9), "");
}

TEST(CustomListItems, SortingIgnoresCaseAndKeepsEqualsInOrder)
{
    CustomListModel list;
    Fill(list, {"b", "B", "a", "", "A"});
    list.SetTag(0, "first b");
    list.Sort();
    EXPECT_EQ(Labels(list), " a A b B");
    EXPECT_EQ(list.Tag(3), "first b");
    // With sorting on, a new item (empty label) goes before every labelled one, and a new text
    // moves its item to where it belongs; the selection follows the item.
    list.SetSorted(true);
    list.MultipleSelection = true;
    EXPECT_TRUE(list.Select(4, true));
    EXPECT_TRUE(list.Select(1, true));
    EXPECT_EQ(list.Insert(Picture(), 5), 1);
    EXPECT_EQ(Labels(list), "  a A b B");
    EXPECT_EQ(Selection(list), (std::vector<int>{5, 2}));
    EXPECT_EQ(list.SetLabel(1, "Ab"), 3);
    EXPECT_EQ(Labels(list), " a A Ab b B");
    EXPECT_EQ(Selection(list), (std::vector<int>{5, 1}));
    EXPECT_EQ(list.SetLabel(5, "0"), 1);
    EXPECT_EQ(Labels(list), " 0 a A Ab b");
    EXPECT_EQ(Selection(list), (std::vector<int>{1, 2}));
}

TEST(CustomListSelection, SingleMultipleAndOff)
{
    CustomListModel list;
    Fill(list, {"a", "b", "c", "d", "e"});
    EXPECT_TRUE(list.Select(1, true));
    EXPECT_FALSE(list.Select(2, true));  // a single selection holds one
    EXPECT_FALSE(list.Select(7, true));
    list.MultipleSelection = true;
    EXPECT_FALSE(list.Select(1, true));  // already selected
    EXPECT_TRUE(list.Select(3, true));
    EXPECT_TRUE(list.Select(0, false));  // in front
    EXPECT_EQ(Selection(list), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ(list.FindSelected(3), 2);
    EXPECT_EQ(list.FindSelected(4), -1);
    EXPECT_TRUE(list.Deselect(1));
    EXPECT_FALSE(list.Deselect(1));
    EXPECT_EQ(Selection(list), (std::vector<int>{0, 3}));
    list.Selection = false;
    EXPECT_EQ(list.FindSelected(0), -1);
    EXPECT_EQ(list.Selected(0), -1);
    EXPECT_FALSE(list.Select(2, true));
    EXPECT_FALSE(list.ClickSelect(2, false, false));
}

TEST(CustomListSelection, ClicksWithShiftAndCtrl)
{
    struct Case {
        const char* Name;
        bool Multiple;
        std::vector<int> Before;
        int Index;
        bool Shift, Ctrl;
        std::vector<int> After;
        bool Changed;
    };
    const Case cases[] = {
        {"plain click", true, {1, 2}, 4, false, false, {4}, true},
        {"click on nothing clears", false, {2}, -1, false, false, {}, true},
        {"click on nothing, nothing selected", false, {}, -1, false, false, {}, false},
        {"shift from the anchor down", true, {1}, 4, true, false, {4, 3, 2, 1}, true},
        {"shift from the anchor up", true, {4, 0}, 2, true, false, {2, 3, 4}, true},
        {"shift without an anchor", true, {}, 3, true, false, {3}, true},
        {"ctrl adds in front", true, {1}, 3, false, true, {3, 1}, true},
        {"ctrl removes", true, {1, 3}, 1, false, true, {3}, true},
        {"shift on a single list is a plain click", false, {1}, 3, true, false, {3}, true},
        {"same item again", false, {2}, 2, false, false, {2}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        CustomListModel list;
        Fill(list, {"a", "b", "c", "d", "e"});
        list.MultipleSelection = true;
        for (auto it = c.Before.rbegin(); it != c.Before.rend(); ++it) list.Select(*it, false);
        list.MultipleSelection = c.Multiple;
        EXPECT_EQ(list.ClickSelect(c.Index, c.Shift, c.Ctrl), c.Changed);
        EXPECT_EQ(Selection(list), c.After);
    }
}

TEST(CustomListScrolling, RowsScrollWithinTheItemsAndShowWhatIsAsked)
{
    CustomListModel list;
    list.Layout.AreaWidth = 330, list.Layout.AreaHeight = 260;  // 3 x 2
    for (int i = 0; i < 14; ++i) list.Insert(Picture(), -1);
    EXPECT_EQ(list.RowCount(), 5);
    EXPECT_EQ(list.LastFirstRow(), 3);
    EXPECT_TRUE(list.SetFirstRow(9));
    EXPECT_EQ(list.FirstRow(), 3);
    EXPECT_EQ(list.FirstVisible(), 9);
    EXPECT_EQ(list.HitTest(10, 10), 9);
    EXPECT_EQ(list.HitTest(230, 140), -1);  // the sixth place holds no item
    EXPECT_TRUE(list.EnsureVisible(1));
    EXPECT_EQ(list.FirstRow(), 0);
    EXPECT_FALSE(list.EnsureVisible(4));
    EXPECT_TRUE(list.EnsureVisible(7));
    EXPECT_EQ(list.FirstRow(), 1);  // the least move: its row becomes the last visible
    EXPECT_TRUE(list.IsVisible(8));
    EXPECT_FALSE(list.IsVisible(2));
    // Deleting items keeps the first row within what is left.
    list.SetFirstRow(3);
    while (list.Count() > 5) list.Delete(list.Count() - 1);
    EXPECT_EQ(list.FirstRow(), 0);
    list.DeleteAll();
    EXPECT_EQ(list.RowCount(), 0);
    EXPECT_FALSE(list.SetFirstRow(1));
}

}  // namespace
