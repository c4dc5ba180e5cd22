// The commands every visual control and the window share, run by a project under Wine and read back
// from outside: geometry, state, texts, focus, user data and coordinates.
#include <gtest/gtest.h>

#include <string>

#include "project_run.h"

namespace {

using qbktest::ProjectRun;

std::string Numbers(std::initializer_list<long long> values)
{
    std::string text;
    for (long long v : values) text += (text.empty() ? "" : ",") + std::to_string(v);
    return text;
}

const char* const kControls = R"(
window MAIN
  caption "Controls"
  style 0x10CF0000
  rect 0 0 320 240
  object ListBox list
    rect 10 10 100 80
    style 0x50A00101
  object CheckBox box
    caption "Check"
    rect 10 100 120 24
  object ComboBox edit
    rect 150 10 120 100
    style 0x50010002
  object ComboBox pick
    rect 150 50 120 100
    style 0x50010003
    property "Content" "a|b"
  builtin Time
    event 0
      @Condition.If(@Application.GetParameter(0), "=", "1")
        @MAIN.SetText("1:" & @list.GetWidth() & "," & @list.GetHeight() & "," & @list.GetClientWidth() & "," & @list.GetClientHeight() & "," & @list.GetClientOffsetX() & "," & @list.GetClientOffsetY() & "," & @list.GetLeft() & "," & @list.GetTop() & "," & @list.GetHandle() & "," & @box.IsVisible() & @box.IsEnabled() & "," & @box.GetText())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "2")
        @list.Move(30)
        @list.SetSize(120, 60)
        @box.Enable(-1)
        @box.Show()
        @box.SetText("Changed")
        @list.SetUserData(42)
        @MAIN.SetText("2:" & @box.IsVisible() & @box.IsEnabled() & "," & @box.GetText() & "," & @list.GetUserData() & "," & @list.ClientToScreenX(5) & "," & @list.ClientToScreenY(7) & "," & @list.ScreenToClientX(@list.ClientToScreenX(5)) & "," & @list.ScreenToClientY(@list.ClientToScreenY(7)))
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "3")
        @box.Enable(-1)
        @box.Show(-1)
        @MAIN.SetText("3:" & @box.IsVisible() & @box.IsEnabled() & "," & @Other.Window.GetHeight() & "," & @Other.Window.GetUserData() & "," & @Other.Window.GetText() & "," & @Other.Window.ClientToScreenX(5) & "," & @Other.Window.IsVisible())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "4")
        @edit.SetFocus()
        @MAIN.SetText("4:" & @edit.HasFocus() & @pick.HasFocus() & @list.HasFocus())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "5")
        @pick.SetFocus()
        @MAIN.SetText("5:" & @edit.HasFocus() & @pick.HasFocus() & @list.HasFocus())
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "6")
        @box.Setredraw(0)
        @MAIN.SetText("6:")
      @Condition.EndIf()
      @Condition.If(@Application.GetParameter(0), "=", "7")
        @box.Setredraw(1)
        @MAIN.SetClientSize(300, 200)
        @MAIN.SetText("7:" & @MAIN.GetClientWidth() & "x" & @MAIN.GetClientHeight())
      @Condition.EndIf()
window Other
  caption "Other"
  style 0x10CF0000
)";

TEST(ControlCommands, GeometryStatesTextsAndUserDataAsTheUserSeesThem)
{
    ProjectRun run(kControls);
    HWND main = run.Window("MAIN");
    HWND list = run.Control("MAIN", "list"), box = run.Control("MAIN", "box");
    ASSERT_TRUE(main && list && box);

    RECT outer, client;
    GetWindowRect(list, &outer);
    GetClientRect(list, &client);
    POINT origin = {0, 0};
    ClientToScreen(list, &origin);
    const std::string handle = std::to_string(reinterpret_cast<uintptr_t>(list));
    EXPECT_EQ(run.Answer(main, 1), Numbers({outer.right - outer.left, outer.bottom - outer.top, client.right,
                                            client.bottom, origin.x - outer.left, origin.y - outer.top, 10, 10}) +
                                       "," + handle + ",11,Check");
    EXPECT_EQ(outer.right - outer.left, 100);

    // Move with x only goes to (x, 0); the size keeps the position.
    const std::string changed = run.Answer(main, 2);
    const RECT moved = ProjectRun::PlaceInParent(list);
    EXPECT_EQ(moved.left, 30);
    EXPECT_EQ(moved.top, 0);
    EXPECT_EQ(moved.right - moved.left, 120);
    EXPECT_EQ(moved.bottom - moved.top, 60);
    POINT screen = {5, 7};
    ClientToScreen(list, &screen);
    EXPECT_EQ(changed, "00,Changed,42," + Numbers({screen.x, screen.y, 5, 7}));
    EXPECT_FALSE(IsWindowEnabled(box));
    EXPECT_FALSE(IsWindowVisible(box));
    EXPECT_EQ(ProjectRun::Text(box), "Changed");
    EXPECT_EQ(GetWindowLongPtrA(list, GWLP_USERDATA), 42);

    // -1 toggles back; a window that is not open answers "0", or nothing for a conversion.
    EXPECT_EQ(run.Answer(main, 3), "11,0,0,,,0");
    EXPECT_TRUE(IsWindowEnabled(box));
    EXPECT_TRUE(IsWindowVisible(box));
}

TEST(ControlCommands, FocusOfComboBoxesIsTheirEditFieldOrThemselves)
{
    ProjectRun run(kControls);
    HWND main = run.Window("MAIN");
    ASSERT_NE(main, nullptr);
    ProjectRun::BringToFront(main);
    EXPECT_EQ(run.Answer(main, 4), "100");
    EXPECT_EQ(run.Answer(main, 5), "010");
}

TEST(ControlCommands, RedrawFlagAndClientSize)
{
    ProjectRun run(kControls);
    HWND main = run.Window("MAIN"), box = run.Control("MAIN", "box");
    ASSERT_TRUE(main && box);
    // The default handling of a redraw flag of 0 takes the visible bit away until it is set again.
    EXPECT_EQ(run.Answer(main, 6), "");
    EXPECT_FALSE(GetWindowLongPtrA(box, GWL_STYLE) & WS_VISIBLE);
    EXPECT_EQ(run.Answer(main, 7), "300x200");
    EXPECT_TRUE(GetWindowLongPtrA(box, GWL_STYLE) & WS_VISIBLE);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
}

}  // namespace
