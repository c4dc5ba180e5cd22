// Tree views in a running project: items inserted, walked both ways, found, moved (never into
// their own branch), copied into another tree, saved to a file and a stream and loaded back; item
// handles that name no item are refused; clicks select; the folder browser over scratch folders
// and the drives, expanded and collapsed from the keyboard.
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <fstream>
#include <string>

#include "bmp_hex.h"
#include "project_run.h"
#include "script_steps.h"

namespace {

using qbktest::Do;
using qbktest::Note;
using qbktest::ProjectRun;
using qbktest::Step;

const char* const kA = "@tree.GetChildAt(-1, 0)";
const std::string kB = std::string("@tree.GetChildAt(") + kA + ", 0)";
const std::string kC = "@tree.GetChildAt(" + kB + ", 0)";
const char* const kD = "@tree.GetChildAt(-1, 1)";

std::string Window(const std::string& script)
{
    return R"(
window MAIN
  caption "Trees"
  style 0x100B0001
  rect 0 0 420 360
  object TreeView tree
    rect 10 10 190 200
    style 0x50800027
  object TreeView other
    rect 210 10 190 200
    style 0x50800027
  object DataStream data
  object CheckBox out
    rect 10 220 400 20
)" + script;
}

// Runs the window's timer script until the text shows what is expected: input may still be on its way.
bool AskUntil(HWND main, HWND out, const std::string& expected)
{
    return zvtest::WaitFor(
        [&] {
            PostMessageA(main, WM_TIMER, 1, 0);
            Sleep(50);
            return ProjectRun::Text(out) == expected;
        },
        qbktest::kWait);
}

// Waits until the text ends with the expected tail.
bool WaitForTail(HWND out, const std::string& tail)
{
    return zvtest::WaitFor(
        [&] {
            const std::string text = ProjectRun::Text(out);
            return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
        },
        qbktest::kWait);
}

TEST(TreeViewCommands, ItemsWalkMoveSaveAndLoad)
{
    const std::vector<Step> steps = {
        Do("@tree.InsertItem(0, \"A\", 3, 7, 1)"),
        Do("@tree.InsertItem(0, \"D\", 1, 0, 1)"),
        Do(std::string("@tree.InsertItem(") + kA + ", \"B\", 0, 0, 1)"),
        Do("@tree.InsertItem(" + kB + ", \"C\", 0, 0, 1)"),
        Note("@tree.GetCount()", "4"),
        Note(std::string("@tree.GetItemWord(") + kA + ", \"0\") & \",\" & @tree.GetItemWord(" + kA +
                 ", \"1\") & \",\" & @tree.GetItemData(" + kA + ")",
             "3,7,458755"),
        Note("@tree.GetItemPath(" + kC + ") & \",\" & @tree.GetLevel(" + kC + ")", "A\\B\\C,2"),
        Note("@tree.GetItemText(@tree.GetNextInOrder(" + kC + ")) & \",\" & @tree.GetItemText(@tree.GetPrevInOrder(" +
                 kD + "))",
             "D,C"),
        Note(std::string("@tree.GetNextInOrder(") + kD + ") & \",\" & @tree.GetPrevInOrder(" + kA + ")", "0,0"),
        Note(std::string("@tree.GetChildAt(-1, 5) & \",\" & @tree.GetChildIndex(0, ") + kD +
                 ") & \",\" & @tree.GetChildIndex(" + kA + ", " + kD + ") & \",\" & @tree.GetChildCount(" + kA + ")",
             "0,1,-1,1"),
        Note("@tree.GetItemText(@tree.FindChild(0, \"D\")) & \",\" & @tree.FindChild(0, \"d\")", "D,-1"),
        // Numbers that name no item of the tree are refused.
        Note("@tree.GetItemText(12345) & \",\" & @tree.GetLevel(12345) & \",\" & @tree.GetParent(12345) & \",\" & "
             "@tree.DeleteItem(12345) & @tree.GetCount()",
             ",-1,0,4"),
        // A branch never moves into itself.
        Note(std::string("@tree.MoveItem(") + kA + ", " + kC + ", 1) & \",\" & @tree.MoveItem(" + kA + ", " + kA +
                 ", 0) & \",\" & @tree.GetCount()",
             "0,0,4"),
        // As a sibling it lands just before the target.
        Do(std::string("@tree.MoveItem(") + kD + ", " + kA + ", 0)"),
        Note(std::string("@tree.GetItemText(") + kA + ") & @tree.GetItemText(" + kD + ") & \",\" & @tree.GetCount()",
             "DA,4"),
        // The tag is cut to its 16 bits instead of spilling into the image.
        Do("@tree.InsertItem(0, \"E\", 2, 65537, 1)"),
        Note("@tree.GetItemWord(@tree.GetChildAt(-1, 2), \"1\") & \",\" & @tree.GetItemWord(@tree.GetChildAt(-1, 2), "
             "\"0\") & \",\" & @tree.SetItemText(@tree.GetChildAt(-1, 2), \"F\") & "
             "@tree.GetItemText(@tree.GetChildAt(-1, "
             "2))",
             "1,2,EF"),
        Note("@tree.SaveToFile(@Application.GetFolder() & \"tree.txt\", 1) & @tree.SaveToFile(@Application.GetFolder() "
             "& \"none/tree.txt\", 1)",
             "10"),
        // Through a stream into the other tree, and a copy of a branch between the trees.
        Note("@tree.SaveToObject(@data.GetId(), 0) & @other.LoadFromObject(@data.GetId()) & \",\" & "
             "@other.GetCount() & \",\" & @other.GetItemPath(@other.GetChildAt(@other.GetChildAt(@other.GetChildAt(-1, "
             "1), 0), 0))",
             "11,5,A\\B\\C"),
        Note("@other.GetItemText(@tree.MoveItemAfter(@tree.GetChildAt(@tree.GetChildAt(-1, 1), 0), "
             "@other.GetChildAt(-1, 0), 1, @other.GetHandle())) & "
             "\",\" & @other.GetCount() & \",\" & @tree.GetCount()",
             "B,7,5"),
        Note("@other.LoadFile(@Application.GetFolder() & \"tree.txt\") & \",\" & @other.GetCount() & \",\" & "
             "@other.GetItemData(@other.GetChildAt(-1, 1)) & \",\" & @other.LoadFile(@Application.GetFolder() & "
             "\"missing.txt\")",
             "1,5,458755,0"),
        Note("@tree.SaveToObject(@out.GetId(), 0) & @tree.LoadFromObject(@out.GetId()) & @tree.GetCount()", "005"),
    };
    ProjectRun run(Window(qbktest::TimerScript({qbktest::ScriptLines(steps, "MAIN", 6)})));
    HWND main = qbktest::RunSteps(run, "MAIN", "Trees", steps);
    ASSERT_NE(main, nullptr);
    const std::vector<uint8_t> saved = zvtest::ReadFileBytes(run.Folder() + "tree.txt");
    EXPECT_EQ(std::string(saved.begin(), saved.end()), "D\t1\r\nA\t458755\r\n\tB\t0\r\n\t\tC\t0\r\nF\t65538\r\n");
}

TEST(TreeViewCommands, ImagesStatesOrderAndEmbeddedOutlines)
{
    const char* const kP = "@tree.GetChildAt(-1, 0)";
    const std::string child = std::string("@tree.GetChildAt(") + kP + ", ";
    const std::vector<Step> steps = {
        Note("@tree.AddImage(\"red.bmp\") & @tree.AddImage(\"missing.bmp\") & @tree.AddImage(\"blue.bmp\")", "101"),
        Do("@tree.InsertItem(0, \"P\", 0, 0, 1)"),
        Do(std::string("@tree.InsertItem(") + kP + ", \"b\", 1, 0, 1)"),
        Do(std::string("@tree.InsertItem(") + kP + ", \"a\", 1, 0, 1)"),
        Do(std::string("@tree.InsertItem(") + kP + ", \"c\", 1, 0, 0)"),
        Note("@tree.GetItemText(" + child + "0)) & @tree.GetItemText(" + child + "1)) & @tree.GetItemText(" + child +
                 "2))",
             "cba"),
        Do(std::string("@tree.SortChildren(") + kP + ")"),
        Do("@tree.SortChildren(0)"),
        Note("@tree.GetItemText(" + child + "0)) & @tree.GetItemText(" + child + "1)) & @tree.GetItemText(" + child +
                 "2)) & \",\" & @tree.GetChildCount(" + child + "0))",
             "abc,0"),
        Do(std::string("@tree.Expand(") + kP + ", \"1\")"),
        Note(std::string("@tree.IsExpanded(") + kP + ")", "1"),
        Do(std::string("@tree.Expand(") + kP + ", \"0\")"),
        Note(std::string("@tree.IsExpanded(") + kP + ")", "0"),
        Do(std::string("@tree.Expand(") + kP + ", \"1\")"),
        Do("@tree.SelectItem(" + child + "1))"),
        Note("@tree.GetItemText(@tree.GetSelected())", "b"),
        Do(std::string("@tree.SetItemData(") + kP + ", 99)"),
        Note(std::string("@tree.GetItemData(") + kP + ")", "99"),
        Do(std::string("@tree.SetItemImage(") + kP + ", 1, 5)"),
        Note(std::string("@tree.GetItemData(") + kP + ")", "327681"),
        Do(std::string("@tree.SetItemImage(") + kP + ", 0, 5)"),
        Note("@other.LoadEmbedded(\"outline.txt\") & @other.LoadEmbedded(\"missing.txt\") & \",\" & "
             "@other.GetCount() & \",\" & @other.GetItemPath(@other.GetChildAt(@other.GetChildAt(-1, 0), 1)) & "
             "\",\" & @other.GetItemWord(@other.GetChildAt(-1, 0), \"0\")",
             "10,3,X\\Z,2"),
        Do("@other.DeleteAllItems()"),
        Do("@other.RemoveImageList()"),
        Note("@other.GetCount() & @other.AddImage(\"red.bmp\")", "01"),
    };
    ProjectRun run(Window(qbktest::TimerScript({qbktest::ScriptLines(steps, "MAIN", 6)})) + "file \"red.bmp\" hex \"" +
                   qbktest::SolidBmpHex(16, 16, zvtest::Rgb(255, 0, 0)) + "\"\nfile \"blue.bmp\" hex \"" +
                   qbktest::SolidBmpHex(16, 16, zvtest::Rgb(0, 0, 255)) +
                   "\"\nfile \"outline.txt\" text \"X\\t2\\r\\n\\tY\\r\\n\\tZ\\r\\n\"\n");
    HWND main = qbktest::RunSteps(run, "MAIN", "Trees", steps);
    ASSERT_NE(main, nullptr);
    // The top item shows the first image, its children the second.
    HWND tree = run.Control("MAIN", "tree");
    RECT rect = {};
    GetWindowRect(tree, &rect);
    zvtest::Image shot;
    auto count = [&](uint32_t colour) {
        return shot.Count(0, 0, shot.width, shot.height, [&](uint32_t p) { return zvtest::ColorNear(p, colour); });
    };
    EXPECT_TRUE(zvtest::WaitFor(
        [&] {
            shot = zvtest::CaptureScreen().Crop(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
            return count(zvtest::Rgb(255, 0, 0)) >= 200 && count(zvtest::Rgb(0, 0, 255)) >= 3 * 200;
        },
        qbktest::kWait))
        << count(zvtest::Rgb(255, 0, 0)) << " " << count(zvtest::Rgb(0, 0, 255));
}

TEST(TreeViewCommands, ClickSelectsAndEventsComeFromInput)
{
    ProjectRun run(Window(R"(
  event 16
    @tree.InsertItem(0, "First", 0, 0, 1)
    @tree.InsertItem(0, "Second", 0, 0, 1)
    @tree.InsertItem(@tree.GetChildAt(-1, 0), "Inner", 0, 0, 1)
  builtin Time
    event 0
      @out.SetText(@tree.GetItemText(@tree.GetSelected()) & "," & @tree.IsExpanded(@tree.GetChildAt(-1, 0)))
)"));
    HWND main = run.Window("MAIN"), tree = run.Control("MAIN", "tree"), out = run.Control("MAIN", "out");
    ASSERT_TRUE(main && tree && out);
    // The second row of the tree.
    const int rowHeight = int(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0));
    run.ClickAt(tree, 34, rowHeight + rowHeight / 2);
    EXPECT_TRUE(AskUntil(main, out, "Second,0")) << ProjectRun::Text(out);
    run.PressKey(tree, VK_UP);
    run.PressKey(tree, VK_RIGHT);
    EXPECT_TRUE(AskUntil(main, out, "First,1")) << ProjectRun::Text(out);
}

void MakeFolder(const std::string& path) { ASSERT_TRUE(CreateDirectoryA(path.c_str(), nullptr)) << path; }

TEST(TreeViewCommands, FolderBrowserFillsOnExpandAndEmptiesOnCollapse)
{
    ProjectRun run(R"(
window MAIN
  caption "Folders"
  style 0x100B0001
  rect 0 0 420 360
  event 16
    @tree.SetRootFolder(@Application.GetFolder() & "sub", "0")
    @other.SetRootFolder("", "0")
    @files.SetRootFolder(@Application.GetFolder() & "sub", "1")
    @out.SetText(@files.GetCount() & "," & @files.GetItemText(@files.GetChildAt(@files.GetChildAt(-1, 0), 3)) & @files.GetItemText(@files.GetChildAt(@files.GetChildAt(-1, 0), 4)) & "," & @tree.GetCount() & "," & @tree.GetItemText(@tree.GetChildAt(@tree.GetChildAt(-1, 0), 0)) & @tree.GetItemText(@tree.GetChildAt(@tree.GetChildAt(-1, 0), 1)) & @tree.GetItemText(@tree.GetChildAt(@tree.GetChildAt(-1, 0), 2)) & "," & @other.GetItemText(@other.FindChild(0, "C:")))
  object TreeView tree
    rect 10 10 190 200
    style 0x50800027
    event 8
      @out.SetText(@tree.GetItemText(@Application.GetParameter(0)) & ":" & @Application.GetParameter(1) & ":" & @tree.GetChildCount(@Application.GetParameter(0)) & ":" & @tree.GetItemText(@tree.GetChildAt(@Application.GetParameter(0), 0)))
  object TreeView other
    rect 210 10 190 200
    style 0x50800027
  object TreeView files
    rect 10 250 190 100
    style 0x50800027
  object CheckBox out
    rect 10 220 400 20
)",
                   false);
    MakeFolder(run.Folder() + "sub");
    for (const char* name : {"b", "A", "c", "A\\deep"}) MakeFolder(run.Folder() + "sub\\" + name);
    for (const char* name : {"z.txt", "Y.txt", "h.txt"}) std::ofstream(run.Folder() + "sub\\" + name) << name;
    SetFileAttributesA((run.Folder() + "sub\\h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(run.Start());
    HWND tree = run.Control("MAIN", "tree"), out = run.Control("MAIN", "out");
    ASSERT_TRUE(tree && out);
    EXPECT_TRUE(run.WaitForText(out, "7,Y.txtz.txt,5,Abc,C:")) << ProjectRun::Text(out);

    // The root row, then the keyboard: expand the root, go down to A and expand it, then fold it.
    run.ClickAt(tree, 40, int(SendMessageA(tree, TVM_GETITEMHEIGHT, 0, 0)) / 2);
    run.PressKey(tree, VK_RIGHT);
    EXPECT_TRUE(WaitForTail(out, "\\sub:1:3:A")) << ProjectRun::Text(out);
    run.PressKey(tree, VK_DOWN);
    run.PressKey(tree, VK_RIGHT);
    EXPECT_TRUE(run.WaitForText(out, "A:1:1:deep")) << ProjectRun::Text(out);
    // A folder made meanwhile shows at the next expansion; folding leaves one empty placeholder.
    MakeFolder(run.Folder() + "sub\\A\\again");
    run.PressKey(tree, VK_LEFT);
    EXPECT_TRUE(run.WaitForText(out, "A:0:1:")) << ProjectRun::Text(out);
    run.PressKey(tree, VK_RIGHT);
    EXPECT_TRUE(run.WaitForText(out, "A:1:2:again")) << ProjectRun::Text(out);
}

}  // namespace
