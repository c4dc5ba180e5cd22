#include <gtest/gtest.h>

#include <vector>

#include "fake_grid_host.h"
#include "grid_clipboard_text.h"
#include "grid_model.h"

namespace {

using N = FakeGridHost::Note;

// A grid whose cells accept only digits.
class DigitsGrid : public CGridModel {
public:
    using CGridModel::CGridModel;
    BOOL ValidateEdit(int, int, const char* text) override
    {
        for (const char* p = text; *p; ++p)
            if (*p < '0' || *p > '9') return FALSE;
        return TRUE;
    }
};

std::vector<std::vector<std::string>> Lines(const char* data, size_t size)
{
    std::vector<std::vector<std::string>> out;
    for (const auto& line : ParseGridClipboardText(data, size)) {
        out.emplace_back();
        for (const CString& cell : line) out.back().push_back(cell.GetString());
    }
    return out;
}

using L = std::vector<std::vector<std::string>>;

}  // namespace

TEST(GridEditingTest, AnEditOpensOnlyWhereItMayAndAlignsLikeTheCell)
{
    HostedGrid g(6, 4, 1, 1);
    g.grid.GetCell(2, 2)->SetFormat(grid::kFormatRight);
    g.grid.GetCell(3, 2)->SetFormat(grid::kFormatCenter);
    g.grid.OnEditCell(2, 2, CPoint(-1, -1), 1);
    EXPECT_EQ(g.host.editorAlign, grid::EditAlign::Right);
    EXPECT_EQ(g.host.editorRect, CRect(100, 40, 149, 59));
    EXPECT_TRUE(g.grid.GetCell(2, 2)->IsEditing());
    g.host.FinishEdit("", 0);
    EXPECT_FALSE(g.grid.GetCell(2, 2)->IsEditing());
    g.grid.OnEditCell(3, 2, CPoint(-1, -1), 1);
    EXPECT_EQ(g.host.editorAlign, grid::EditAlign::Center);
    g.host.FinishEdit("", 0);

    g.host.editorsOpened = 0;
    g.grid.GetCell(4, 1)->SetState(g.grid.GetItemState(4, 1) | grid::kReadOnly);
    g.grid.OnEditCell(4, 1, CPoint(-1, -1), 'a');  // read-only
    g.grid.OnEditCell(9, 1, CPoint(-1, -1), 'a');  // outside
    g.host.replies[grid::kNotifyBeginEdit] = -1;
    g.grid.OnEditCell(1, 1, CPoint(-1, -1), 'a');  // refused by the parent
    g.host.replies.clear();
    g.grid.SetEditable(false);
    g.grid.OnEditCell(1, 1, CPoint(-1, -1), 'a');
    EXPECT_EQ(g.host.editorsOpened, 0);
}

TEST(GridEditingTest, AnEndedEditIsValidatedAnnouncedAndMarked)
{
    DigitsGrid grid(6, 4, 1, 1);
    FakeGridHost host(grid);
    grid.SetHost(&host);
    grid.SetViewSize(400, 300);
    grid.SetItemText(2, 2, "12");
    grid.SetModified(false);
    struct Case {
        const char* typed;
        LONG_PTR endReply;
        const char* kept;
        bool announced, modified;
    } cases[] = {
        {"12", 0, "12", false, false},  // unchanged: nothing to say
        {"345", 0, "345", true, true},
        {"abc", 0, "345", false, false},  // the cell refuses it
        {"678", -1, "345", true, false},  // the parent rejects it
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        grid.SetModified(false);
        host.notes.clear();
        host.replies[grid::kNotifyEndEdit] = c.endReply;
        grid.OnEditCell(2, 2, CPoint(-1, -1), 1);
        host.FinishEdit(c.typed, grid::kKeyReturn);
        EXPECT_EQ(grid.GetItemText(2, 2), c.kept);
        const std::vector<int> codes = host.Codes();
        EXPECT_EQ(std::count(codes.begin(), codes.end(), grid::kNotifyEndEdit), c.announced ? 1 : 0);
        EXPECT_EQ(grid.GetModified(2, 2), c.modified);
        EXPECT_EQ(grid.GetModified(), c.modified);
        EXPECT_FALSE(grid.GetCell(2, 2)->IsEditing());
    }
}

TEST(GridEditingTest, KeysThatEndAnEditCarryItOnToTheNextCell)
{
    HostedGrid g(6, 4, 1, 1);
    g.grid.SetFocusCell(2, 1);
    g.grid.OnChar('5', false);
    g.host.FinishEdit("5", grid::kKeyTab);
    EXPECT_EQ(g.grid.GetItemText(2, 1), "5");
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(2, 2));
    EXPECT_TRUE(g.host.editorOpen);
    EXPECT_EQ(g.host.editorCell, CCellID(2, 2));
    EXPECT_EQ(g.host.editorStart, grid::kKeyTab);
    g.host.FinishEdit("6", grid::kKeyDown);
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 2));
    EXPECT_TRUE(g.host.editorOpen);
    g.host.FinishEdit("", grid::kKeyReturn);  // Return stays
    EXPECT_EQ(g.grid.GetFocusCell(), CCellID(3, 2));
    EXPECT_FALSE(g.host.editorOpen);
    // Scrolling ends an open edit, keeping its text.
    g.grid.OnChar('9', false);
    g.host.editorText = "9";
    g.grid.OnVScroll(grid::kLineDown);
    EXPECT_FALSE(g.host.editorOpen);
    EXPECT_EQ(g.grid.GetItemText(3, 2), "9");
}

TEST(GridClipboardTest, CopyGivesTheSelectedBlockAsLines)
{
    HostedGrid g(5, 5, 1, 1);
    g.grid.SetItemText(1, 1, "a");
    g.grid.SetItemText(1, 2, "b");
    g.grid.SetItemText(2, 1, "c");
    g.grid.SetItemText(2, 2, "d");
    g.grid.SetSelectedRange(1, 1, 2, 2);
    CString text;
    ASSERT_TRUE(g.grid.CopyTextFromGrid(text));
    EXPECT_EQ(text, "a\tb\nc\td");

    g.grid.SetItemState(1, 2, g.grid.GetItemState(1, 2) & ~grid::kSelected);  // a hole keeps its field
    g.grid.CopyTextFromGrid(text);
    EXPECT_EQ(text, "a\t\nc\td");

    g.grid.SetSelectedRange(1, 1, 3, 4);
    g.grid.SetItemText(1, 4, "e");
    g.grid.SetColumnWidth(2, 0);  // hidden inside: nothing, not even a TAB
    g.grid.SetColumnWidth(4, 0);  // hidden at the end: no TAB left over
    g.grid.SetRowHeight(3, 0);
    g.grid.CopyTextFromGrid(text);
    EXPECT_EQ(text, "a\t\nc\t");

    g.grid.SetSelectedRange(-1, -1, -1, -1);
    EXPECT_FALSE(g.grid.CopyTextFromGrid(text));
    EXPECT_FALSE(g.grid.CanCopy());
}

TEST(GridClipboardTest, PastedTextSplitsAtTabsAndLinesOnly)
{
    struct Case {
        std::string bytes;
        L lines;
    } cases[] = {
        {"a\tb\nc\td", {{"a", "b"}, {"c", "d"}}},
        {"1,2\t3", {{"1,2", "3"}}},  // a comma is text
        {"3,5", {{"3,5"}}},
        {" x \r\n\ty\r\n", {{"x"}, {"", "y"}}},  // trimmed; the last line feed ends the text
        {"a\n\nb", {{"a"}, {""}, {"b"}}},
        {std::string("ab\0cd", 5), {{"ab"}}},  // the zero byte ends it
        {"", {}},
    };
    for (const auto& c : cases) EXPECT_EQ(Lines(c.bytes.data(), c.bytes.size()), c.lines) << c.bytes;
}

TEST(GridClipboardTest, PasteReadsNoFurtherThanTheClipboardHolds)
{
    // A block without a closing zero byte, alone in its allocation: reading past it would be caught.
    const std::string text = "p\tq\nr";
    std::vector<char> block(text.begin(), text.end());
    EXPECT_EQ(Lines(block.data(), block.size()), (L{{"p", "q"}, {"r"}}));
    HostedGrid g(5, 5, 1, 1);
    EXPECT_TRUE(g.grid.PasteTextToGrid(1, 1, block.data(), block.size()));
    EXPECT_EQ(g.grid.GetItemText(1, 2), "q");
    EXPECT_EQ(g.grid.GetItemText(2, 1), "r");
}

TEST(GridClipboardTest, PasteFillsShownWritableCellsFromTheTarget)
{
    HostedGrid g(6, 6, 1, 1);
    g.grid.SetRowHeight(2, 0);
    g.grid.SetColumnWidth(3, 0);
    g.grid.GetCell(3, 4)->SetState(grid::kReadOnly);
    g.grid.SetItemText(3, 4, "kept");
    g.grid.SetSelectedRange(1, 1, 5, 5);
    const std::string text = "a\tb\tc\nd\te\tf\ng\th\ti\tj\tk\tl";
    EXPECT_TRUE(g.grid.PasteTextToGrid(1, 2, text.data(), text.size()));
    EXPECT_EQ(g.grid.GetItemText(1, 2), "a");
    EXPECT_EQ(g.grid.GetItemText(1, 4), "b");  // past the hidden column
    EXPECT_EQ(g.grid.GetItemText(1, 5), "c");
    EXPECT_EQ(g.grid.GetItemText(2, 2), "");  // the hidden row is skipped
    EXPECT_EQ(g.grid.GetItemText(3, 2), "d");
    EXPECT_EQ(g.grid.GetItemText(3, 4), "kept");  // read-only
    EXPECT_EQ(g.grid.GetItemText(4, 5), "i");  // beyond the last column: dropped
    EXPECT_FALSE(g.grid.IsCellSelected(1, 2));
    EXPECT_TRUE(g.grid.IsCellSelected(5, 5));
    ExpectConsistent(g.grid);

    // A target that cannot take it pastes nothing.
    EXPECT_FALSE(g.grid.PasteTextToGrid(3, 4, text.data(), text.size()));
    EXPECT_FALSE(g.grid.PasteTextToGrid(6, 1, text.data(), text.size()));
    g.grid.SetEditable(false);
    EXPECT_FALSE(g.grid.PasteTextToGrid(1, 1, text.data(), text.size()));
}

TEST(GridClipboardTest, CopiedTextComesBackTheSame)
{
    HostedGrid g(4, 4, 1, 1);
    const char* texts[] = {"3,5", "a b", "x;y", "-1", "tab-free"};
    for (int i = 0; i < 5; ++i) g.grid.SetItemText(1 + i / 3, 1 + i % 3, texts[i]);
    g.grid.SetSelectedRange(1, 1, 2, 3);
    g.grid.SetFocusCell(1, 1);
    g.grid.OnEditCopy();
    HostedGrid other(4, 4, 1, 1);
    other.host.clipboard = g.host.clipboard;
    other.host.clipboardHasText = true;
    other.grid.SetFocusCell(1, 1);
    other.grid.OnEditPaste();
    for (int r = 1; r <= 2; ++r)
        for (int c = 1; c <= 3; ++c) EXPECT_EQ(other.grid.GetItemText(r, c), g.grid.GetItemText(r, c)) << r << "," << c;
}

TEST(GridClipboardTest, CutAndPasteGoThroughTheParentAndTheEditor)
{
    HostedGrid g(4, 4, 1, 1);
    g.grid.SetItemText(1, 1, "one");
    g.grid.SetItemText(1, 2, "two");
    g.grid.SetSelectedRange(1, 1, 1, 2);
    g.host.replies[grid::kNotifyBeginEdit] = -1;  // the parent refuses the first cell only
    g.host.onNotify = [&](int code, int, int) {
        if (code == grid::kNotifyBeginEdit) g.host.replies[grid::kNotifyBeginEdit] = 0;
    };
    g.grid.OnEditCut();
    EXPECT_EQ(g.host.clipboard, "one\ttwo");
    EXPECT_EQ(g.grid.GetItemText(1, 1), "one");
    EXPECT_EQ(g.grid.GetItemText(1, 2), "");
    g.host.onNotify = nullptr;

    // While an editor is open on the target, the editor takes the paste.
    g.grid.SetFocusCell(2, 2);
    g.grid.OnEditCell(2, 2, CPoint(-1, -1), 1);
    g.grid.OnEditPaste();
    EXPECT_EQ(g.host.editorPastes, 1);
    EXPECT_EQ(g.grid.GetItemText(2, 2), "");
    g.host.FinishEdit("", 0);
    g.grid.OnEditPaste();
    EXPECT_EQ(g.grid.GetItemText(2, 2), "one");
    EXPECT_TRUE(g.grid.CanPaste(true));
    EXPECT_FALSE(g.grid.CanPaste(false));
    // Without a focus cell the paste lands on the first cell shown.
    g.grid.SetFocusCell(-1, -1);
    g.grid.OnEditPaste();
    EXPECT_EQ(g.grid.GetItemText(1, 1), "one");
    EXPECT_EQ(g.grid.GetItemText(1, 2), "two");
}

TEST(GridClipboardTest, CutClearsOnlyWhatItCopied)
{
    HostedGrid g(4, 4, 1, 1);
    g.Label();
    g.grid.SetSelectedRange(1, 1, 2, 2);
    g.grid.SetItemState(1, 2, g.grid.GetItemState(1, 2) & ~grid::kSelected);  // a hole in the block
    g.grid.OnEditCut();
    EXPECT_EQ(g.host.clipboard, "1,1\t\n2,1\t2,2");
    EXPECT_EQ(g.grid.GetItemText(1, 1), "");
    EXPECT_EQ(g.grid.GetItemText(1, 2), "1,2");
    EXPECT_EQ(g.grid.GetItemText(2, 2), "");
    g.grid.SetEditable(false);
    g.grid.SetSelectedRange(3, 3, 3, 3);
    g.grid.OnEditCut();
    EXPECT_EQ(g.grid.GetItemText(3, 3), "3,3");
    EXPECT_FALSE(g.grid.CanCut());
}
