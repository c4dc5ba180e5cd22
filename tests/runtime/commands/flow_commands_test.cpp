// Conditions, loops and window calls: the comparison and the two kinds of function call.
#include "script_test_fixture.h"

#include "flow_commands.h"

namespace {

using WindowCallTest = ScriptTest;

TEST(CompareValuesTest, NumbersCompareAsNumbersAndEverythingElseAsText)
{
    struct Case {
        const char *left, *op, *right, *result;
    } cases[] = {
        {"10", "<", "9", "0"},   {"10a", "<", "9", "1"},     {"abc", "=", "ABC", "0"}, {"0.0", "=", "0", "0"},
        {"-5", "<", "3", "1"},   {"1.2.3", "<", "1.3", "1"}, {"", "=", "", "1"},       {"1", "==", "1", ""},
        {"2", "!=", "2.0", "0"}, {"3", ">=", "3", "1"},      {"3", "<=", "2", "0"},    {"b", ">", "a", "1"},
        {".5", "=", "0.5", "1"}, {"1-2", "=", "1-2", "1"},   {"+1", "=", "1", "0"},    {"\xE9", ">", "z", "1"},
    };
    for (const Case& c : cases) EXPECT_EQ(CompareValues(c.left, c.op, c.right), c.result) << c.left << c.op << c.right;
}

TEST_F(WindowCallTest, FunctionsGetArgumentsAndReturnTexts)
{
    Start(R"(
window MAIN
  event 0
    @Application.Return(@WindowCall.Call("Tools", "Join", "a", 1 + 1, "c"))
  event 1
    @Application.Return(@WindowCall.Call("", "Own") & @WindowCall.Call("Tools", "Missing") & "|")
  event 2
    @Application.Return(@WindowCall.Call("Tools", "Count", 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40))
  event 3
    @Application.Return(@WindowCall.Call("Tools", "NoReturn"))
  function 7 Own
    @Application.Return("own")
window Tools
  function 0 Join
    @Application.Return(@Application.Param(0) & @Application.Param(1) & @Application.Param(2) & @Application.Param(3) & @Application.ParamCount())
  function 1 Count
    @Application.Return(@Application.ParamCount() & ":" & @Application.Param(31))
  function 2 NoReturn
    @Application.Color(1, 1, 1)
)");
    EXPECT_EQ(Run("MAIN", 0), "a2c3");
    EXPECT_EQ(Run("MAIN", 1), "own|");
    EXPECT_EQ(Run("MAIN", 2), "32:32");
    EXPECT_EQ(Run("MAIN", 3), "");
    Window("Tools").Self()->WindowObject = nullptr;  // a closed window is not called
    EXPECT_EQ(Run("MAIN", 0), "");
}

TEST_F(WindowCallTest, ReenteredRunsHaveTheirOwnLocals)
{
    Start(R"(
window MAIN
  object LocalNumber depth
  function 0 Down
    @depth.Set(@Application.Param(0))
    @Condition.IF(@depth.Get(), ">", 0)
      @WindowCall.Call("", "Down", @depth.Get() - 1)
    @Condition.ENDIF()
    @Application.Return(@depth.Get())
  event 0
    @Application.Return(@WindowCall.Call("", "Down", 5))
)");
    EXPECT_EQ(Run("MAIN", 0), "5");
}

TEST_F(WindowCallTest, RecursionWithoutEndStopsAtTheDepthCap)
{
    Start(R"(
window MAIN
  object NumberVariable n
  function 0 Forever
    @n.Add(1)
    @Application.Return(@WindowCall.Call("", "Forever") & "x")
  event 0
    @Application.Return(@WindowCall.Call("", "Forever"))
)");
    const CString result = Run("MAIN", 0);
    EXPECT_EQ(result.GetLength(), CProjectRuntime::kMaxRunDepth - 1);
    EXPECT_EQ(Window("MAIN").Objects[12]->Numbers[0], CProjectRuntime::kMaxRunDepth - 1);
    EXPECT_EQ(runtime_.GetRunDepth(), 0);
}

TEST_F(WindowCallTest, DeclaredFunctionsOfNestedProjects)
{
    Start(R"(
window MAIN
  event 0
    @Application.Return(@WindowCall.CallDeclared("Add", 2, 3, 99) & "|" & @WindowCall.CallDeclared("None") & @WindowCall.CallDeclared("Broken"))
nested "lib"
  offer Add "Calc:Sum" a b
  offer Broken "NoColon"
  window Calc
    function 3 Sum
      @Application.Return(@Application.Param(0) + @Application.Param(1) & "/" & @Application.ParamCount())
)");
    EXPECT_EQ(Run("MAIN", 0), "5/2|");
}

}  // namespace
