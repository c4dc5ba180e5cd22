// Buttons driven by a running project's scripts: check boxes with three states, radio buttons and
// their groups.
#include <gtest/gtest.h>

#include "project_run.h"
#include "script_steps.h"

namespace {

using qbktest::Do;
using qbktest::Note;
using qbktest::ProjectRun;
using qbktest::Step;

std::string Project(const std::string& objects, const std::vector<qbktest::Step>& steps)
{
    return R"(
window MAIN
  caption "B"
  style 0x100B0001
  rect 0 0 420 300
)" + objects +
           qbktest::TimerScript({qbktest::ScriptLines(steps, "MAIN", 8)});
}

TEST(CheckBoxCommands, StatesSetAndReadWithThePreviousOneAnswered)
{
    const std::vector<Step> steps = {
        Note("@box.GetCheck()", "0"),    Note("@box.SetCheck(1)", "0"),  Note("@box.GetCheck()", "1"),
        Note("@box.SetCheck(2)", "1"),   Note("@box.GetCheck()", "2"),   Note("@box.SetCheck(5)", "2"),
        Note("@box.GetCheck()", "0"),    Note("@box.SetCheck(-1)", "0"), Note("@box.GetCheck()", "0"),
        Note("@plain.SetCheck(1)", "0"), Note("@plain.GetCheck()", "1"),
    };
    ProjectRun run(Project(R"(
  object CheckBox box
    caption "Three"
    rect 10 10 120 20
    style 0x50010006
  object CheckBox plain
    caption "Two"
    rect 10 40 120 20
)",
                           steps));
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "B", steps), nullptr);
    EXPECT_EQ(SendMessageA(run.Control("MAIN", "plain"), BM_GETCHECK, 0, 0), BST_CHECKED);
}

TEST(RadioButtonCommands, GroupsCheckOneButtonEach)
{
    const std::vector<Step> steps = {
        Note("@a.GetGroup()", "3"),
        Note("@none.GetGroup()", "-1"),
        Do("@a.SetCheck(1)"),
        Do("@b.SetCheck(1)"),
        Note("@a.GetCheck()", "0"),
        Note("@b.GetCheck()", "1"),
        Do("@c.SetCheck(1)"),
        Note("@b.GetCheck()", "1"),
        // A button without a group checks only itself.
        Do("@none.SetCheck(1)"),
        Note("@none.GetCheck()", "1"),
        Note("@b.GetCheck()", "1"),
        Note("@c.GetCheck()", "1"),
        Do("@b.SetCheck(0)"),
        Note("@b.GetCheck()", "0"),
        // Joining group 2: checking c now unchecks it.
        Do("@none.SetGroup(2)"),
        Note("@none.GetGroup()", "2"),
        Do("@c.SetCheck(1)"),
        Note("@none.GetCheck()", "0"),
        Note("@c.GetCheck()", "1"),
        Do("@c.SetCheck(5)"),
        Note("@c.GetCheck()", "0"),
    };
    ProjectRun run(Project(R"(
  object RadioButton a
    rect 10 10 100 20
    property "Group" "3"
  object RadioButton b
    rect 10 40 100 20
    property "Group" "3"
  object RadioButton c
    rect 10 70 100 20
    property "Group" "2"
  object RadioButton none
    rect 10 100 100 20
    property "Group" "-1"
)",
                           steps));
    ASSERT_NE(qbktest::RunSteps(run, "MAIN", "B", steps), nullptr);
    EXPECT_EQ(SendMessageA(run.Control("MAIN", "a"), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

}  // namespace
