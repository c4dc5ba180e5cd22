// Compiled rows, remarks, malformed texts and rebinding.
#include "stored_project_fixture.h"

#include "script_compiler.h"
#include "stored_format.h"

namespace {

using ScriptCompilerTest = StoredProjectTest;

TEST(ObjectReferenceTest, TheWorkedExampleSplitsIntoIdsNumberAndParameters)
{
    CString text("\x01"
                 "2\x02"
                 "15\x03"
                 "40\x04"
                 "abc\x05\x06");
    int window, object, number;
    ASSERT_TRUE(ParseObjectReference(text, window, object, number));
    EXPECT_EQ(window, 2);
    EXPECT_EQ(object, 15);
    EXPECT_EQ(number, 40);
    EXPECT_EQ(text, "abc\x05");
}

TEST(ObjectReferenceTest, NestedReferencesStayInTheParameters)
{
    CString text("\x01"
                 "0\x02"
                 "12\x03"
                 "3\x04"
                 "\x01"
                 "1\x02"
                 "4\x03"
                 "5\x04"
                 "q\x05\x06\x05\x06");
    int window, object, number;
    ASSERT_TRUE(ParseObjectReference(text, window, object, number));
    EXPECT_EQ(object, 12);
    EXPECT_EQ(text, "\x01"
                    "1\x02"
                    "4\x03"
                    "5\x04"
                    "q\x05\x06\x05");
}

TEST(ObjectReferenceTest, MalformedTextsAreRefusedWithoutReadingOutside)
{
    const char* const texts[] = {
        "",
        "\x06",
        "\x01",
        "\x01"
        "2",
        "\x01"
        "2\x02"
        "15",
        "\x01"
        "2\x02"
        "15\x03"
        "40",
        "\x01"
        "2\x02"
        "15\x03"
        "40\x04",  // no close byte
        "\x01"
        "2\x02"
        "15\x03"
        "40\x04"
        "abc\x05",  // close byte missing
        "\x01\x02\x03\x04\x06",  // no numbers
        "\x01"
        "x\x02"
        "1\x03"
        "2\x04\x06",
        "\x01"
        "1\x03"
        "2\x02"
        "3\x04\x06",  // separators out of order
        "2\x02"
        "15\x03"
        "40\x04\x06",  // no open byte
        "\x01"
        "1\x02"
        "2\x03"
        "3\x04\x05",
    };
    for (const char* source : texts) {
        CString text(source);
        int window = 7, object = 7, number = 7;
        EXPECT_FALSE(ParseObjectReference(text, window, object, number)) << testing::PrintToString(source);
        EXPECT_EQ(window, -1);
        EXPECT_EQ(object, -1);
        EXPECT_EQ(number, 0);
        EXPECT_TRUE(text.IsEmpty());
    }
    CString negative("\x01-1\x02"
                     "2\x03"
                     "3\x04\x06");
    int window, object, number;
    EXPECT_TRUE(ParseObjectReference(negative, window, object, number));
    EXPECT_EQ(window, -1);
}

TEST(RebindTest, EveryReferenceAddressesTheGivenWindow)
{
    struct Case {
        std::string text, rebound;
    } cases[] = {
        {"\x01"
         "2\x02"
         "15\x03"
         "1\x04\x06",
         "\x01"
         "7\x02"
         "15\x03"
         "1\x04\x06"},
        {"\x01\x02"
         "3\x03"
         "1\x04\x06",
         "\x01"
         "7\x02"
         "3\x03"
         "1\x04\x06"},
        {"\x01"
         "12\x02"
         "1\x03"
         "1\x04"
         "a\x01"
         "0\x02"
         "9\x03"
         "2\x04\x06\x05\x06",
         "\x01"
         "7\x02"
         "1\x03"
         "1\x04"
         "a\x01"
         "7\x02"
         "9\x03"
         "2\x04\x06\x05\x06"},
        {"plain text", "plain text"},
        {"\x01"
         "55 no separator",
         "\x01"
         "55 no separator"},
        {"\x01"
         "2\x02"
         "1\x03"
         "1\x04"
         "x\x01"
         "3",
         "\x01"
         "7\x02"
         "1\x03"
         "1\x04"
         "x\x01"
         "3"},
        {"", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(std::string(RebindReferences(CString(c.text), 7).Str()), c.rebound) << testing::PrintToString(c.text);
}

TEST_F(ScriptCompilerTest, RowsSkipRemarksAndPointAtTheRecords)
{
    ASSERT_TRUE(Load(R"(
commands Button Press Release
window MAIN
  object Button b
    event 0
      @b.Press("p")
      $ not an instruction
      @Other.t.1()
      raw "$"
      raw ""
      @9.1.2()
      @MAIN.44.1()
    end
  end
  object LocalNumber
  object LocalText
  object LocalNumber
end
window Other
  object TextFile t
  object LocalText
end
)"));
    runtime_.CompileAllScripts();
    WindowRecord& main = Window("MAIN");
    WindowRecord& other = Window("Other");
    EXPECT_EQ(main.LocalNumberCount, 2);
    EXPECT_EQ(main.LocalTextCount, 1);
    EXPECT_EQ(other.LocalNumberCount, 0);
    EXPECT_EQ(other.LocalTextCount, 1);
    const EventScript& script = main.Objects[12]->EventScripts[0];
    EXPECT_EQ(script.Texts.GetSize(), 7);
    ASSERT_EQ(script.InstructionCount(), 5);
    EXPECT_EQ(script.Rows[0].Window, &main);
    EXPECT_EQ(script.Rows[0].Object, main.Objects[12].get());
    EXPECT_EQ(script.Rows[0].Command, 0);
    EXPECT_EQ(script.Rows[0].Params, "p\x05");
    EXPECT_EQ(script.Rows[1].Window, &other);
    EXPECT_EQ(script.Rows[1].Object, other.Objects[12].get());
    EXPECT_EQ(script.Rows[1].Command, 1);
    // An empty text is no reference: its row does nothing (it must not become window 0's IF).
    EXPECT_EQ(script.Rows[2].Window, nullptr);
    EXPECT_EQ(script.Rows[2].Object, nullptr);
    EXPECT_EQ(script.Rows[3].Window, nullptr) << "no window 9";
    EXPECT_EQ(script.Rows[4].Object, nullptr) << "no object 44";
    EXPECT_EQ(script.Rows[4].Window, nullptr);
    EXPECT_EQ(main.Objects[12]->CompileMark, -1);
}

TEST_F(ScriptCompilerTest, RowsAreLookedUpAgainAfterRecordsWereDeleted)
{
    ASSERT_TRUE(Load(R"(
window MAIN
  object Button b
    event 0
      @Other.t.3()
    end
  end
end
window Other
  object TextFile t
end
)"));
    runtime_.CompileAllScripts();
    Instruction row = Window("MAIN").Objects[12]->EventScripts[0].Rows[0];
    ASSERT_NE(row.Object, nullptr);
    ASSERT_TRUE(runtime_.DeleteObjectRecord(1, 12));
    runtime_.ResolveInstruction(row);
    EXPECT_EQ(row.Object, nullptr);
    EXPECT_EQ(row.Window, nullptr);
    runtime_.CreateObjectRecord(1, 16);
    runtime_.ResolveInstruction(row);
    EXPECT_EQ(row.Object, Window("Other").Objects[12].get());
}

TEST_F(ScriptCompilerTest, FreeingReleasesRowsCountsAndCommandWords)
{
    ASSERT_TRUE(Load("commands Button Press\nwindow MAIN\n object LocalText\n object Button b\n  event 0\n   "
                     "@b.Press()\n  end\n end\nend"));
    runtime_.CompileAllScripts();
    WindowRecord& main = Window("MAIN");
    ASSERT_EQ(main.Objects[13]->EventScripts[0].InstructionCount(), 1);
    runtime_.FreeCompiledScripts();
    EXPECT_EQ(main.Objects[13]->EventScripts[0].InstructionCount(), 0);
    EXPECT_EQ(main.Objects[13]->EventScripts[0].Texts.GetSize(), 1);
    EXPECT_EQ(main.LocalTextCount, 0);
    EXPECT_EQ(runtime_.FindCommandNumber(46, "Press"), -3);
}

}  // namespace
