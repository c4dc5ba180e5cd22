// Copying, cutting and pasting cells through the system clipboard with the keys a user presses.
#include <cstring>

#include "grid_window_fixture.h"

namespace gridtest {
namespace {

// The clipboard's CF_TEXT as stored, up to its first zero byte.
std::string ClipboardText()
{
    std::string text;
    if (!::OpenClipboard(nullptr)) return text;
    if (const HANDLE data = ::GetClipboardData(CF_TEXT)) {
        if (const char* p = static_cast<const char*>(::GlobalLock(data))) {
            text.assign(p, strnlen(p, ::GlobalSize(data)));
            ::GlobalUnlock(data);
        }
    }
    ::CloseClipboard();
    return text;
}

// Puts exactly these bytes on the clipboard as CF_TEXT (no zero byte is added).
void PutOnClipboard(const std::string& bytes)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    std::memcpy(::GlobalLock(block), bytes.data(), bytes.size());
    ::GlobalUnlock(block);
    ::SetClipboardData(CF_TEXT, block);
    ::CloseClipboard();
}

class GridClipboard : public GridWindowTest {
protected:
    void Select(int minRow, int minCol, int maxRow, int maxCol)
    {
        const CPoint from = Centre(minRow, minCol), to = Centre(maxRow, maxCol);
        Drag(from.x, from.y, to.x, to.y);
        ASSERT_EQ(grid->GetSelectedCellRange(), CCellRange(minRow, minCol, maxRow, maxCol));
    }
};

TEST_F(GridClipboard, CtrlCCopiesTheSelectedBlockAsTabsAndLineFeeds)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(Select(1, 1, 2, 3));
    KeyWith(VK_CONTROL, 'C');
    EXPECT_EQ(ClipboardText(), "1,1\t1,2\t1,3\n2,1\t2,2\t2,3");
    // An unselected cell inside the block leaves its field empty; a hidden column leaves nothing.
    grid->SetItemState(1, 2, grid->GetItemState(1, 2) & ~grid::kSelected);
    grid->SetColumnWidth(3, 0);
    ::SendMessageA(gridWindow, WM_COMMAND, 0xE122, 0);  // the edit menu's Copy
    EXPECT_EQ(ClipboardText(), "1,1\t\n2,1\t2,2");
}

TEST_F(GridClipboard, CtrlVPastesFromTheFocusCellThroughTheEditingPath)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ClickCell(4, 3);
    parent.notes.clear();
    // A comma stays in its cell; CR LF ends a line like LF; what falls outside the grid is dropped.
    ASSERT_NO_FATAL_FAILURE(PutOnClipboard("a\t3,5\r\n  c \td\te\tf\nlast\n"));
    KeyWith(VK_CONTROL, 'V');
    EXPECT_EQ(grid->GetItemText(4, 3), "a");
    EXPECT_EQ(grid->GetItemText(4, 4), "3,5");
    EXPECT_EQ(grid->GetItemText(5, 3), "c");
    EXPECT_EQ(grid->GetItemText(5, 4), "d");
    EXPECT_EQ(grid->GetItemText(5, 2), "5,2");
    EXPECT_EQ(parent.Count(-105), 4);
    EXPECT_EQ(parent.Count(-106), 4);
    EXPECT_TRUE(grid->GetModified(5, 4));
    // A cell copied and pasted elsewhere comes back whole.
    ASSERT_NO_FATAL_FAILURE(Select(4, 4, 4, 4));
    KeyWith(VK_CONTROL, 'C');
    ClickCell(1, 1);
    KeyWith(VK_SHIFT, VK_INSERT);
    EXPECT_EQ(grid->GetItemText(1, 1), "3,5");
    EXPECT_EQ(grid->GetItemText(1, 2), "1,2");
}

TEST_F(GridClipboard, PasteReadsNoFurtherThanTheClipboardHolds)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ClickCell(2, 2);
    ASSERT_NO_FATAL_FAILURE(PutOnClipboard("abc"));
    KeyWith(VK_CONTROL, 'V');
    // The system may end the text in the block's last byte; nothing past the block is read.
    EXPECT_EQ(grid->GetItemText(2, 2), CString(ClipboardText().c_str()));
    EXPECT_LE(grid->GetItemText(2, 2).GetLength(), 3);
    EXPECT_EQ(grid->GetItemText(2, 2).Left(2), "ab");
}

TEST_F(GridClipboard, CtrlXCopiesAndEmptiesAndCtrlASelectsEverything)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ASSERT_NO_FATAL_FAILURE(Select(2, 2, 3, 2));
    grid->SetItemState(3, 2, grid->GetItemState(3, 2) | grid::kReadOnly);
    KeyWith(VK_CONTROL, 'X');
    EXPECT_EQ(ClipboardText(), "2,2\n3,2");
    EXPECT_EQ(grid->GetItemText(2, 2), "");
    EXPECT_EQ(grid->GetItemText(3, 2), "3,2");  // read-only
    parent.notes.clear();
    KeyWith(VK_CONTROL, 'A');
    EXPECT_EQ(grid->GetSelectedCount(), 5 * 4);
    EXPECT_EQ(parent.Codes(), (std::vector<int>{-99, -101}));
}

TEST_F(GridClipboard, PastingWhileEditingGoesIntoTheEditor)
{
    ASSERT_NO_FATAL_FAILURE(Make(6, 5, 1, 1));
    ClickCell(2, 2);
    Key(VK_F2);
    ASSERT_NE(Editor(), nullptr);
    ASSERT_NO_FATAL_FAILURE(PutOnClipboard(std::string("zz", 3)));
    KeyWith(VK_CONTROL, 'V');
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(TextOf(Editor()), "2,2zz");
    EXPECT_EQ(grid->GetItemText(2, 3), "2,3");
    Key(VK_RETURN);
    EXPECT_EQ(grid->GetItemText(2, 2), "2,2zz");
}

}  // namespace
}  // namespace gridtest
