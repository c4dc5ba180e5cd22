// The common dialogs in a running project, driven with keys: open one file or several, cancel,
// save with a default extension, the filter offered, extensions and names of what was chosen;
// the colour dialog starting at the colour given; the font dialog giving a Font object its font;
// the folder browser cancelled.
#include <gtest/gtest.h>

#include <windows.h>

#include <commdlg.h>
#include <dlgs.h>
#include <shlobj.h>

#include <fstream>
#include <string>

#include "project_run.h"
#include "window_probes.h"

namespace {

using qbktest::ProjectRun;

// Each timer phase opens one dialog; what the script gets is written into "out".
std::string Project()
{
    return R"(
window MAIN
  caption "Dialogs"
  style 0x100B0001
  rect 0 0 420 200
  object FileDialog dlg
  object Font font
  object CheckBox out
    rect 10 100 400 20
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", 1)
        @out.SetText(@dlg.Open(@Application.GetFolder() & "a.txt", "Text|*.txt|All|*.*||", "") & "," & @dlg.GetListCount() & "," & @dlg.GetSelected(0) & "," & @dlg.GetFileName(0) & "," & @dlg.GetExtension(0) & "," & @dlg.GetSelected(1))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 2)
        @out.SetText(@dlg.Open("", "", "MULTISELECT") & "," & @dlg.GetListCount() & "," & @dlg.GetFileName(0) & "," & @dlg.GetFileName(1) & "," & @dlg.GetSelected(1))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 3)
        @out.SetText(@dlg.Open("", "", "") & "," & @dlg.GetListCount() & "," & @dlg.GetSelected(0) & ",")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 4)
        @out.SetText(@dlg.Save("", "txt", "", "") & "," & @dlg.GetListCount() & "," & @dlg.GetFileName(0))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 5)
        @out.SetText(@dlg.Open(@Application.GetFolder() & "dir.d\\readme", "", "") & "," & @dlg.GetExtension(0) & "," & @dlg.GetFileName(0))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 6)
        @out.SetText("colour " & @dlg.ChooseColor(255))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 7)
        @out.SetText("font " & @dlg.ChooseFont(@out.GetId()) & @dlg.ChooseFont(@font.GetId()) & "," & @font.GetFaceName() & "," & @font.GetSize())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", 8)
        @out.SetText("folder [" & @dlg.BrowseFolder("Pick one") & "]")
      @Condition.EndIf()
)";
}

class FileDialogs : public ::testing::Test {
protected:
    void SetUp() override
    {
        run_ = std::make_unique<ProjectRun>(Project(), false);
        for (const char* name : {"a.txt", "b.txt"}) std::ofstream(run_->Folder() + name) << name;
        CreateDirectoryA((run_->Folder() + "dir.d").c_str(), nullptr);
        std::ofstream(run_->Folder() + "dir.d\\readme") << "x";
        ASSERT_TRUE(run_->Start());
        main_ = run_->Window("MAIN");
        out_ = run_->Control("MAIN", "out");
        ASSERT_TRUE(main_ && out_);
    }

    // Opens the dialog of the phase and answers the visible dialog with that title.
    HWND Open(int phase, const std::string& title)
    {
        PostMessageA(main_, WM_TIMER, WPARAM(phase), 0);
        HWND dialog = nullptr;
        zvtest::WaitFor(
            [&] {
                dialog = run_->FindWindowOf("#32770", title);
                return dialog && IsWindowVisible(dialog);
            },
            qbktest::kWait);
        if (!dialog) return nullptr;
        // Keys go where the focus is once the dialog has taken it: a dialog still setting itself
        // up (a slow folder listing on a busy machine) would hand them elsewhere.
        zvtest::Activate(dialog);
        const bool ready = zvtest::WaitFor(
            [&] {
                const HWND focus = qbktest::FocusOf(dialog);
                return GetForegroundWindow() == dialog && focus && (focus == dialog || IsChild(dialog, focus));
            },
            qbktest::kWait);
        return ready ? dialog : nullptr;
    }
    // Types into the focused field of the dialog and waits until the field shows it.
    static bool TypeInto(HWND dialog, const std::string& text)
    {
        zvtest::TypeText(text);
        const bool shown =
            zvtest::WaitFor([&] { return ProjectRun::Text(qbktest::FocusOf(dialog)) == text; }, qbktest::kWait);
        EXPECT_TRUE(shown) << "the field shows \"" << ProjectRun::Text(qbktest::FocusOf(dialog)) << "\"";
        return shown;
    }
    bool Got(const std::string& expected) const { return run_->WaitForText(out_, expected); }

    std::unique_ptr<ProjectRun> run_;
    HWND main_ = nullptr, out_ = nullptr;
};

TEST_F(FileDialogs, OpenOneFileOrSeveralOrNone)
{
    const std::string folder = run_->Folder();
    HWND dialog = Open(1, "Open");
    ASSERT_NE(dialog, nullptr);
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(Got("1,1," + folder + "a.txt,a.txt,.txt,")) << ProjectRun::Text(out_);

    // Several: the names typed in quotes; an empty filter offers all files.
    dialog = Open(2, "Open");
    ASSERT_NE(dialog, nullptr);
    EXPECT_TRUE(zvtest::WaitFor([&] { return ProjectRun::Text(GetDlgItem(dialog, cmb1)) == "All Files (*.*)"; },
                                qbktest::kWait))
        << ProjectRun::Text(GetDlgItem(dialog, cmb1));
    ASSERT_TRUE(TypeInto(dialog, "\"a.txt\" \"b.txt\""));
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(Got("1,2,a.txt,b.txt," + folder + "b.txt")) << ProjectRun::Text(out_);

    // Cancel empties the selection.
    dialog = Open(3, "Open");
    ASSERT_NE(dialog, nullptr);
    zvtest::TapKey(VK_ESCAPE);
    EXPECT_TRUE(Got("0,0,,")) << ProjectRun::Text(out_);
}

TEST_F(FileDialogs, SaveAddsTheExtensionAndFolderDotsAreNoExtension)
{
    HWND dialog = Open(4, "Save As");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(TypeInto(dialog, "newname"));
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(Got("1,1,newname.txt")) << ProjectRun::Text(out_);

    dialog = Open(5, "Open");
    ASSERT_NE(dialog, nullptr);
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(Got("1," + run_->Folder() + "dir.d\\readme,readme")) << ProjectRun::Text(out_);
}

TEST_F(FileDialogs, ColourStartsAtTheColourGiven)
{
    HWND dialog = Open(6, "Color");
    ASSERT_NE(dialog, nullptr);
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(Got("colour 255")) << ProjectRun::Text(out_);
    dialog = Open(6, "Color");
    ASSERT_NE(dialog, nullptr);
    zvtest::TapKey(VK_ESCAPE);
    EXPECT_TRUE(Got("colour -1")) << ProjectRun::Text(out_);
}

TEST_F(FileDialogs, FontDialogGivesTheFontObjectItsFont)
{
    HWND dialog = Open(7, "Font");
    ASSERT_NE(dialog, nullptr);
    SetFocus(nullptr);
    zvtest::TypeText("Tahoma");
    zvtest::TapKey(VK_TAB);
    zvtest::TapKey(VK_TAB);
    zvtest::TypeText("12");
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(Got("font 01,Tahoma,12")) << ProjectRun::Text(out_);
}

TEST_F(FileDialogs, FolderBrowserChosenOrCancelled)
{
    HWND dialog = Open(8, "");
    ASSERT_NE(dialog, nullptr);
    zvtest::TapKey(VK_ESCAPE);
    EXPECT_TRUE(Got("folder []")) << ProjectRun::Text(out_);
    // The first item of the tree, the desktop, is a folder of the file system.
    char desktop[MAX_PATH] = "";
    ASSERT_EQ(SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop), S_OK);
    dialog = Open(8, "");
    ASSERT_NE(dialog, nullptr);
    HWND tree = FindWindowExA(dialog, nullptr, "SysTreeView32", nullptr);
    ASSERT_NE(tree, nullptr);
    SetFocus(nullptr);
    RECT box = {};
    GetWindowRect(tree, &box);
    zvtest::Click((box.left + box.right) / 2, (box.top + box.bottom) / 2);
    zvtest::TapKey(VK_HOME);
    zvtest::TapKey(VK_RETURN);
    EXPECT_TRUE(Got(std::string("folder [") + desktop + "\\]")) << ProjectRun::Text(out_);
}

}  // namespace
