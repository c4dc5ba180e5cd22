// The Application object's commands.
#include "script_test_fixture.h"

#include "application_commands.h"

namespace {

using ApplicationCommandsTest = ScriptTest;

TEST_F(ApplicationCommandsTest, ConversionsColoursAndCharacters)
{
    struct Case {
        const char* expression;
        const char* value;
    } cases[] = {
        {"@Application.Color(255, 0, 0)", "255"},
        {"@Application.Color(0, 0, 255)", "16711680"},
        {"@Application.Color(256, -1, 1)", "130816"},
        {"@Application.Blue(16711680)", "255"},
        {"@Application.Green(65280)", "255"},
        {"@Application.Red(-1)", "255"},
        {"@Application.ToHex(255)", "FF"},
        {"@Application.ToHex(-1)", "FFFFFFFF"},
        {"@Application.FromHex(\"FF\")", "255"},
        {"@Application.FromHex(\"ff\")", "918"},
        {"@Application.ToBinary(5)", "101"},
        {"@Application.ToBinary(0)", "0"},
        {"@Application.FromBinary(101)", "5"},
        {"@Application.FromBinary(\"11111111111111111111111111111111\")", "-1"},
        {"@Application.Char(65)", "A"},
        {"@Application.Char(300)", ""},
        {"@Application.Char(0)", ""},
        {"@Application.Code(\"A\")", "65"},
        {"@Application.Code(\"\")", "-1"},
        {"@Application.Code(\"\\xE9\")", "233"},
        {"@Application.NewLine()", "\r\n"},
        {"@Application.Format(\"%.2f\", 3.14159)", "3.14"},
        {"@Application.Format(\"%5.1f|%-6g|%e\", 2.25, 0.5, 1000)", "  2.2|0.5   |1.000000e+03"},
        {"@Application.Format(\"%d%% of %x\", 12.9, 255)", "12% of ff"},
        {"@Application.Format(\"100%\")", "100%"},
        {"@Application.Format(\"%lf|%Lf|%.1lf\", 1.5, 2, 0.25)", "1.500000|2.000000|0.2"},
        {"@Application.Format(\"%ld|%lld|%li|%lx|%jd|%zu\", 7, -8, 9, 255, 3, 4)", "7|-8|9|ff|3|4"},
        {"@Application.Format(\"%hd|%hu|%hhd|%hhx\", 70000, -1, 200, 511)", "4464|65535|-56|ff"},
        {"@Application.Format(\"%s and %n\", 1)", "%s and %n"},
        {"@Application.Format(\"%f %f %f\", 1)", "1.000000 %f %f"},
        {"@Application.Format(\"[%999999999.999999999f]\", 1)", ""},  // capped, checked below
        {"@Application.Name() & @Application.Author()", "QBK ApplicationMyName"},
    };
    for (const Case& c : cases) {
        const CString value = Value(c.expression);
        if (std::string(c.expression).find("999999999") != std::string::npos)
            EXPECT_LE(value.GetLength(), 600) << c.expression;
        else
            EXPECT_EQ(value, c.value) << c.expression;
    }
}

TEST_F(ApplicationCommandsTest, ParametersOfTheRun)
{
    Start("window MAIN\n  event 0\n    @Application.Return(@Application.Param(0) & @Application.Param(2) & "
          "@Application.Param(-1) & @Application.ParamCount())\n");
    EXPECT_EQ(Run("MAIN", 0, {"first", "second"}), "first2");
    EXPECT_EQ(runtime_.RunScript(&Window("MAIN"), Window("MAIN").Self(), 0, nullptr), "0");
}

TEST_F(ApplicationCommandsTest, ProgramPathAndFolder)
{
    Start("window MAIN\n");
    EXPECT_EQ(Value("@Application.Path()"), Path("program.exe"));
    EXPECT_EQ(Value("@Application.Folder() & \"program.exe\""), Path("program.exe"));
}

TEST(CommandLineTest, ArgumentsFollowTheProgramPath)
{
    struct Case {
        const char *line, *arguments;
    } cases[] = {
        {"\"C:\\Program Files\\qbk.exe\" -x 1", "-x 1"},
        {"\"C:\\a b\\qbk.exe\"", ""},
        {"\"C:\\qbk.exe\"  two", " two"},
        {"C:\\qbk.exe", ""},
        {"qbk.exe a b", "a b"},
        {"\"unclosed", ""},
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(CommandLineArguments(c.line), c.arguments) << c.line;
}

struct FakeSystem {
    static CString clipboard;
    static uint32_t now;
    static int reads;
};
CString FakeSystem::clipboard;
uint32_t FakeSystem::now = 0;
int FakeSystem::reads = 0;

TEST_F(ApplicationCommandsTest, SystemServicesGoThroughTheSeam)
{
    ApplicationSystem& system = GetApplicationSystem();
    const ApplicationSystem saved = system;
    system.getClipboardText = [] { return FakeSystem::clipboard; };
    system.setClipboardText = [](const CString& text) { FakeSystem::clipboard = text; };
    system.getCommandLine = [] { return CString("\"qbk.exe\" /config"); };
    system.windowFromPoint = [](int x, int y) { return uint64_t(x * 1000 + y); };
    system.milliseconds = [] {
        ++FakeSystem::reads;
        return FakeSystem::now += 10;
    };
    EXPECT_EQ(Value("@Application.SetClip(\"copied\") & @Application.Clip()"), "copied");
    EXPECT_EQ(Value("@Application.Arguments()"), "/config");
    EXPECT_EQ(Value("@Application.WindowAt(4, 2)"), "4002");
    FakeSystem::now = 0xFFFFFFF0u;  // the wait counts across the wrap of the clock
    FakeSystem::reads = 0;
    EXPECT_EQ(Value("@Application.Wait(100) & \"done\""), "done");
    EXPECT_EQ(FakeSystem::reads, 11);
    FakeSystem::reads = 0;
    EXPECT_EQ(Value("@Application.Wait(-5) & \"done\""), "done");
    EXPECT_EQ(FakeSystem::reads, 0) << "a negative wait does not wait";
    system = saved;
}

}  // namespace
