// List boxes and combo boxes driven by a running project's scripts: items added, inserted,
// replaced, searched, read and deleted, folders listed, and single, multiple and range selection.
#include <gtest/gtest.h>

#include "project_run.h"
#include "script_steps.h"

namespace {

using qbktest::Do;
using qbktest::Note;
using qbktest::ProjectRun;
using qbktest::Step;

// An item's text is command 41 of a list box and 38 of a combo box: their word "GetText" names the
// shared command 9 (the window text) first.

// The steps run on timer 1, once the test has found the window by its first caption; then lines
// run on timer 2.
std::string Project(const std::string& objects, const std::vector<Step>& steps, const std::string& then = "")
{
    return R"(
window MAIN
  caption "L"
  style 0x100B0001
  rect 0 0 420 300
)" + objects +
           qbktest::TimerScript({qbktest::ScriptLines(steps, "MAIN", 8), then});
}

TEST(ListBoxCommands, ItemsAreAddedInsertedReplacedFoundAndDeleted)
{
    const std::vector<Step> steps = {
        Note("@names.AddString(\"pear\")", "0"),
        Note("@names.AddString(\"apple\")", "1"),
        Note("@names.InsertString(0, \"fig\")", "0"),
        Note("@names.InsertString(-1, \"kiwi\")", "3"),
        Note("@names.InsertString(99, \"lime\")", "4"),
        Note("@names.GetCount()", "5"),
        Note("@names.41(2)", "apple"),
        Note("@names.41(5)", ""),
        Note("@names.41(-1)", ""),
        Note("@names.FindStringExact(\"apple\")", "2"),
        Note("@names.FindStringExact(\"APPLE\")", "2"),  // the control ignores case
        Do("@names.SetItemData(1, 42)"),
        Note("@names.GetItemData(1)", "42"),
        Note("@names.GetItemData(5)", "0"),
        // A new text keeps the item's number.
        Do("@names.SetString(1, \"plum\")"),
        Note("@names.41(1)", "plum"),
        Note("@names.GetItemData(1)", "42"),
        Do("@names.SetString(5, \"none\")"),
        Note("@names.GetCount()", "5"),
        Do("@names.SetSelection(3)"),
        Note("@names.GetCurSel()", "3"),
        Do("@names.SetSelection(-1)"),
        Note("@names.GetCurSel()", "-1"),
        Do("@names.SetSelection(5)"),
        Note("@names.GetCurSel()", "-1"),
        Do("@names.DeleteString(0)"),
        Do("@names.DeleteString(4)"),
        Note("@names.GetCount()", "4"),
        Note("@names.41(0)", "plum"),
        // Twins: the first one is found.
        Note("@names.AddString(\"plum\")", "4"),
        Note("@names.FindStringExact(\"plum\")", "0"),
        Note("@names.GetTopIndex()", "0"),
        Do("@names.AddString(\"a\")"),
        Do("@names.AddString(\"b\")"),
        Do("@names.AddString(\"c\")"),
        Do("@names.AddString(\"d\")"),
        Do("@names.AddString(\"e\")"),
        Do("@names.AddString(\"f\")"),
        Do("@names.SetTopIndex(3)"),
        Note("@names.GetTopIndex()", "3"),
        Do("@names.SetTopIndex(11)"),
        Note("@names.GetTopIndex()", "3"),
        Do("@names.ResetContent()"),
        Note("@names.GetCount()", "0"),
        Do("@names.Dir(@Application.GetFolder() & \"*.exe\")"),
        Note("@names.GetCount()", "1"),
        // A sorted box puts insertions in order whatever the index, and the add answers the last
        // index, not the new item's.
        Note("@sorted.InsertString(0, \"m\")", "0"),
        Note("@sorted.InsertString(0, \"z\")", "1"),
        Note("@sorted.InsertString(5, \"b\")", "0"),
        Note("@sorted.AddString(\"a\")", "3"),
        Note("@sorted.41(0)", "a"),
        Note("@sorted.41(3)", "z"),
    };
    ProjectRun run(Project(R"(
  object ListBox names
    rect 10 10 120 100
    style 0x50A00000
  object ListBox sorted
    rect 140 10 120 100
    style 0x50A00002
)",
                           steps));
    HWND main = qbktest::RunSteps(run, "MAIN", "L", steps);
    ASSERT_NE(main, nullptr);
    // The folder holds the program alone.
    const std::string program = run.ProgramPath().substr(run.ProgramPath().find_last_of('\\') + 1);
    HWND names = run.Control("MAIN", "names");
    EXPECT_EQ(SendMessageA(names, LB_GETTEXTLEN, 0, 0), LRESULT(program.size()));
}

TEST(ListBoxCommands, MultipleSelectionByItemsAndRanges)
{
    const std::vector<Step> steps = {
        Do("@multi.SelectRange(2, -1, 1)"),
        Note("@multi.GetSelCount()", "3"),
        Note("@multi.GetSelItems(0)", "2"),
        Note("@multi.GetSelItems(2)", "4"),
        Note("@multi.GetSelItems(3)", "-1"),
        Note("@multi.GetSelItems(-1)", "-1"),
        Do("@multi.SelectRange(2, -1, 0)"),
        Note("@multi.GetSelCount()", "0"),
        Do("@multi.SetSelection(1)"),
        Do("@multi.SetSelection(3)"),
        Note("@multi.GetSelCount()", "2"),
        // A new text keeps a selected item selected.
        Do("@multi.SetString(3, \"D\")"),
        Note("@multi.GetSelItems(1)", "3"),
        Do("@multi.SetSelection(-1)"),
        Note("@multi.GetSelCount()", "0"),
        // One item deselected by itself, its neighbours left alone.
        Do("@multi.SelectRange(0, 3, 1)"),
        Do("@multi.SelectRange(1, 1, 0)"),
        Note("@multi.GetSelCount()", "2"),
        Note("@multi.GetSelItems(1)", "2"),
        // Ranges at the end: past the last item nothing changes, a long one stops at the end.
        Do("@multi.SetSelection(-1)"),
        Do("@multi.SetSelection(4)"),
        Do("@multi.SelectRange(5, -1, 1)"),
        Do("@multi.SelectRange(5, -1, 0)"),
        Do("@multi.SelectRange(0, 0, 1)"),
        Do("@multi.SelectRange(0, 0, 0)"),
        Note("@multi.GetSelCount()", "1"),
        Note("@multi.GetSelItems(0)", "4"),
        Do("@multi.SelectRange(3, 10, 1)"),
        Note("@multi.GetSelCount()", "2"),
        Note("@multi.GetSelItems(0)", "3"),
        Do("@multi.SelectRange(6, 1, 1)"),
        Do("@multi.SelectRange(-1, 2, 1)"),
        Note("@multi.GetSelCount()", "2"),
        // A single-selection box ignores ranges.
        Do("@single.SelectRange(0, 2, 1)"),
        Note("@single.GetCurSel()", "-1"),
    };
    ProjectRun run(Project(R"(
  object ListBox multi
    rect 10 10 120 100
    style 0x50A00008
    property "Content" "a|b|c|d|e"
  object ListBox single
    rect 140 10 120 100
    style 0x50A00000
    property "Content" "a|b|c"
)",
                           steps));
    HWND main = qbktest::RunSteps(run, "MAIN", "L", steps);
    ASSERT_NE(main, nullptr);
    HWND multi = run.Control("MAIN", "multi");
    EXPECT_EQ(SendMessageA(multi, LB_GETSEL, 3, 0), 1);
    EXPECT_EQ(SendMessageA(multi, LB_GETSEL, 4, 0), 1);
    EXPECT_EQ(SendMessageA(multi, LB_GETSEL, 2, 0), 0);
}

TEST(ComboBoxCommands, ItemsSelectionAndSortedInsertion)
{
    const std::vector<Step> steps = {
        Note("@choice.AddString(\"one\")", "0"),
        Note("@choice.AddString(\"two\")", "1"),
        Do("@choice.Insertstring(0, \"zero\")"),
        Note("@choice.GetCount()", "3"),
        Note("@choice.38(0)", "zero"),
        Note("@choice.38(3)", ""),
        Do("@choice.Setcursel(2)"),
        Note("@choice.GetCurSel()", "2"),
        Note("@choice.FindStringExact(\"one\")", "1"),
        Note("@choice.FindStringExact(\"three\")", "-1"),
        Do("@choice.SetString(3, \"none\")"),
        Note("@choice.GetCount()", "3"),
        Do("@choice.Deletestring(0)"),
        Note("@choice.38(0)", "one"),
        Note("@choice.GetCurSel()", "1"),
        Note("@choice.GetTopIndex()", "0"),
        Do("@sorted.Insertstring(0, \"m\")"),
        Do("@sorted.Insertstring(0, \"z\")"),
        Do("@sorted.Insertstring(7, \"b\")"),
        Note("@sorted.38(0)", "b"),
        Note("@sorted.38(2)", "z"),
        Do("@sorted.ResetContent()"),
        Note("@sorted.GetCount()", "0"),
        Do("@sorted.Dir(@Application.GetFolder() & \"*.exe\")"),
        Note("@sorted.GetCount()", "1"),
    };
    // Run by the timer once the test has numbered the items: a new text keeps the number and the
    // selection.
    const std::string then = R"(
        @choice.SetString(1, "TWO")
        @MAIN.SetText("T|" & @choice.38(1) & "|" & @choice.GetCurSel() & "|" & @choice.GetCount())
)";
    ProjectRun run(Project(R"(
  object ComboBox choice
    rect 10 10 120 200
    style 0x50200003
  object ComboBox sorted
    rect 140 10 120 200
    style 0x50200103
)",
                           steps, then));
    HWND main = qbktest::RunSteps(run, "MAIN", "L", steps);
    ASSERT_NE(main, nullptr);
    HWND choice = run.Control("MAIN", "choice");
    SendMessageA(choice, CB_SETITEMDATA, 1, 77);
    PostMessageA(main, WM_TIMER, 2, 0);
    EXPECT_TRUE(run.WaitForText(main, "T|TWO|1|2"));
    EXPECT_EQ(SendMessageA(choice, CB_GETITEMDATA, 1, 0), 77);
}

}  // namespace
