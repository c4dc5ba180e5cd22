// Local variables: number and text slots of each run.
#include "script_test_fixture.h"

namespace {

using LocalVariableCommandsTest = ScriptTest;

TEST_F(LocalVariableCommandsTest, NumbersStartAtZeroInEveryRunAndAnswerTheirNewValue)
{
    Start(R"(
window MAIN
  object LocalNumber a
  object LocalNumber b
  event 0
    @Application.Return(@a.Get() & "," & @b.Get() & "|" & @b.Set(-2.7) & "," & @b.GetInt() & "," & @a.Get() & "|" & @b.Add(0.7) & "," & @b.Increment() & "," & @b.Multiply(3) & "," & @b.Divide(2) & "," & @b.Subtract(0.5) & "," & @b.Decrement() & "|" & @a.Divide(0))
)");
    EXPECT_EQ(Run("MAIN", 0), "0,0|-2.7,-2,0|-2,-1,-3,-1.5,-2,-3|nan");
    EXPECT_EQ(Run("MAIN", 0), "0,0|-2.7,-2,0|-2,-1,-3,-1.5,-2,-3|nan") << "a new run starts from 0";
}

TEST_F(LocalVariableCommandsTest, SlotIsTheRankAmongTheWindowsLocalsOfItsType)
{
    Start(R"(
window MAIN
  object LocalNumber first
  object LocalText t
  object LocalNumber second
  event 0
    @second.Set(7)
    @t.Set("x")
    @Application.Return(@first.Get() & "," & @second.Get() & "," & @t.Get())
)");
    EXPECT_EQ(Run("MAIN", 0), "0,7,x");
    EXPECT_EQ(Window("MAIN").LocalNumberCount, 2);
}

TEST_F(LocalVariableCommandsTest, EachLevelOfARecursiveFunctionHasItsOwnLocals)
{
    Start(R"(
window MAIN
  object LocalNumber depth
  object LocalText trail
  function 0 Down
    @depth.Set(@Application.Param(0))
    @trail.Set("<" & @depth.Get())
    @Condition.IF(@depth.Get(), ">", 0)
      @trail.Append(@WindowCall.Call("", "Down", @depth.Get() - 1))
    @Condition.ENDIF()
    @Application.Return(@trail.Get() & @depth.Get() & ">")
  event 0
    @Application.Return(@WindowCall.Call("", "Down", 2))
)");
    EXPECT_EQ(Run("MAIN", 0), "<2<1<00>1>2>");
}

TEST_F(LocalVariableCommandsTest, ALocalOfAnotherWindowHasNoSlotInThisRun)
{
    // OTHER's local is its first LocalNumber, like MAIN's: its rank must not reach MAIN's slot.
    Start(R"(
window MAIN
  object LocalNumber mine
  object LocalText words
  event 0
    @mine.Set(5)
    @words.Set("abc")
    @Application.Return(@OTHER.theirs.Get() & "," & @OTHER.theirs.Set(9) & "," & @OTHER.text.Get() & "," & @OTHER.text.GetLength() & "," & @OTHER.text.Find("a") & "," & @mine.Get() & "," & @words.Get())
window OTHER
  object LocalNumber theirs
  object LocalText text
)");
    EXPECT_EQ(Run("MAIN", 0), "0,0,,0,-1,5,abc");
}

TEST_F(LocalVariableCommandsTest, TextsSearchCutAndChange)
{
    struct Case {
        const char* value;
        const char* expression;
        const char* result;
        const char* after;
    } cases[] = {
        {"", "@t.Get()", "", ""},
        {"ab", "@t.Append(\"cd\")", "abcd", "abcd"},
        {"abcabc", "@t.FindChar(\"bc\")", "1", "abcabc"},
        {"abcabc", "@t.ReverseFindChar(\"bc\")", "4", "abcabc"},
        {"abcabc", "@t.FindChar(\"\")", "-1", "abcabc"},
        {"abcabc", "@t.FindChar(\"z\")", "-1", "abcabc"},
        {"abcabc", "@t.Find(\"ca\")", "2", "abcabc"},
        {"abcabc", "@t.Find(\"C\")", "-1", "abcabc"},
        {"abcabc", "@t.Find(\"\")", "-1", "abcabc"},
        {"abc", "@t.GetCharAt(2)", "c", "abc"},
        {"abc", "@t.GetCharAt(3)", "", "abc"},
        {"abc", "@t.GetCharAt(-1)", "", "abc"},
        {"abc", "@t.GetLength()", "3", "abc"},
        {"aaa", "@t.Replace(\"a\", \"aa\")", "3", "aaaaaa"},
        {"a-b-c", "@t.Replace(\"-\", \"\")", "2", "abc"},
        {"abc", "@t.Replace(\"\", \"x\")", "0", "abc"},
        {"abc", "@t.Replace(\"z\", \"x\")", "0", "abc"},
        {"abc", "@t.SetCharAt(0, \"xyz\")", "xbc", "xbc"},
        {"abc", "@t.SetCharAt(3, \"x\")", "", "abc"},
        {"abc", "@t.SetCharAt(1, \"\")", "", "abc"},
        {"abcdef", "@t.Mid(2, -1)", "cdef", "abcdef"},
        {"abcdef", "@t.Mid(2, 2)", "cd", "abcdef"},
        {"abcdef", "@t.Mid(10, 2)", "ab", "abcdef"},
        {"abcdef", "@t.Mid(6, 2)", "", "abcdef"},
        {"abcdef", "@t.Mid(2, -5)", "", "abcdef"},
        {"abcdef", "@t.Mid(4, 99)", "ef", "abcdef"},
        {"MiXeD 1", "@t.MakeLower()", "mixed 1", "mixed 1"},
        {"MiXeD \xE9", "@t.MakeUpper()", "MIXED \xE9", "MIXED \xE9"},
        {"abc", "@t.Set(\"new\")", "", "new"},
    };
    for (const Case& c : cases) {
        Start(std::string("window MAIN\n  object LocalText t\n  event 0\n    @t.Set(\"") + c.value +
              "\")\n    @Application.Return(" + c.expression + " & \"|\" & @t.Get())\n");
        EXPECT_EQ(Run("MAIN", 0), std::string(c.result) + "|" + c.after) << c.value << " " << c.expression;
    }
}

TEST_F(LocalVariableCommandsTest, SplitAppendsThePiecesToAStringList)
{
    struct Case {
        const char* value;
        const char* arguments;
        const char* pieces;  // joined by |, with the list's old entry "old" first
    } cases[] = {
        {"a,\\\"b,c\\\",d", "\",\", \"\\\"\", 0, 0", "old|a|b,c|d"},
        {"a,\\\"b,c\\\",d", "\",\", \"\\\"\", 1, 0", "old|a|\"b,c\"|d"},
        {"a,b,", "\",\", \"\", 0, 0", "old|a|b|"},
        {" a , b ", "\",\", \"\", 0, 1", "old|a|b"},
        {"a b", "\" \", \"\", 0, 1", "old"},  // a blank separator cannot be trimmed: no pieces
        {"a,b", "\"\", \"\", 0, 0", "old|a,b"},  // no separator: the whole value is one piece
        {"", "\",\", \"\", 0, 0", "old"},
        {"x;y", "\",;\", \"\", 0, 0", "old|x|y"},
    };
    for (const Case& c : cases) {
        Start(std::string("window MAIN\n  object LocalText t\n  object StringList list\n  object Button b\n"
                          "  event 0\n    @list.Add(\"old\")\n    @t.Set(\"") +
              c.value + "\")\n    @t.Split(13, " + c.arguments + ")\n    @t.Split(14, \",\", \"\", 0, 0)\n" +
              "    @t.Split(99, \",\", \"\", 0, 0)\n    @Application.Return(@list.GetAt(0)" + " & @list.GetCount())\n");
        const CString first = Run("MAIN", 0);
        const CStringArray& list = Window("MAIN").Objects[13]->TextList;
        std::string joined;
        for (INT_PTR i = 0; i < list.GetSize(); ++i) joined += (i ? "|" : "") + list[i].Str();
        EXPECT_EQ(joined, c.pieces) << c.value << " / " << c.arguments;
    }
}

}  // namespace
