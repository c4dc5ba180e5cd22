// MDI areas in a running project: project windows opened inside the area with their start event
// and its answer, arranged, stepped through, closed by name (inside the area or not), the
// area's colour, and the windows listed in a menu bar's menu.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "project_run.h"

#include "capture_control.h"
#include "fw_wnd.h"
#include "menu_object.h"
#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::ProjectRun;
using zvtest::Rgb;

const char* const kProject = R"(
window MAIN
  caption "Frame"
  style 0x100B0001
  rect 0 0 520 420
  event 16
    @out.SetText("[" & @area.GetActive() & "]," & @area.OpenChild("DOC1", 10, 20, "one") & "," & @area.OpenChild("DOC1", 50, 50, "again") & "," & @area.OpenChild("DOC2", 200, 40, "two") & "," & @area.GetActive() & "," & @area.GetBackColor() & "," & @area.SetBackColor(255) & @area.GetBackColor() & "," & @area.OpenChild("NOSUCH", 0, 0, "") & @area.OpenChild("", 0, 0, ""))
  object MdiWindow area
    rect 0 0 520 300
    style 0x50000000
  object CheckBox arrange
    rect 10 310 100 20
    event 0
      @area.Cascade()
      @moved.SetText(@area.GetActive())
  object CheckBox step
    rect 120 310 100 20
    event 0
      @area.Next()
      @moved.SetText(@area.GetActive())
  object CheckBox shut
    rect 230 310 100 20
    event 0
      @MAIN.Open("OTHER", 400, 400, "OUT", "")
      @area.Close("DOC2")
      @area.Close("OTHER")
      @moved.SetText(@area.GetActive() & " left")
  object CheckBox out
    rect 10 340 500 20
  object CheckBox moved
    rect 10 365 500 20
window DOC1
  caption "Doc one"
  style 0x10CF0000
  rect 0 0 150 100
  event 16
    @Application.Return("started " & @Application.GetParameter(0))
window DOC2
  caption "Doc two"
  style 0x10CF0000
  rect 0 0 150 100
  event 16
    @Application.Return("started " & @Application.GetParameter(0))
window OTHER
  caption "Other"
  style 0x10CF0000
  rect 0 0 150 100
)";

POINT PlaceIn(HWND window, HWND area)
{
    RECT r;
    GetWindowRect(window, &r);
    POINT p = {r.left, r.top};
    ScreenToClient(area, &p);
    return p;
}

TEST(MdiWindowCommands, ChildrenOpenArrangeStepAndClose)
{
    ProjectRun run(kProject);
    HWND out = run.Control("MAIN", "out"), moved = run.Control("MAIN", "moved"), area = run.Control("MAIN", "area");
    ASSERT_TRUE(out && moved && area);
    EXPECT_TRUE(run.WaitForText(out, "[],started one,,started two,DOC2,-1,255,")) << ProjectRun::Text(out);
    HWND one = run.Window("DOC1"), two = run.Window("DOC2");
    ASSERT_TRUE(one && two);
    EXPECT_EQ(GetParent(one), area);
    EXPECT_EQ(PlaceIn(one, area).x, 10);
    EXPECT_EQ(PlaceIn(one, area).y, 20);
    EXPECT_EQ(PlaceIn(two, area).x, 200);

    // The area's colour where no child covers it.
    EXPECT_TRUE(zvtest::WaitFor(
        [&] { return zvtest::ColorNear(qbktest::CaptureControl(area).At(450, 250), Rgb(255, 0, 0)); }, qbktest::kWait));

    run.Click(run.Control("MAIN", "arrange"));
    EXPECT_TRUE(run.WaitForText(moved, "DOC2"));
    EXPECT_NE(PlaceIn(one, area).x, PlaceIn(two, area).x);
    EXPECT_NE(PlaceIn(one, area).x, 10);  // moved by the cascade
    run.Click(run.Control("MAIN", "step"));
    EXPECT_TRUE(run.WaitForText(moved, "DOC1")) << ProjectRun::Text(moved);

    run.Click(run.Control("MAIN", "shut"));
    EXPECT_TRUE(run.WaitForText(moved, "DOC1 left")) << ProjectRun::Text(moved);
    EXPECT_FALSE(IsWindow(two));
    EXPECT_TRUE(IsWindow(one));
    EXPECT_EQ(run.FindWindowOf("", "Other"), nullptr);
}

// A window menu made by the project's own menu objects: the area lists its windows in it, and
// choosing one from the keyboard brings that window to the front.
TEST(MdiWindowCommands, TheWindowMenuListsTheChildrenAndChoosesOne)
{
    ProjectRun run(R"(
window MAIN
  caption "Frame"
  style 0x100B0001
  rect 0 0 520 420
  event 16
    @windows.AddItem("Tile", "")
    @bar.AddSubMenu("Window", "", @windows.GetId())
    @bar.Show()
    @area.OpenChild("DOC1", 10, 20, "")
    @area.OpenChild("DOC2", 200, 40, "")
    @area.SetMenu(@windows.GetId())
    @out.SetText("ready " & @area.GetActive())
  object MdiWindow area
    rect 0 0 520 300
    style 0x50000000
  object MenuBar bar
  object MenuBar windows
    event 0
      @out.SetText("tile")
  object CheckBox which
    rect 10 310 100 20
    event 0
      @out.SetText("active " & @area.GetActive())
  object CheckBox out
    rect 10 340 500 20
window DOC1
  caption "Doc one"
  style 0x10CF0000
  rect 0 0 150 100
window DOC2
  caption "Doc two"
  style 0x10CF0000
  rect 0 0 150 100
)");
    HWND main = run.Window("MAIN"), out = run.Control("MAIN", "out");
    ASSERT_TRUE(main && out);
    ASSERT_TRUE(run.WaitForText(out, "ready DOC2")) << ProjectRun::Text(out);

    // Alt and Down open "Window" on its first item; the next one, past the separator the area put
    // there, is the first window.
    run.PressKey(main, VK_MENU);
    zvtest::TapKey(VK_DOWN);
    ASSERT_TRUE(zvtest::WaitFor(
        [&] {
            const HWND popup = run.FindWindowOf("#32768", "");
            return popup && IsWindowVisible(popup);
        },
        qbktest::kWait));
    zvtest::TapKey(VK_DOWN);
    zvtest::TapKey(VK_RETURN);
    run.Click(run.Control("MAIN", "which"));
    EXPECT_TRUE(run.WaitForText(out, "active DOC1")) << ProjectRun::Text(out);
}

class MdiWindowWithoutControl : public ScriptTest {};

TEST_F(MdiWindowWithoutControl, CommandsDoNothing)
{
    Start(qbktest::CommandWordsOf({"MdiWindow"}) + R"(
window MAIN
  object MdiWindow area
  event 0
    @Application.Return("[" & @area.Tile() & @area.GetActive() & @area.GetBackColor() & @area.Cascade() & @area.OpenChild("DOC", 1, 2, "x") & @area.IconArrange() & @area.SetBackColor(5) & @area.Next() & @area.Previous() & "]" & @area.GetBackColor())
window DOC
  event 16
    @Application.Return("ran")
)");
    EXPECT_EQ(Run("MAIN", 0), "[]");
    EXPECT_EQ(Window("MAIN").GetObjectAt(12)->BackColor, -1);
}

// A menu object's menu, as the menu commands hold it.
class HeldMenu : public MenuHolder {
public:
    HeldMenu() : menu_(CreateMenu()) { AppendMenuA(menu_, MF_STRING, 1, "File"); }
    ~HeldMenu() override { DestroyMenu(menu_); }
    HMENU MenuHandle() const override { return menu_; }

private:
    HMENU menu_;
};

// The texts of the menu's items, joined by '|'.
std::string MenuTexts(HMENU menu)
{
    std::string texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        char text[64] = "";
        GetMenuStringA(menu, UINT(i), text, sizeof text, MF_BYPOSITION);
        texts += (i ? "|" : "") + std::string(text);
    }
    return texts;
}

class MdiWindowMenu : public ScriptTest {
protected:
    void TearDown() override
    {
        if (area_) area_->WindowObject = nullptr;
        ScriptTest::TearDown();
    }
    ObjectRecord* area_ = nullptr;
};

// The area lists its windows in the menu of a MenuBar object, and only of one that holds a menu.
TEST_F(MdiWindowMenu, TheAreaListsItsWindowsInAMenuBarsMenu)
{
    Start(qbktest::CommandWordsOf({"MdiWindow", "MenuBar"}) + R"(
window MAIN
  object MdiWindow area
  object MenuBar bar
  object MenuBar empty
  object NumberVariable number
  event 0
    @area.SetMenu(@number.GetId())
    @area.SetMenu(@empty.GetId())
    @area.SetMenu(77)
    @Application.Return("set")
  event 1
    @area.SetMenu(@bar.GetId())
    @Application.Return("set")
)");
    CWnd frame;
    ASSERT_TRUE(
        frame.CreateEx(0, "STATIC", "Frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr));
    CLIENTCREATESTRUCT creation = {nullptr, 1000};
    CWnd client;
    ASSERT_TRUE(client.CreateEx(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 400, 300, frame,
                                nullptr, &creation));
    WindowRecord& main = Window("MAIN");
    main.Self()->WindowObject = &frame;
    area_ = main.GetObjectAt(12);
    area_->WindowObject = &client;
    ObjectRecord& bar = *main.GetObjectAt(13);
    bar.Part = std::make_unique<HeldMenu>();
    const HMENU menu = bar.FindPart<HeldMenu>()->MenuHandle();

    MDICREATESTRUCTA child = {"STATIC", "Letter", GetModuleHandleA(nullptr), 0, 0, 100, 80, WS_VISIBLE, 0};
    ASSERT_NE(SendMessageA(client, WM_MDICREATE, 0, LPARAM(&child)), 0);

    EXPECT_EQ(Run("MAIN", 0), "set");
    EXPECT_EQ(MenuTexts(menu), "File");
    EXPECT_EQ(Run("MAIN", 1), "set");
    EXPECT_NE(MenuTexts(menu).find("Letter"), std::string::npos) << MenuTexts(menu);
    EXPECT_EQ(GetMenu(frame), nullptr);  // the frame's own menu bar stays as it was
    main.Self()->WindowObject = nullptr;
}

}  // namespace
