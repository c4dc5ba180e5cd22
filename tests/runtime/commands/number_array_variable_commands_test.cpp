// Number variables and arrays of numbers: values that live as long as their object.
#include "script_test_fixture.h"

#include "value_format.h"

namespace {

class NumberArrayVariableCommandsTest : public ScriptTest {
protected:
    // Runs the lines on a window with a NumberVariable n and an ArrayVariable a, then answers the
    // value of the expression.
    CString Eval(const std::string& lines, const std::string& expression)
    {
        Start("window MAIN\n  object NumberVariable n\n  object ArrayVariable a\n  event 0\n" + lines +
              "    @Application.Return(" + expression + ")\n");
        return Run("MAIN", 0);
    }
    // The array's entries joined by ",".
    std::string Entries() const
    {
        const CArray<double, double>& entries = runtime_.FindWindowByName("MAIN")->Objects[13]->NumberArray;
        std::string joined;
        for (INT_PTR i = 0; i < entries.GetSize(); ++i) joined += (i ? "," : "") + DoubleToString(entries[i]).Str();
        return joined;
    }
    // An array holding the values, then the lines.
    CString OnArray(const std::string& values, const std::string& lines, const std::string& expression)
    {
        std::string adds;
        size_t start = 0;
        while (start < values.size()) {
            const size_t comma = values.find(',', start);
            adds += "    @a.Add(" + values.substr(start, comma - start) + ")\n";
            start = comma == std::string::npos ? values.size() : comma + 1;
        }
        return Eval(adds + lines, expression);
    }
};

TEST_F(NumberArrayVariableCommandsTest, ANumberVariableKeepsItsValueBetweenRuns)
{
    EXPECT_EQ(Eval("", "@n.Get() & \",\" & @n.GetInt()"), "0,0");
    EXPECT_TRUE(Window("MAIN").Objects[12]->Numbers.empty()) << "the getters make no value";
    EXPECT_EQ(Eval("", "@n.Add(2.5) & \",\" & @n.Increment() & \",\" & @n.Multiply(2) & \",\" & @n.Divide(4) & "
                       "\",\" & @n.Subtract(4) & \",\" & @n.Decrement() & \",\" & @n.GetInt()"),
              "2.5,3.5,7,1.75,-2.25,-3.25,-3");
    EXPECT_EQ(Eval("    @n.Set(-2.7)\n", "@n.Get() & \",\" & @n.GetInt() & \",\" & @n.Set(\"x\")"), "-2.7,-2,0");
    EXPECT_EQ(Eval("    @n.Set(\"3e9\")\n", "@n.GetInt() & \",\" & @n.Divide(0) & \",\" & @n.Set(-1) & @n.Divide(0)"),
              "-2147483648,inf,-1-inf");

    Start("window MAIN\n  object NumberVariable n\n  event 0\n    @n.Increment()\n    @Application.Return(@n.Get())\n");
    EXPECT_EQ(Run("MAIN", 0), "1");
    EXPECT_EQ(Run("MAIN", 0), "2") << "the value lives in the object";
}

TEST_F(NumberArrayVariableCommandsTest, EntriesByPosition)
{
    EXPECT_EQ(
        OnArray("1.5,-2.5,7", "",
                "@a.GetCount() & \",\" & @a.Get(0) & \",\" & @a.Get(3) & \",\" & @a.Get(-1) & \",\" & @a.GetInt(1) & "
                "\",\" & @a.GetInt(9)"),
        "3,1.5,0,0,-2,0");
    EXPECT_EQ(
        OnArray("0.1,0.2,0.30000000000000004,0.3", "", "@a.Find(0.3) & \",\" & @a.Find(0.1) & \",\" & @a.Find(5)"),
        "3,0,-1");
    EXPECT_EQ(OnArray("1,2,3", "", "@a.Insert(-5, 7) & @a.Insert(1, 8) & @a.Insert(9, 6)"), "315");
    EXPECT_EQ(Entries(), "1,8,2,3,7,6");
    EXPECT_EQ(OnArray("1,2,3", "    @a.RemoveAt(1)\n    @a.RemoveAt(5)\n    @a.RemoveAt(-1)\n", "@a.GetCount()"), "2");
    EXPECT_EQ(Entries(), "1,3");
    EXPECT_EQ(OnArray("1,2,3", "    @a.RemoveAll()\n", "@a.GetCount() & @a.Get(0)"), "00");
    EXPECT_EQ(OnArray("1,2,3", "", "@a.Set(-1, 4) & \",\" & @a.Set(1, 2.5) & \",\" & @a.Set(3, 9)"), "0,2.5,0");
    EXPECT_EQ(Entries(), "4,2.5,4");
    EXPECT_EQ(OnArray("1,2,3", "", "@a.Swap(0, 2) & @a.Swap(0, 3) & @a.Swap(-1, 0)"), "100");
    EXPECT_EQ(Entries(), "3,2,1");
}

TEST_F(NumberArrayVariableCommandsTest, MovesShiftsAndCounts)
{
    struct Case {
        const char* line;
        const char* result;
        const char* entries;
    } cases[] =
        {
            {"@a.Move(0, -1)", "2", "2,3,1"},
            {"@a.Move(2, 0)", "0", "3,1,2"},
            {"@a.Move(1, 1)", "-1", "1,2,3"},
            {"@a.Move(3, 0)", "-1", "1,2,3"},
            {"@a.Move(0, 3)", "-1", "1,2,3"},
            {"@a.Shift(1, 0)", "", "0,1,2"},
            {"@a.Shift(-1, 9)", "", "2,3,9"},
            {"@a.Shift(5, 0)", "", "0,0,0"},
            {"@a.Shift(-7, 4)", "", "4,4,4"},
            {"@a.Shift(0, 4)", "", "1,2,3"},
            {"@a.SetCount(5)", "", "1,2,3,0,0"},
            {"@a.SetCount(1)", "", "1"},
            {"@a.SetCount(-1)", "", ""},
            {"@a.SetCount(2000000000)", "", "1,2,3"},  // beyond what a list may hold: nothing
        };
    for (const Case& c : cases) {
        EXPECT_EQ(OnArray("1,2,3", "", c.line), c.result) << c.line;
        EXPECT_EQ(Entries(), c.entries) << c.line;
    }
}

TEST_F(NumberArrayVariableCommandsTest, SortIsStableAscendingAndShuffleKeepsEveryEntry)
{
    EXPECT_EQ(OnArray("3,-1,2.5,-1,0,10", "    @a.Sort()\n", "@a.GetCount()"), "6");
    EXPECT_EQ(Entries(), "-1,-1,0,2.5,3,10");
    EXPECT_EQ(OnArray("5", "    @a.Sort()\n    @a.Shuffle()\n", "@a.GetCount()"), "1");
    EXPECT_EQ(OnArray("", "    @a.Sort()\n    @a.Shuffle()\n", "@a.GetCount()"), "0");

    // A long list: every entry once, in another order, and entries from the far end drawn early.
    Eval("    @a.SetCount(100000)\n", "@a.GetCount()");
    CArray<double, double>& entries = Window("MAIN").Objects[13]->NumberArray;
    for (INT_PTR i = 0; i < entries.GetSize(); ++i) entries[i] = double(i);
    ScriptFrame frame;
    CString params;
    runtime_.DispatchObjectCommand(&Window("MAIN"), Window("MAIN").Objects[13].get(), 10, params, frame);
    std::vector<bool> seen(100000, false);
    double firstHalf = 0;
    for (INT_PTR i = 0; i < entries.GetSize(); ++i) {
        const size_t value = size_t(entries[i]);
        ASSERT_LT(value, seen.size());
        EXPECT_FALSE(seen[value]);
        seen[value] = true;
        if (i < 1000 && value >= 65536) ++firstHalf;
    }
    EXPECT_GT(firstHalf, 100) << "the first draws reach entries beyond 65536";
}

}  // namespace
