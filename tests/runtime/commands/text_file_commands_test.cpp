// Text files: opening by mode word, reading bytes, lines and texts, writing and refusing to write.
#include "file_script_test.h"

namespace {

class TextFileCommandsTest : public FileScriptTest {
protected:
    // Runs the lines as event 0 of MAIN, which holds the TextFile object f; answers its return.
    CString Script(const std::string& lines)
    {
        Start(kTextFileWords + std::string("window MAIN\n  object TextFile f\n  object TextFile g\n  event 0\n") +
              Indent(lines));
        return Run("MAIN", 0);
    }
};

TEST_F(TextFileCommandsTest, LinesWrittenAreReadBackUpToTheEnd)
{
    EXPECT_EQ(Script("@f.Open(" + Q("a.txt") +
                     ", \"WRITE\")\n@f.WriteLine(\"x\")\n@f.Close()\n"
                     "@Application.Return(@f.Open(" +
                     Q("a.txt") +
                     ", \"READ\") & @f.Length() & \"|\" & "
                     "@f.ReadLine() & \"|\" & @f.ReadLine() & \"|\" & @f.Position())\n"),
              "13|x||3");
    EXPECT_EQ(ReadFile("a.txt"), "x\r\n");
}

TEST_F(TextFileCommandsTest, ModeWordsIgnoreCase)
{
    WriteFile("old.txt", "old");
    // "write" creates and empties, and is no reading mode; "read" reads; "add" appends.
    EXPECT_EQ(Script("@Application.Return(@f.Open(" + Q("old.txt") +
                     ", \"write\") & @f.Length() & "
                     "@f.ReadLine() & @f.WriteText(\"new\") & @f.Close() & "
                     "@f.Open(" +
                     Q("old.txt") +
                     ", \"add\") & @f.WriteText(\"er\") & @f.Close() & "
                     "@f.Open(" +
                     Q("old.txt") + ", \"read\") & @f.ReadLine())\n"),
              "101111newer");
    EXPECT_EQ(ReadFile("old.txt"), "newer");
}

TEST_F(TextFileCommandsTest, OpeningMissingAndOtherFiles)
{
    WriteFile("some.txt", "abc");
    EXPECT_EQ(Script("@Application.Return(@f.Open(" + Q("none.txt") +
                     ", \"ADD\") & @f.Length() & "
                     "@f.Open(" +
                     Q("none.txt") +
                     ", \"READ\") & "
                     "@f.Open(" +
                     Q("made.txt") +
                     ", \"WRITE\") & @f.Length() & "
                     "@g.Open(" +
                     Q("some.txt") +
                     ", \"other\") & @g.ReadLine() & @g.WriteText(\"x\") & "
                     "@g.Open(" +
                     Q("") + ", \"READ\") & @g.Length())\n"),
              "000101000");
    EXPECT_EQ(ReadFile("made.txt"), "");
    EXPECT_EQ(ReadFile("some.txt"), "abc");
}

TEST_F(TextFileCommandsTest, ACarriageReturnEndsALineAndTakesTheNextByte)
{
    struct Case {
        const char *bytes, *lines;
    } cases[] = {
        {"ab\ncd", "ab\ncd|||"},
        {"ab\rcd", "ab|d||"},
        {"ab\r\ncd\r\n", "ab|cd||"},
        {"\r\n\r\nx", "||x|"},
    };
    for (const Case& c : cases) {
        WriteFile("lines.txt", c.bytes);
        EXPECT_EQ(Script("@f.Open(" + Q("lines.txt") +
                         ", \"READ\")\n@Application.Return(@f.ReadLine() & \"|\" & "
                         "@f.ReadLine() & \"|\" & @f.ReadLine() & \"|\" & @f.ReadLine())\n"),
                  std::string(c.lines))
            << c.bytes;
    }
}

TEST_F(TextFileCommandsTest, TextsBytesAndCharacters)
{
    WriteFile("ten.bin", std::string("0123456\0"
                                     "89",
                                     10));
    EXPECT_EQ(Script("@f.Open(" + Q("ten.bin") +
                     ", \"READ\")\n@f.Seek(4)\n"
                     "@Application.Return(@f.ReadText(-1) & \"|\" & @f.Position() & \"|\" & @f.ReadByte() & \"|\" & "
                     "@f.Seek(0) & @f.ReadText(2) & @f.ReadText(1) & \"|\" & @f.ReadByte() & @f.ReadChar() & "
                     "\"|\" & @f.ReadUntil(\"0\") & \"|\" & @f.ReadUntil(\"\") & @f.Seek(7) & @f.ReadChar() & "
                     "\"|\" & @f.ReadText(99) & @f.Seek(-1) & @f.Position())\n"),
              "456|10||012|514|56||89"
              "10");
}

TEST_F(TextFileCommandsTest, BytesWrittenAreTheNumbersLowBits)
{
    EXPECT_EQ(Script("@Application.Return(@f.Open(" + Q("b.bin") +
                     ", \"WRITE\") & @f.WriteByte(\"\") & "
                     "@f.WriteByte(321) & @f.WriteByte(-1) & @f.WriteText(\"\") & @f.Position() & @f.Close())\n"),
              "101112");
    EXPECT_EQ(ReadFile("b.bin"), "A\xFF");
}

TEST_F(TextFileCommandsTest, WritesThatCannotHappenAnswerNothingDone)
{
    WriteFile("r.txt", "keep");
    EXPECT_EQ(Script("@Application.Return(@f.WriteText(\"x\") & @f.WriteLine(\"x\") & @f.WriteByte(1) & "
                     "@f.Length() & @f.Position() & @f.ReadLine() & "
                     "@g.Open(" +
                     Q("r.txt") +
                     ", \"READ\") & @g.WriteText(\"x\") & @g.WriteLine(\"x\") & "
                     "@g.WriteByte(1) & @g.Close() & @g.ReadLine() & @g.Length())\n"),
              "0000010000");
    EXPECT_EQ(ReadFile("r.txt"), "keep");
}

}  // namespace
