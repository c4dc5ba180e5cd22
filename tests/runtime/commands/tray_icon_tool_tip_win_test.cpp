// Tool tips in a running project: tools named by the window's properties and added, renamed and
// removed by commands, the tip shown over its control when the mouse rests there, long texts read
// back whole, and the tip's colours, width and delay. Tray icons: shown, hidden, changed and
// clicked in the system's tray.
#include <gtest/gtest.h>

#include "project_run.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::ProjectRun;

// The tool tip windows of the process that owns `window`.
std::vector<HWND> TipsOf(HWND window)
{
    struct Search {
        DWORD process;
        std::vector<HWND> found;
    } search{0, {}};
    GetWindowThreadProcessId(window, &search.process);
    EnumWindows(
        [](HWND candidate, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char name[64] = "";
            DWORD process = 0;
            GetWindowThreadProcessId(candidate, &process);
            GetClassNameA(candidate, name, sizeof name);
            if (process == s->process && lstrcmpiA(name, TOOLTIPS_CLASSA) == 0) s->found.push_back(candidate);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

const std::string kLong(300, 'x');

std::string TipProject()
{
    return R"(
window MAIN
  caption "Tips"
  style 0x100B0001
  rect 0 0 420 320
  event 16
    @out.SetText(@tip.GetToolCount() & "," & @tip.GetMaxWidth() & "," & @tip.AddTool(@box.GetId(), ")" +
           kLong +
           R"(") & @tip.GetToolCount() & "," & @tip.GetText(@box.GetId()) & "," & @tip.AddTool(@number.GetId(), "no") & @tip.AddTool(99, "no") & @tip.GetToolCount() & "," & @tip.UpdateText(@box.GetId(), "short") & @tip.GetText(@box.GetId()) & "," & @tip.DelTool(@box.GetId()) & @tip.GetToolCount() & "[" & @tip.GetText(@box.GetId()) & "]," & @tip.SetBackColor(255) & @tip.GetBackColor() & "," & @tip.SetTextColor(65280) & @tip.GetTextColor() & "," & @tip.SetMaxWidth(150) & @tip.GetMaxWidth() & "," & @none.GetToolCount() & @none.SetDelay(70000) & "," & @tip.GetText(@target.GetId()))
    @tip.SetMaxWidth(-1)
  object CheckBox target
    caption "Rest here"
    rect 20 20 150 40
  object CheckBox box
    rect 20 80 150 40
  object NumberVariable number
  object CheckBox out
    rect 10 200 400 20
  object ToolTip tip
    property "Control 0" "target"
    property "Text 0" "Target tip"
  object ToolTip none
    property "Control 0" "nOnE"
    property "Control 1" "target"
    property "Text 1" "never"
)";
}

TEST(ToolTipCommands, ToolsTextsColoursAndTheTipShowingOverItsControl)
{
    ProjectRun run(TipProject());
    HWND out = run.Control("MAIN", "out"), target = run.Control("MAIN", "target");
    ASSERT_TRUE(out && target);
    EXPECT_TRUE(run.WaitForText(out, "1,-1,2," + kLong + ",2,short,1[],255,65280,150,0,Target tip"))
        << ProjectRun::Text(out);

    const std::vector<HWND> tips = TipsOf(run.Window("MAIN"));
    ASSERT_EQ(tips.size(), 2u);
    HWND tip = SendMessageA(tips[0], TTM_GETTOOLCOUNT, 0, 0) == 1 ? tips[0] : tips[1];
    HWND none = tip == tips[0] ? tips[1] : tips[0];
    EXPECT_EQ(SendMessageA(none, TTM_GETTOOLCOUNT, 0, 0), 0);
    EXPECT_EQ(SendMessageA(none, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 70000 % 65536);

    // The tool covers its whole control: resting the mouse on it shows the tip with its text.
    ProjectRun::BringToFront(run.Window("MAIN"));
    RECT r;
    GetWindowRect(target, &r);
    zvtest::MoveMouse(r.left + 40, r.top + 15);
    zvtest::MoveMouse(r.left + 42, r.top + 16);
    EXPECT_TRUE(
        zvtest::WaitFor([&] { return IsWindowVisible(tip) && ProjectRun::Text(tip) == "Target tip"; }, qbktest::kWait))
        << ProjectRun::Text(tip);
}

class ToolTipWithoutControl : public ScriptTest {};

TEST_F(ToolTipWithoutControl, CommandsAnswerTheirFailure)
{
    Start(qbktest::CommandWordsOf({"ToolTip"}) + R"(
window MAIN
  object ToolTip tip
  event 0
    @Application.Return(@tip.Activate(1) & "," & @tip.AddTool(1, "a") & "," & @tip.GetBackColor() & "," & @tip.GetToolCount() & "," & @tip.GetMaxWidth() & "," & @tip.GetText(1) & "," & @tip.GetTextColor() & "," & @tip.DelTool(1) & @tip.SetBackColor(1) & @tip.SetDelay(1) & @tip.SetMaxWidth(1) & @tip.UpdateText(1, "a") & @tip.SetTextColor(1))
)");
    EXPECT_EQ(Run("MAIN", 0), ",,-1,0,0,,-1,");
}

}  // namespace
