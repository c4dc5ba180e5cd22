// The Grid commands in a running project: the grid's shape, cell texts, sizes, colours (read back
// from the screen too), the selection and focus, deleting, the grid file, and the click event.
// Steps run from the Time object's event, which the test raises with the step's number.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "project_run.h"

namespace {

using qbktest::ProjectRun;

std::string Decimal(COLORREF colour) { return std::to_string(colour); }

// Raises the Time object's event with a step number, as the system's timer of that id would.
void Step(HWND main, int step) { PostMessageA(main, WM_TIMER, WPARAM(step), 0); }

// The main window, whose start event changes its caption before it shows. It is found as soon as
// it exists, before its objects are made: it is taken once it shows.
HWND MainWindow(const ProjectRun& run)
{
    HWND main = nullptr;
    zvtest::WaitFor([&] { return (main = run.FindWindowOf("QUILLBRICK", "")) != nullptr && IsWindowVisible(main); },
                    qbktest::kWait);
    return main;
}

std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

const char* const kShapes = R"(
window MAIN
  caption "Grid"
  style 0x100B0001
  rect 0 0 460 320
  event 16
    @g.InsertColumn("", "-1")
    @g.InsertColumn("Name", "-1")
    @g.InsertColumn("Size", "-1")
    @g.InsertRow("", "-1")
    @g.InsertRow("", "-1")
    @g.InsertRow("third", "-1")
    @g.SetFixedRowCount(1)
    @g.SetFixedColumnCount(1)
    @g.SetCellText(1, 1, "alpha")
    @g.SetCellText(2, 2, "two")
    @MAIN.SetText(@g.GetColumnCount() & "," & @g.GetRowCount() & "," & @g.GetFixedColumnCount() & "," & @g.GetFixedRowCount() & "|" & @g.GetCellText(1, 0) & "|" & @g.GetCellText(1, 1) & "|" & @g.SetCellText(1, 1, "beta") & "|" & @g.GetCellText(1, 1) & "|" & @g.GetCellText(0, 3) & "|" & @g.SetCellText(3, 0, "x") & "|" & @g.GetCellText(9, 9) & "|")
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @g.SetColumnWidth("-1", 50)
        @g.SetColumnWidth(2, 80)
        @g.SetColumnWidth(3, 99)
        @g.SetRowHeight("-1", 22)
        @g.SetRowHeight(3, 30)
        @g.SetRowHeight("-5", 99)
        @MAIN.SetText("sizes " & @g.GetColumnWidth(0) & "," & @g.GetColumnWidth(2) & "," & @g.GetColumnWidth(3) & "," & @g.GetRowHeight(1) & "," & @g.GetRowHeight(3) & "," & @g.GetRowHeight("-1"))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @MAIN.SetText("colours " & @g.SetBackColor(255) & "," & @g.GetBackColor() & "," & @g.SetTextColor(65280) & "," & @g.GetTextColor() & "," & @g.SetFixedBackColor(16711680) & "," & @g.GetFixedBackColor() & "," & @g.SetFixedTextColor(65535) & "," & @g.GetFixedTextColor() & "," & @g.SetGridBackColor(8421376) & "," & @g.GetGlyphWidth() & "," & @g.SetGridLineColor(128) & "," & @g.GetGlyphHeight())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @MAIN.SetText("selection " & @g.GetSelectedCount() & "," & @g.GetSelectionMaxColumn() & "," & @g.GetFocusRow())
        @g.SelectCell(2, 3)
        @MAIN.SetText(@MAIN.GetText() & " then " & @g.GetSelectedCount() & "," & @g.GetSelectionMaxColumn() & "," & @g.GetSelectionMaxRow() & "," & @g.GetSelectionMinColumn() & "," & @g.GetSelectionMinRow() & "," & @g.GetFocusColumn() & "," & @g.GetFocusRow())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "4")
        @g.DeleteRow(2)
        @g.DeleteColumn(1)
        @g.DeleteRow(50)
        @MAIN.SetText("deleted " & @g.GetColumnCount() & "," & @g.GetRowCount() & "," & @g.GetCellText(1, 2) & "," & @g.GetCellText(0, 2))
        @g.DeleteAllItems()
        @MAIN.SetText(@MAIN.GetText() & " all " & @g.GetColumnCount() & "," & @g.GetRowCount() & "," & @g.GetFixedColumnCount() & "," & @g.GetFixedRowCount() & "," & @g.GetCellText(0, 0) & "," & @g.GetColumnWidth(0))
      @Condition.EndIf()
  object Grid g
    rect 10 10 420 200
    event 0
      @MAIN.SetText("clicked " & @g.GetFocusRow() & "," & @g.GetFocusColumn())
)";

TEST(GridCommands, ShapeTextsSizesColoursSelectionAndDeletionInARunningProject)
{
    ProjectRun run(kShapes);
    HWND main = MainWindow(run);
    ASSERT_NE(main, nullptr);
    HWND grid = GetDlgItem(main, 3000 + int(run.Plan().windows[0].objects.size()) - 1);
    ASSERT_NE(grid, nullptr);
    char className[32] = "";
    GetClassNameA(grid, className, sizeof className);
    EXPECT_STREQ(className, "QuillbrickGrid");
    // Cells are named column first; a cell outside the grid gives nothing and changes nothing.
    EXPECT_TRUE(run.WaitForText(main, "3,4,1,1|Name|alpha|alpha|beta|third|||"));

    Step(main, 1);
    EXPECT_TRUE(run.WaitForText(main, "sizes 50,80,0,22,30,0"));

    Step(main, 2);
    const std::string colours =
        "colours " + Decimal(GetSysColor(COLOR_WINDOW)) + ",255," + Decimal(GetSysColor(COLOR_WINDOWTEXT)) + ",65280," +
        Decimal(GetSysColor(COLOR_3DFACE)) + ",16711680," + Decimal(GetSysColor(COLOR_WINDOWTEXT)) + ",65535," +
        Decimal(GetSysColor(COLOR_3DSHADOW)) + ",8421376," + Decimal(GetSysColor(COLOR_WINDOWFRAME)) + ",128";
    EXPECT_TRUE(run.WaitForText(main, colours)) << ProjectRun::Text(main);
    // On the screen: cells red, headings blue, the rest of the grid teal. Columns are 50, 50 and 80
    // wide, rows 22, 22, 22 and 30 high: the cells end at x 180 and y 96.
    // Read through the main window: a child window of another program reads back black.
    ProjectRun::BringToFront(main);
    POINT origin = {0, 0};
    MapWindowPoints(grid, main, &origin, 1);
    zvtest::Image shot;
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = ProjectRun::Capture(main).Crop(origin.x, origin.y, 420, 200);
            return !shot.Empty() && zvtest::ColorNear(shot.At(55, 47), zvtest::Rgb(255, 0, 0));
        },
        qbktest::kWait));
    EXPECT_TRUE(zvtest::ColorNear(shot.At(53, 4), zvtest::Rgb(0, 0, 255)));
    EXPECT_TRUE(zvtest::ColorNear(shot.At(25, 40), zvtest::Rgb(0, 0, 255)));
    EXPECT_TRUE(zvtest::ColorNear(shot.At(300, 150), zvtest::Rgb(0, 128, 128)));

    Step(main, 3);
    EXPECT_TRUE(run.WaitForText(main, "selection 0,-1,-1 then 1,2,3,2,3,2,3"));

    // A click on a cell raises the grid's event.
    run.ClickAt(grid, 75, 55);
    EXPECT_TRUE(run.WaitForText(main, "clicked 2,1"));

    Step(main, 4);
    EXPECT_TRUE(run.WaitForText(main, "deleted 2,3,,third all 0,0,0,0,,0")) << ProjectRun::Text(main);
}

const char* const kFiles = R"(
window MAIN
  caption "Files"
  style 0x100B0001
  rect 0 0 460 320
  event 16
    @g.InsertColumn("", "-1")
    @g.InsertColumn("", "-1")
    @g.InsertRow("", "-1")
    @g.InsertRow("", "-1")
    @g.SetCellText(0, 0, "a")
    @g.SetCellText(0, 1, "b")
    @g.SetCellText(0, 2, "c")
    @g.SetCellText(1, 0, "d")
    @g.SetCellText(1, 1, "e")
    @g.SetCellText(1, 2, "f")
    @g.SetFixedColumnCount(1)
    @g.SetFixedRowCount(1)
    @g.SaveFile(@Application.GetFolder() & "saved.grid")
    @MAIN.SetText("saved")
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @g.LoadFile(@Application.GetFolder() & "other.grid")
        @MAIN.SetText("loaded " & @g.GetColumnCount() & "," & @g.GetRowCount() & "," & @g.GetFixedColumnCount() & "," & @g.GetFixedRowCount() & "|" & @g.GetCellText(0, 0) & "|" & @g.GetCellText(2, 1) & "|" & @g.GetCellText(1, 1) & "|" & @g.GetCellText(0, 1) & "|" & @g.GetColumnWidth(0) & "|" & @g.GetColumnWidth(1))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @g.LoadFile(@Application.GetFolder() & "damaged.grid")
        @g.LoadFile(@Application.GetFolder() & "missing.grid")
        @g.LoadFile(@Application.GetFolder() & "empty.grid")
        @MAIN.SetText("kept " & @g.GetColumnCount() & "," & @g.GetRowCount() & "," & @g.GetCellText(2, 1))
      @Condition.EndIf()
  object Grid g
    rect 10 10 420 200
)";

TEST(GridCommands, SavingWritesTheGridFileAndLoadingReplacesTheGridFromOne)
{
    ProjectRun run(kFiles);
    HWND main = MainWindow(run);
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(run.WaitForText(main, "saved"));
    EXPECT_EQ(ReadFile(run.Folder() + "saved.grid"), std::string("2\x01"
                                                                 "3\x01"
                                                                 "1\x01"
                                                                 "1\x01"
                                                                 "a\x01"
                                                                 "b\x01"
                                                                 "c\x01"
                                                                 "d\x01"
                                                                 "e\x01"
                                                                 "f\x01"));

    // Three columns, two rows, no fixed ones; every column sized to its widest text.
    WriteFile(run.Folder() + "other.grid", std::string("3\x01"
                                                       "2\x01"
                                                       "0\x01"
                                                       "0\x01"
                                                       "x\x01"
                                                       "y\x01"
                                                       "a much longer text\x01"
                                                       "\x01"
                                                       "p\x01"
                                                       "q\x01"
                                                       "extra\x01"));
    Step(main, 1);
    EXPECT_TRUE(
        zvtest::WaitFor([&] { return ProjectRun::Text(main).rfind("loaded 3,2,0,0|x|q||y|", 0) == 0; }, qbktest::kWait))
        << ProjectRun::Text(main);
    const std::string loaded = ProjectRun::Text(main);
    const size_t widths = loaded.rfind("|y|") + 3;
    const int first = std::atoi(loaded.c_str() + widths);
    const int second = std::atoi(loaded.c_str() + loaded.find('|', widths) + 1);
    EXPECT_GT(first, 0);
    EXPECT_GT(second, first);  // "a much longer text" outgrows "x" and "y"

    // A file that claims more cells than it holds, one that is not there, one that is empty: the
    // grid stays as it was.
    WriteFile(run.Folder() + "damaged.grid", std::string("9\x01"
                                                         "9\x01"
                                                         "0\x01"
                                                         "0\x01"
                                                         "only\x01"));
    WriteFile(run.Folder() + "empty.grid", "");
    Step(main, 2);
    EXPECT_TRUE(run.WaitForText(main, "kept 3,2,q"));
}

}  // namespace
