// Text variables: one text that lives as long as its object.
#include "script_test_fixture.h"

namespace {

class TextVariableCommandsTest : public ScriptTest {
protected:
    CString Eval(const std::string& value, const std::string& expression)
    {
        Start("window MAIN\n  object TextVariable t\n  object StringList list\n  event 0\n    @t.Set(\"" + value +
              "\")\n    @Application.Return(" + expression + " & \"|\" & @t.Get())\n");
        return Run("MAIN", 0);
    }
    std::string List() const
    {
        const CStringArray& list = runtime_.FindWindowByName("MAIN")->Objects[13]->TextList;
        std::string joined;
        for (INT_PTR i = 0; i < list.GetSize(); ++i) joined += (i ? "|" : "") + list[i].Str();
        return joined;
    }
};

TEST_F(TextVariableCommandsTest, ANewVariableIsEmptyAndKeepsItsValueBetweenRuns)
{
    Start(
        "window MAIN\n  object TextVariable t\n  event 0\n    @Application.Return(@t.GetLength() & \"[\" & @t.Get() & "
        "\"]\" & @t.FindChar(\"a\") & @t.Find(\"a\"))\n  event 1\n    @t.Append(\"ab\")\n");
    EXPECT_EQ(Run("MAIN", 0), "0[]-1-1");
    Run("MAIN", 1);
    Run("MAIN", 1);
    EXPECT_EQ(Run("MAIN", 0), "4[abab]00");
}

TEST_F(TextVariableCommandsTest, SearchesCutsAndChanges)
{
    struct Case {
        const char* value;
        const char* expression;
        const char* result;  // the command's answer | the value afterwards
    } cases[] = {
        {"banana", "@t.Find(\"an\")", "1|banana"},
        {"banana", "@t.ReverseFindChar(\"a\")", "5|banana"},
        {"banana", "@t.FindChar(\"nx\")", "2|banana"},
        {"banana", "@t.FindChar(\"\")", "-1|banana"},
        {"banana", "@t.ReverseFindChar(\"z\")", "-1|banana"},
        {"aaa", "@t.Replace(\"a\", \"aa\")", "3|aaaaaa"},
        {"aaa", "@t.Replace(\"\", \"x\")", "0|aaa"},
        {"abab", "@t.Replace(\"ab\", \"b\")", "2|bb"},
        {"hello", "@t.Mid(1, -1)", "ello|hello"},
        {"hello", "@t.Mid(1, 2)", "el|hello"},
        {"hello", "@t.Mid(9, 2)", "he|hello"},
        {"hello", "@t.Mid(5, 3)", "|hello"},
        {"hello", "@t.Mid(2, -5)", "|hello"},
        {"hello", "@t.SetCharAt(0, \"J\")", "Jello|Jello"},
        {"hello", "@t.SetCharAt(5, \"x\")", "|hello"},
        {"hello", "@t.SetCharAt(-1, \"x\")", "|hello"},
        {"hello", "@t.GetCharAt(4) & @t.GetCharAt(5)", "o|hello"},
        {"hello", "@t.Append(\" you\")", "hello you|hello you"},
        {"Hello World", "@t.MakeUpper()", "HELLO WORLD|HELLO WORLD"},
        {"Hello World", "@t.MakeLower()", "hello world|hello world"},
        {"hello", "@t.GetLength()", "5|hello"},
        {"hello", "@t.Set(\"\")", "|"},
    };
    for (const Case& c : cases) EXPECT_EQ(Eval(c.value, c.expression), c.result) << c.value << " " << c.expression;
}

TEST_F(TextVariableCommandsTest, SplitAppendsPiecesToTheStringListOnly)
{
    Eval("a,b,", "@t.Split(13, \",\", \"\", 0, 0)");
    EXPECT_EQ(List(), "a|b|");
    Eval("'x,y',z", "@t.Split(13, \",\", \"'\", 0, 0)");
    EXPECT_EQ(List(), "x,y|z");
    Eval("'x,y',z", "@t.Split(13, \",\", \"'\", 1, 0)");
    EXPECT_EQ(List(), "'x,y'|z");
    Eval("a,b", "@t.Split(13, \"\", \"\", 0, 0)");
    EXPECT_EQ(List(), "a,b") << "no separator: one piece";
    Eval("a,b", "@t.Split(12, \",\", \"\", 0, 0) & @t.Split(14, \",\", \"\", 0, 0)");
    EXPECT_EQ(List(), "") << "only a StringList takes pieces";
    Eval("a,b", "@t.Split(13, \",\", \",\", 0, 0)");
    EXPECT_EQ(List(), "") << "a quote that is a separator: no pieces";
}

}  // namespace
