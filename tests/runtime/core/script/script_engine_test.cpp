// Evaluator, runner and dispatcher working together on compiled projects.
#include "script_test_fixture.h"

#include <ostream>

#include "stored_format.h"

void PrintTo(FlowCode code, std::ostream* out) { *out << "flow code " << int(code); }

namespace {

using ExpressionTest = ScriptTest;
using FlowTest = ScriptTest;
using DispatchTest = ScriptTest;

TEST_F(ExpressionTest, ArithmeticJoinsAndTexts)
{
    struct Case {
        const char* expression;
        const char* value;
    } cases[] = {
        {"2 + 3 * 4", "14"},
        {"2 * 3 + 4", "10"},
        {"10 - 2 - 3", "5"},
        {"7 / 2", "3.5"},
        {"\"ab\" & \"cd\"", "abcd"},
        {"1 + 2 & \"x\"", "3x"},
        {"abc + 1", "1"},
        {"007", "007"},
        {"abc", "abc"},
        {"1 & 2", "12"},
        {"0.1 + 0.2", "0.3"},
        {"1 / 3", "0.333333"},
        {"\"x\" & 2 * 3", "x6"},  // a computed chain joins with its value
        {"2 * 3 & \"y\"", "6y"},
        {"\"-4\" * \"2x\"", "-8"},
        {"\"1e3\" + 1", "1001"},
        {"@n.Get() * 2", "10"},
        {"@b.GetId()", "12"},
        {"@MAIN.b.GetName() & \"!\"", "b!"},
        {"@9.1.0() & \"z\"", "z"},  // a reference to a missing window is the empty text
        {"@n.Get(@n.Get() + 1, \"\\x05\") + 1", "6"},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Value(c.expression), c.value) << c.expression;
}

TEST_F(ExpressionTest, ArgumentsComeOneAtATimeOffTheFront)
{
    Start("window MAIN\n  object Button b\n");
    ScriptFrame frame;
    CString params(std::string("1\x09"
                               "2\x05\x05"
                               "abc\x05tail",
                               13));
    CString value;
    EXPECT_TRUE(runtime_.EvaluateExpression(params, value, frame));
    EXPECT_EQ(value, "3");
    EXPECT_TRUE(runtime_.EvaluateExpression(params, value, frame));
    EXPECT_EQ(value, "");
    EXPECT_TRUE(runtime_.EvaluateExpression(params, value, frame));
    EXPECT_EQ(value, "abc");
    EXPECT_EQ(params, "tail");
    EXPECT_TRUE(runtime_.EvaluateExpression(params, value, frame)) << "a last argument without its end";
    EXPECT_EQ(value, "");
    EXPECT_FALSE(runtime_.EvaluateExpression(params, value, frame));
    EXPECT_EQ(value, "");
}

TEST_F(ExpressionTest, MarkersOutsidePlaceAreText)
{
    Start("window MAIN\n  object Button b\n");
    ScriptFrame frame;
    const std::string reference = "\x01"
                                  "0\x02"
                                  "12\x03"
                                  "0\x04\x06";
    struct Case {
        std::string params, value;
    } cases[] = {
        {reference + "\x05", "12"},
        {"ab" + reference + "\x05", "ab" + reference},  // not at the start: plain text
        {"\x06\x06"
         "7\x09"
         "1\x05",
         "1"},  // stray closers leave the depth at 0: + still adds
        {"\x06"
         "5\x05",
         "\x06"
         "5"},
    };
    for (const Case& c : cases) {
        CString params(c.params);
        CString value;
        runtime_.EvaluateExpression(params, value, frame);
        EXPECT_EQ(value, c.value) << testing::PrintToString(c.params);
    }
}

const char* const kBranches = R"(
window MAIN
  event 0
    @Condition.IF(@Application.Param(0), "=", 1)
      @Condition.IF(@Application.Param(1), "=", 1)
        @Application.Return("one-one")
      @Condition.ELSE()
        @Application.Return("one-other")
      @Condition.ENDIF()
    @Condition.ELSE()
      @Condition.IF(@Application.Param(1), "=", 1)
      @Condition.ENDIF()
      @Application.Return("other")
    @Condition.ENDIF()
  event 1
    @Condition.IF(@Application.Param(0), "=", 1)
      @Application.Return("inside")
    @Condition.ENDIF()
    @Application.Return("after")
)";

TEST_F(FlowTest, ConditionsTakeTheirBranches)
{
    Start(kBranches);
    EXPECT_EQ(Run("MAIN", 0, {"1", "1"}), "one-one");
    EXPECT_EQ(Run("MAIN", 0, {"1", "0"}), "one-other");
    EXPECT_EQ(Run("MAIN", 0, {"0", "1"}), "other") << "an inner ELSE is not the outer one's";
    EXPECT_EQ(Run("MAIN", 1, {"1"}), "inside");
    EXPECT_EQ(Run("MAIN", 1, {"2"}), "after");
}

TEST_F(FlowTest, LoopsRepeatLeaveAndSkip)
{
    Start(R"(
window MAIN
  object NumberVariable i
  object NumberVariable sum
  object NumberVariable j
  event 0
    @i.Set(0)
    @sum.Set(0)
    @Loop.WHILE(@i.Get(), "<", 10)
      @i.Add(1)
      @Condition.IF(@i.Get(), "=", 3)
        @Application.Next()
      @Condition.ENDIF()
      @Condition.IF(@i.Get(), ">", 6)
        @Application.Leave()
      @Condition.ENDIF()
      @j.Set(0)
      @Loop.WHILE(@j.Get(), "<", 2)
        @j.Add(1)
        @sum.Add(@i.Get())
      @Loop.WEND()
    @Loop.WEND()
    @Application.Return(@sum.Get() & "/" & @i.Get())
)");
    // i = 1, 2, 4, 5, 6 each added twice; the loop is left at 7.
    EXPECT_EQ(Run("MAIN", 0), "36/7");
}

TEST_F(FlowTest, OnlyReturnHandsTheResultBack)
{
    Start("window MAIN\n  event 0\n    @Application.Color(1, 2, 3)\n  event 1\n    @Application.Return(\"r\")\n    "
          "@Application.Return(\"never\")\n");
    EXPECT_EQ(Run("MAIN", 0), "");
    EXPECT_EQ(Run("MAIN", 1), "r");
}

TEST_F(FlowTest, UnbalancedBlocksEndTheRun)
{
    Start(R"(
window MAIN
  object NumberVariable n
  event 0
    @n.Add(1)
    @Condition.IF(1, "=", 2)
    @n.Add(100)
  event 1
    @n.Add(1)
    @Loop.WEND()
    @n.Add(100)
  event 2
    @n.Add(1)
    @Application.Leave()
    @n.Add(100)
  event 3
    @Loop.WHILE(1, "=", 2)
    @n.Add(100)
  event 4
    @n.Add(1)
    @Condition.ELSE()
    @n.Add(100)
)");
    for (int event = 0; event < 5; ++event) {
        ObjectRecord& n = *Window("MAIN").Objects[12];
        n.Numbers.clear();
        EXPECT_EQ(Run("MAIN", event), "") << event;
        EXPECT_EQ(n.Numbers.empty() ? 0.0 : n.Numbers[0], event == 3 ? 0.0 : 1.0) << event;
    }
}

TEST_F(FlowTest, EventIndexOutsideTheObjectRunsNothing)
{
    Start("window MAIN\n  object Button b\n    event 5\n      @Application.Return(\"x\")\n");
    EXPECT_EQ(Run("MAIN", 5, {}, "b"), "x");
    EXPECT_EQ(Run("MAIN", 6, {}, "b"), "");
    EXPECT_EQ(Run("MAIN", -1, {}, "b"), "");
    EXPECT_EQ(runtime_.RunScript(nullptr, Window("MAIN").Self(), 0), "");
}

struct CloseLog {
    static int calls;
    static LONG_PTR answer;
};
int CloseLog::calls = 0;
LONG_PTR CloseLog::answer = 0;

TEST_F(FlowTest, EndingTheProgramStopsEveryRun)
{
    Start(R"(
window MAIN
  object NumberVariable n
  function 0 Inner
    @Application.End()
    @n.Add(100)
  event 0
    @n.Add(1)
    @WindowCall.Call("", "Inner")
    @n.Add(10)
)");
    CloseLog::calls = 0;
    runtime_.m_hooks.closeWindow = [](WindowRecord&) {
        ++CloseLog::calls;
        return CloseLog::answer;
    };
    runtime_.m_running = 1;
    ObjectRecord& n = *Window("MAIN").Objects[12];

    CloseLog::answer = -1;  // MAIN refuses: the runs go on
    EXPECT_EQ(Run("MAIN", 0), "");
    EXPECT_EQ(n.Numbers[0], 111);
    EXPECT_EQ(runtime_.m_running, 1);

    CloseLog::answer = 0;
    n.Numbers.clear();
    EXPECT_EQ(Run("MAIN", 0), "");
    EXPECT_EQ(n.Numbers[0], 1) << "neither the function nor its caller went on";
    EXPECT_EQ(runtime_.m_running, 0);
    EXPECT_EQ(CloseLog::calls, 2);
    EXPECT_EQ(runtime_.GetRunDepth(), 0);
    EXPECT_EQ(Run("MAIN", 0), "") << "a later event runs again";
    EXPECT_EQ(n.Numbers[0], 2);
}

// A command that closes the window it runs in (as closing does: the record lets go of the window).
void CloseOwnWindow(CommandContext& ctx) { ctx.Window().Self()->WindowObject = nullptr; }
constexpr CommandEntry kCloseOwnWindow[] = {{0, "Math_CloseOwnWindow", CloseOwnWindow}};
constexpr CommandList kCloseLists[] = {OwnCommands(qbk::TypeMath, kCloseOwnWindow)};
const CommandFamily kCloseFamily("closing", kCloseLists);

TEST_F(FlowTest, AScriptThatClosesItsOwnWindowEndsThere)
{
    table_.Add(kCloseFamily);
    Start(R"(
commands Math CloseOwnWindow
window MAIN
  object NumberVariable n
  event 0
    @n.Add(1)
    @Math.CloseOwnWindow()
    @n.Add(10)
)");
    ObjectRecord& n = *Window("MAIN").Objects[12];
    EXPECT_EQ(Run("MAIN", 0), "");
    EXPECT_EQ(n.Numbers[0], 1);
    // A script of a window that is not open runs to its end.
    EXPECT_EQ(Run("MAIN", 0), "");
    EXPECT_EQ(n.Numbers[0], 12);
}

TEST_F(DispatchTest, SharedCommandsAndGapsFollowTheTypeGroups)
{
    Start("window MAIN\n  object Button b\n  object ByteBuffer bb\n  object Slider s\n");
    WindowRecord& main = Window("MAIN");
    ScriptFrame frame;
    auto dispatch = [&](int objectIndex, int command) {
        CString params;
        frame.Result = "stale";
        const FlowCode code =
            runtime_.DispatchObjectCommand(&main, main.Objects[objectIndex].get(), command, params, frame);
        return std::make_pair(code, std::string(frame.Result.Str()));
    };
    using R = std::pair<FlowCode, std::string>;
    EXPECT_EQ(dispatch(12, 0), R(FlowCode::GoOn, "12"));  // Button: Object_GetId
    EXPECT_EQ(dispatch(12, 1), R(FlowCode::GoOn, "b"));  // Object_GetName
    EXPECT_EQ(dispatch(12, 2), R(FlowCode::GoOn, ""));  // a control command, not built here
    EXPECT_EQ(dispatch(12, 31), R(FlowCode::GoOn, ""));  // no own commands
    EXPECT_EQ(dispatch(8, 1), R(FlowCode::GoOn, ""));  // MessageBox has no shared commands
    EXPECT_EQ(dispatch(13, 0), R(FlowCode::GoOn, "13"));
    EXPECT_EQ(dispatch(14, 32), R(FlowCode::GoOn, ""));  // Slider gap
    EXPECT_EQ(dispatch(14, -1), R(FlowCode::GoOn, ""));
    EXPECT_EQ(dispatch(3, 0), R(FlowCode::GoOn, "3"));  // the window itself
    EXPECT_EQ(dispatch(0, 1), R(FlowCode::Else, ""));
    EXPECT_EQ(dispatch(0, 2), R(FlowCode::EndIf, ""));
    EXPECT_EQ(dispatch(0, 0), R(FlowCode::IfFalse, ""));  // IF without operands: the result is not "1"
    EXPECT_EQ(dispatch(1, 1), R(FlowCode::LoopEnd, ""));
    EXPECT_EQ(dispatch(5, 0), R(FlowCode::LeaveLoop, ""));
    EXPECT_EQ(dispatch(5, 1), R(FlowCode::NextPass, ""));
    EXPECT_EQ(dispatch(5, 2), R(FlowCode::EndProgram, ""));
    EXPECT_EQ(dispatch(5, 23), R(FlowCode::Return, ""));
    main.Objects[13]->Type = 80;  // beyond the table: the shared path
    EXPECT_EQ(dispatch(13, 1), R(FlowCode::GoOn, "bb"));
    CString params;
    frame.Result = "kept";
    EXPECT_EQ(runtime_.DispatchObjectCommand(&main, nullptr, 0, params, frame), FlowCode::GoOn);
    EXPECT_EQ(frame.Result, "kept");
}

}  // namespace
