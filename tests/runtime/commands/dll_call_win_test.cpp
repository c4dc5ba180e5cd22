// DllCall objects calling our test library and system libraries: every parameter and result type,
// both conventions, a declared convention or argument count that does not match the function, the
// library loaded from a path and from a file the project carries.
#include <gtest/gtest.h>

#include "file_hex.h"
#include "project_run.h"
#include "script_test_fixture.h"
#include "type_command_words.h"

namespace {

using qbktest::ProjectRun;

class DllCallCommands : public ScriptTest {
protected:
    // A window whose event 0 returns the expression, with a DllCall object named dll (and sys) and a
    // text variable t.
    CString Returned(const std::string& expression)
    {
        Start(qbktest::CommandWordsOf({"DllCall"}) +
              "window MAIN\n  object DllCall dll\n  object DllCall sys\n"
              "  object TextVariable t\n  event 0\n    @Application.Return(" +
              expression + ")\n");
        return Run("MAIN", 0);
    }
    static std::string Load() { return "@dll.Load(" + Quote(DLL_CALL_TEST_LIBRARY) + ")"; }
};

TEST_F(DllCallCommands, NewObjectNeedsALibraryAndASignature)
{
    EXPECT_EQ(Returned("@dll.GetCallingConvention() & \",\" & @dll.IsLoaded() & \",\" & "
                       "@dll.SetSignature(\"int\", \"int\", \"int\") & @dll.Call(\"AddInts\", 1, 2) & \",\" & " +
                       Load() + " & \",\" & @dll.Call(\"AddInts\", 1, 2) & \",\" & " + Load() + " & \",\" & " +
                       "@dll.Load(\"no-such-library.dll\") & @dll.IsLoaded()"),
              "STDCALL,0,,1,,0,01");
}

TEST_F(DllCallCommands, EveryTypeThroughBothConventions)
{
    struct Case {
        const char* convention;
        const char* signature;  // the words of SetSignature
        const char* call;  // the arguments of Call
        const char* expected;
    };
    const Case cases[] = {
        {"STDCALL", R"("int", "int", "int")", R"("AddInts", 2, "40")", "42"},
        {"STDCALL", R"("FLOAT", "float")", R"("HalfOf", "5")", "2.5"},
        {"STDCALL", R"("int", "float")", R"("FloatBits", "0.1")", "1036831949"},  // 0.1f, not 0.1 cut
        {"STDCALL", R"("double", "double", "float", "int")", R"("Scale", "1.5", "2", "3")", "9"},
        {"STDCALL", R"("string", "string")", R"("Greet", "qbk")", "Hello, qbk"},
        {"STDCALL", R"("string")", R"("NullText")", ""},
        {"STDCALL", R"("int", "int", "int")", R"("AddInts", 2)", ""},  // one argument short
        {"STDCALL", R"("int", "int", "int")", R"("addints", 2, 3)", ""},  // export names are exact
        {"CDECL", R"("Int", "INT", "int", "int")", R"("SumCdecl", 1, 2, 3)", "6"},
        {"CDECL", R"("double", "int", "float", "double", "string", "int", "double", "float")",
         R"("Mixed", 1, "0.5", "2.25", "abcd", 5, "0.125", "0.125")", "13"},
        {"CDECL", R"("string", "int", "double", "string", "float")", R"("Describe", 7, "2.5", "xy", "0.25")",
         "7|2.5|xy|0.25"},
        {"CDECL", R"("void", "int")", R"("Remember", 77)", ""},
        {"CDECL", R"("int", "word")", R"("Identity", "-5")", "-5"},  // an unknown word is an integer
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.call);
        EXPECT_EQ(Returned(Load() + " & @dll.SetCallingConvention(\"" + c.convention + "\") & @dll.SetSignature(" +
                           c.signature + ") & \",\" & @dll.Call(" + c.call + ")"),
                  CString("1,") + c.expected);
    }
}

TEST_F(DllCallCommands, VoidFunctionRunsAndTextsAreCopies)
{
    EXPECT_EQ(Returned(Load() + " & @dll.SetCallingConvention(\"CDECL\") & @dll.SetSignature(\"void\", \"int\") & "
                                "@dll.Call(\"Remember\", 31) & @dll.SetSignature(\"int\") & @dll.Call(\"Remembered\")"
                                " & \",\" & @t.Set(\"abc\") & @dll.SetSignature(\"int\", \"string\") & "
                                "@dll.Call(\"Scribble\", @t.Get()) & \",\" & @t.Get()"),
              "131,3,abc");
}

TEST_F(DllCallCommands, ConventionWordsAndMismatchesLeaveTheProgramRunning)
{
    // A cdecl function declared stdcall, a stdcall function declared cdecl and given one argument
    // fewer than it removes: the stack is as it was, and the next calls are right.
    EXPECT_EQ(Returned(Load() + " & @dll.SetCallingConvention(\"stdcall\") & @dll.GetCallingConvention() & \",\" & "
                                "@dll.SetCallingConvention(\"STDCALL\") & @dll.GetCallingConvention() & \",\" & "
                                "@dll.SetSignature(\"int\", \"int\", \"int\", \"int\") & "
                                "@dll.Call(\"SumCdecl\", 1, 2, 3) & \",\" & "
                                "@dll.SetCallingConvention(\"CDECL\") & @dll.SetSignature(\"void\", \"int\") & "
                                "@dll.Call(\"AddInts\", 1) & @dll.SetSignature(\"int\", \"int\", \"int\") & "
                                "@dll.Call(\"AddInts\", 20, 22) & \",\" & @dll.SetSignature(\"double\", \"double\", "
                                "\"float\", \"int\") & @dll.Call(\"Scale\", 2, 2, 2)"),
              "1CDECL,STDCALL,6,42,8");
}

TEST_F(DllCallCommands, FreeKeepsSignatureAndConvention)
{
    EXPECT_EQ(Returned(Load() +
                       " & @dll.SetCallingConvention(\"CDECL\") & "
                       "@dll.SetSignature(\"int\", \"int\", \"int\", \"int\") & @dll.Free() & "
                       "@dll.Free() & @dll.IsLoaded() & @dll.GetCallingConvention() & \",\" & "
                       "@dll.Call(\"SumCdecl\", 1, 2, 3) & \",\" & " +
                       Load() +
                       " & "
                       "@dll.Call(\"SumCdecl\", 1, 2, 3)"),
              "1100CDECL,,16");
}

TEST_F(DllCallCommands, SystemLibraries)
{
    EXPECT_EQ(Returned("@dll.Load(\"kernel32.dll\") & @dll.SetSignature(\"int\", \"string\") & "
                       "@dll.Call(\"lstrlenA\", \"hello\") & \",\" & @sys.Load(\"user32.dll\") & "
                       "@sys.SetSignature(\"string\", \"string\") & @sys.Call(\"CharUpperA\", \"shout\") & \",\" & "
                       "@sys.Free() & @sys.Load(\"msvcrt.dll\") & @sys.SetCallingConvention(\"CDECL\") & "
                       "@sys.SetSignature(\"double\", \"double\") & @sys.Call(\"sqrt\", \"2.25\") & \",\" & "
                       "@sys.SetSignature(\"string\", \"string\") & @sys.Call(\"_strrev\", \"abc\") & \",\" & "
                       "@sys.SetSignature(\"int\", \"string\") & @sys.Call(\"atoi\", \"-17\")"),
              "15,1SHOUT,111.5,cba,-17");
}

// As a user meets it: the library travels inside the project and is loaded from its temporary copy.
TEST(DllCallProject, LibraryCarriedByTheProject)
{
    ProjectRun run(R"(
window MAIN
  caption "Dll"   style 0x100B0001   rect 0 0 300 200
  event 16
    @out.SetText(@dll.LoadEmbedded("Helpers.DLL") & @dll.LoadEmbedded("helpers.dll") & @other.LoadEmbedded("none.dll") & "," & @dll.SetSignature("string", "string") & @dll.Call("Greet", "user") & "," & @dll.SetCallingConvention("CDECL") & @dll.SetSignature("int", "int", "int", "int") & @dll.Call("SumCdecl", 4, 5, 6))
  object DllCall dll
  object DllCall other
  object CheckBox out
    rect 10 10 280 20
file "helpers.dll" hex ")" +
                   qbktest::FileHex(DLL_CALL_TEST_LIBRARY) + "\"\n");
    HWND out = run.Control("MAIN", "out");
    ASSERT_TRUE(out);
    EXPECT_TRUE(run.WaitForText(out, "100,Hello, user,15")) << ProjectRun::Text(out);
}

}  // namespace
