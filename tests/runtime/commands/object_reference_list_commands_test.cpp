// Object references and object lists: targets by window and object, commands run by word.
#include "script_test_fixture.h"

#include "value_format.h"

namespace {

// MAIN: r (12) a reference, l (13) a list, n (14) a number, t (15) a text; OTHER: m (12) a number.
class ObjectReferenceListCommandsTest : public ScriptTest {
protected:
    CString Eval(const std::string& lines, const std::string& expression)
    {
        Start("window MAIN\n  object ObjectReference r\n  object ObjectList l\n  object NumberVariable n\n"
              "  object TextVariable t\n  event 0\n" +
              lines + "    @Application.Return(" + expression +
              ")\nwindow OTHER\n  object NumberVariable m\n  event 0\n    @Application.Return(@m.Get())\n");
        return Run("MAIN", 0);
    }
    // The list's entries as window id:object id.
    std::string Entries()
    {
        const ObjectRecord& list = *Window("MAIN").Objects[13];
        std::string joined;
        for (INT_PTR i = 0; i < list.NumberArray.GetSize(); ++i)
            joined += (i ? "," : "") + DoubleToString(list.NumberArray[i]).Str() + ":" + list.TextList[i].Str();
        EXPECT_EQ(list.NumberArray.GetSize(), list.TextList.GetSize());
        return joined;
    }
    int WindowId(const char* name) { return Window(name).Id; }
};

TEST_F(ObjectReferenceListCommandsTest, AReferenceRunsCommandsOnItsTargetByWord)
{
    EXPECT_EQ(
        Eval("    @r.SetTarget(\"OTHER\", 12)\n",
             "@r.Run(\"Set\", 5, \"ignored\") & \",\" & @r.Run(\"Add\", 2) & \",\" & @r.GetObjectId() & \",\" & "
             "@r.GetWindowName() & \",\" & @r.Run(\"set\", 9) & \",\" & @r.Run(\"Nothing\") & \",\" & @r.Run(\"\")"),
        "5,7,12,OTHER,,,");
    EXPECT_EQ(Run("OTHER", 0), "7") << "the word's case must match";
}

TEST_F(ObjectReferenceListCommandsTest, FindingTheTarget)
{
    EXPECT_EQ(Eval("", "@r.GetObjectId() & \",\" & @r.GetWindowName() & \",\" & @r.Run(\"Get\")"), "0,,");
    EXPECT_TRUE(Window("MAIN").Objects[12]->Numbers.empty());
    // A window name that matches no window means the instruction's own window.
    EXPECT_EQ(Eval("    @r.SetTarget(\"NOWHERE\", 14)\n    @n.Set(3)\n", "@r.GetWindowName() & @r.Run(\"Get\")"),
              "MAIN3");
    // By name only with a valid window name.
    EXPECT_EQ(Eval("    @r.SetTarget(\"OTHER\", \"m\")\n", "@r.GetWindowName() & @r.GetObjectId()"), "OTHER12");
    EXPECT_EQ(Eval("    @r.SetTarget(\"NOWHERE\", \"n\")\n", "@r.GetObjectId()"), "0");
    // Object 0 (the window's Condition object) is named by number.
    EXPECT_EQ(Eval("    @r.SetTarget(\"MAIN\", 0)\n", "@r.GetObjectId() & @r.GetWindowName()"), "0MAIN");
    EXPECT_EQ(Eval("    @r.SetTarget(\"MAIN\", 99)\n", "@r.GetObjectId()"), "0") << "no such object: no target";
    // A closed window is no target, and a target whose window closes does nothing.
    Start(
        "window MAIN\n  object ObjectReference r\n  event 0\n    @r.SetTarget(\"OTHER\", 12)\n    @Application.Return("
        "@r.GetObjectId())\n  event 1\n    @Application.Return(@r.Run(\"Set\", 4) & @OTHER.m.Get())\nwindow OTHER\n"
        "  object NumberVariable m\n");
    Window("OTHER").Self()->WindowObject = nullptr;
    EXPECT_EQ(Run("MAIN", 0), "0");
    Window("OTHER").Self()->WindowObject = Window("MAIN").Self()->WindowObject;
    EXPECT_EQ(Run("MAIN", 0), "12");
    Window("OTHER").Self()->WindowObject = nullptr;
    EXPECT_EQ(Run("MAIN", 1), "0");
}

TEST_F(ObjectReferenceListCommandsTest, AFlowCommandRunByWordDoesNotSteerTheRun)
{
    Start(R"(
commands Application Leave Next End Format Author Folder Name Path ToBinary Blue Char NewLine Code Clip Arguments FromBinary FromHex Green ToHex Param ParamCount Red WindowAt Return
window MAIN
  object ObjectReference r
  object NumberVariable n
  event 0
    @r.SetTarget("MAIN", 5)
    @r.Run("Return", "early")
    @r.Run("End")
    @n.Set(1)
    @Application.Return("late" & @n.Get())
)");
    EXPECT_EQ(Run("MAIN", 0), "late1");
}

TEST_F(ObjectReferenceListCommandsTest, ListEntriesByPosition)
{
    EXPECT_EQ(Eval("    @l.Add(\"MAIN\", 14)\n    @l.Add(\"OTHER\", \"m\")\n    @l.Add(\"MAIN\", 77)\n",
                   "@l.GetCount() & \",\" & @l.GetObjectId(1) & @l.GetWindowName(1) & \",\" & @l.GetObjectId(2) & "
                   "\",\" & @l.GetWindowName(-1) & \",\" & @l.Run(1, \"Set\", 6) & @l.Run(0, \"Set\", 2) & "
                   "@l.Run(2, \"Set\", 1) & @n.Get()"),
              "2,12OTHER,0,,622");
    const std::string other = std::to_string(WindowId("OTHER")), mine = std::to_string(WindowId("MAIN"));
    EXPECT_EQ(Entries(), mine + ":14," + other + ":12");
    EXPECT_EQ(Run("OTHER", 0), "6");

    EXPECT_EQ(Eval("    @l.Add(\"MAIN\", 14)\n    @l.Add(\"MAIN\", 15)\n",
                   "@l.InsertAt(-3, \"MAIN\", 12) & @l.InsertAt(0, \"OTHER\", 12) & @l.InsertAt(1, \"MAIN\", 99)"),
              "20");
    EXPECT_EQ(Entries(), other + ":12," + mine + ":14," + mine + ":15," + mine + ":12");
    EXPECT_EQ(Eval("    @l.Add(\"MAIN\", 14)\n    @l.Add(\"MAIN\", 15)\n    @l.SetAt(1, \"OTHER\", 12)\n"
                   "    @l.SetAt(2, \"MAIN\", 12)\n    @l.SetAt(0, \"MAIN\", 99)\n",
                   "@l.Swap(0, 1) & @l.Swap(0, 2)"),
              "10");
    EXPECT_EQ(Entries(), other + ":12," + mine + ":14");
    EXPECT_EQ(Eval("    @l.Add(\"MAIN\", 14)\n    @l.Add(\"MAIN\", 15)\n    @l.SetAt(-1, \"MAIN\", 12)\n", "1"), "1");
    EXPECT_EQ(Entries(), mine + ":12," + mine + ":12");
    EXPECT_EQ(Eval("    @l.Add(\"MAIN\", 14)\n    @l.RemoveAll()\n    @l.Add(\"MAIN\", 15)\n",
                   "@l.GetObjectId(0) & @l.GetCount()"),
              "151");
}

TEST_F(ObjectReferenceListCommandsTest, ListMovesShiftsAndCounts)
{
    const std::string three = "    @l.Add(\"MAIN\", 12)\n    @l.Add(\"MAIN\", 13)\n    @l.Add(\"MAIN\", 14)\n";
    struct Case {
        const char* line;
        const char* result;
        const char* ids;  // object ids in order
    } cases[] = {
        {"@l.Move(0, -1)", "2", "13,14,12"},
        {"@l.Move(2, 0)", "0", "14,12,13"},
        {"@l.Move(1, 1)", "-1", "12,13,14"},
        {"@l.Shift(1)", "", "-1,12,13"},
        {"@l.Shift(-2)", "", "14,-1,-1"},
        {"@l.Shift(9)", "", "-1,-1,-1"},
        {"@l.SetCount(5)", "", "12,13,14,-1,-1"},
        {"@l.SetCount(1)", "", "12"},
        {"@l.SetCount(-1)", "", ""},
        {"@l.SetCount(2000000000)", "", "12,13,14"},
        {"@l.RemoveAt(1)", "", "12,14"},
        {"@l.RemoveAt(3)", "", "12,13,14"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Eval(three, c.line), c.result) << c.line;
        const ObjectRecord& list = *Window("MAIN").Objects[13];
        std::string ids;
        for (INT_PTR i = 0; i < list.TextList.GetSize(); ++i) {
            ids += (i ? "," : "") + list.TextList[i].Str();
            const double window = list.NumberArray[i];
            EXPECT_EQ(window, list.TextList[i] == "-1" ? -1.0 : double(WindowId("MAIN"))) << c.line;
        }
        EXPECT_EQ(ids, c.ids) << c.line;
    }
    EXPECT_EQ(Eval("    @l.SetCount(3)\n", "@l.GetObjectId(1) & @l.GetWindowName(1)"), "-1");
    // Shuffling keeps each window id with its object id.
    Eval("    @l.Add(\"MAIN\", 12)\n    @l.Add(\"OTHER\", 12)\n    @l.Add(\"MAIN\", 14)\n    @l.Shuffle()\n", "1");
    std::string entries = Entries();
    for (const std::string& entry :
         {std::to_string(WindowId("OTHER")) + ":12", std::to_string(WindowId("MAIN")) + ":14",
          std::to_string(WindowId("MAIN")) + ":12"})
        EXPECT_NE(entries.find(entry), std::string::npos) << entries;
}

}  // namespace
