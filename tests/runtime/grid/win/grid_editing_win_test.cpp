// Editing cells in place as a user does: typing, F2, the mouse, Return, Escape, Tab, the arrows,
// Delete, the parent refusing, the editor growing with its text and ending when it loses the focus.
#include "grid_window_fixture.h"

namespace gridtest {
namespace {

class GridEditing : public GridWindowTest {
protected:
    // The focus on a cell, with no editor open.
    void FocusOn(int row, int col)
    {
        ClickCell(row, col);
        ASSERT_EQ(grid->GetFocusCell(), CCellID(row, col));
        ASSERT_EQ(Editor(), nullptr);
        parent.notes.clear();
        // A click that follows is not taken for the second half of a double click.
        zvtest::PumpMessages(::GetDoubleClickTime() + 50);
    }
    bool WaitForNoEditor()
    {
        return WaitFor([&] { return ::GetDlgItem(gridWindow, CGridCtrl::kEditorId) == nullptr; });
    }
};

TEST_F(GridEditing, TypingReplacesTheTextAndReturnStoresIt)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(FocusOn(2, 2));
    Type("7");
    const HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(editor), "7");
    EXPECT_EQ(::GetFocus(), editor);
    Type("5");
    Key(VK_RETURN);
    EXPECT_TRUE(WaitForNoEditor());
    EXPECT_EQ(grid->GetItemText(2, 2), "75");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 2));  // Return stays
    EXPECT_EQ(::GetFocus(), gridWindow);
    EXPECT_EQ(parent.Codes(), (std::vector<int>{-105, -106}));
    EXPECT_EQ(parent.notes.back(), (GridParent::Note{-106, 2, 2}));
    EXPECT_TRUE(grid->GetModified(2, 2));
    EXPECT_TRUE(grid->GetModified());
}

TEST_F(GridEditing, F2KeepsTheTextWithTheCaretAtItsEndAndEscapeTakesTheEditBack)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(FocusOn(2, 2));
    Key(VK_F2);
    HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(TextOf(editor), "2,2");
    EXPECT_EQ(Selection(editor), std::make_pair(3, 3));
    // Started by F2, the arrows move the caret inside the editor.
    Key(VK_LEFT);
    EXPECT_EQ(Editor(), editor);
    EXPECT_EQ(Selection(editor), std::make_pair(2, 2));
    Type("x");
    EXPECT_EQ(TextOf(editor), "2,x2");
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitForNoEditor());
    EXPECT_EQ(grid->GetItemText(2, 2), "2,2");
    EXPECT_EQ(parent.Count(-106), 0);
    EXPECT_FALSE(grid->GetModified(2, 2));
}

TEST_F(GridEditing, TabStoresMovesAndEditsTheNextCellWithAllSelected)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(FocusOn(2, 2));
    Type("ab");
    Key(VK_TAB);
    EXPECT_EQ(grid->GetItemText(2, 2), "ab");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(2, 3));
    HWND next = Editor();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(TextOf(next), "2,3");
    EXPECT_EQ(Selection(next), std::make_pair(0, 3));
    // Typed into, the editor ends on an arrow, which carries on into the next cell.
    Type("c");
    Key(VK_DOWN);
    EXPECT_EQ(grid->GetItemText(2, 3), "c");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(3, 3));
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(TextOf(Editor()), "3,3");
    Key(VK_ESCAPE);
    EXPECT_TRUE(WaitForNoEditor());
    EXPECT_EQ(grid->GetItemText(3, 3), "3,3");
}

TEST_F(GridEditing, PunctuationTypedIsKeptAndSpaceOpensWithoutInserting)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(FocusOn(2, 2));
    Type("$&");  // share their codes with Home and Up
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(TextOf(Editor()), "$&");
    Key(VK_RETURN);
    EXPECT_TRUE(WaitForNoEditor());
    EXPECT_EQ(grid->GetItemText(2, 2), "$&");
    Key(VK_SPACE);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(TextOf(Editor()), "$&");
    EXPECT_EQ(Selection(Editor()), std::make_pair(0, 2));
}

TEST_F(GridEditing, ClickingTheFocusCellEditsAndClickingElsewhereStoresTheText)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(FocusOn(2, 2));
    ClickCell(2, 2);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(Selection(Editor()).first, 3);
    Key(VK_BACK);
    Type("9");
    ClickCell(4, 1);
    EXPECT_TRUE(WaitForNoEditor());
    EXPECT_EQ(grid->GetItemText(2, 2), "2,9");
    EXPECT_EQ(grid->GetFocusCell(), CCellID(4, 1));
}

TEST_F(GridEditing, DeleteEmptiesAnEditableCellOnly)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(FocusOn(2, 2));
    Key(VK_DELETE);
    EXPECT_EQ(grid->GetItemText(2, 2), "");
    EXPECT_EQ(parent.Codes(), (std::vector<int>{-105, -106}));
    ASSERT_NO_FATAL_FAILURE(FocusOn(3, 2));
    grid->SetItemState(3, 2, grid->GetItemState(3, 2) | grid::kReadOnly);
    Key(VK_DELETE);
    Type("z");
    EXPECT_EQ(grid->GetItemText(3, 2), "3,2");
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_TRUE(parent.notes.empty());
}

TEST_F(GridEditing, TheParentMayRefuseTheEditOrTheNewText)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(FocusOn(2, 2));
    parent.replies[-105] = -1;
    Type("7");
    EXPECT_EQ(Editor(), nullptr);
    parent.replies.clear();
    parent.replies[-106] = -1;
    Type("7");
    ASSERT_NE(Editor(), nullptr);
    Key(VK_RETURN);
    EXPECT_TRUE(WaitForNoEditor());
    EXPECT_EQ(grid->GetItemText(2, 2), "2,2");
    EXPECT_FALSE(grid->GetModified(2, 2));
}

TEST_F(GridEditing, TheEditorGrowsWithItsTextUpToTheGridsEdge)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(FocusOn(2, 3));
    Type("w");
    const HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    RECT before;
    ::GetWindowRect(editor, &before);
    Type("wwwwwwwwww");
    RECT wider;
    ::GetWindowRect(editor, &wider);
    EXPECT_GT(wider.right - wider.left, before.right - before.left);
    Type("wwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwwww");
    RECT widest;
    ::GetWindowRect(editor, &widest);
    ::MapWindowPoints(nullptr, gridWindow, reinterpret_cast<POINT*>(&widest), 2);
    RECT client;
    ::GetClientRect(gridWindow, &client);
    EXPECT_EQ(widest.right, client.right);
}

TEST_F(GridEditing, LosingTheFocusEndsTheEditAndTheEditorGoesAway)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(FocusOn(2, 2));
    Type("q");
    const HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    ::SetFocus(parent.GetSafeHwnd());
    EXPECT_EQ(grid->GetItemText(2, 2), "q");
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(editor); }));
    EXPECT_EQ(CWnd::FromHandlePermanent(editor), nullptr);
    EXPECT_FALSE(grid->GetCell(2, 2)->IsEditing());
    // Scrolling ends an edit too.
    ::SetFocus(gridWindow);
    Type("r");
    ASSERT_NE(Editor(), nullptr);
    ::SendMessageA(gridWindow, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(grid->GetItemText(2, 2), "r");
    EXPECT_TRUE(WaitForNoEditor());
}

}  // namespace
}  // namespace gridtest
