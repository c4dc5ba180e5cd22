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

// Objects f (12), g (13), b (14, a byte buffer), s (15, a data stream), n (16, no file object).
class TextFileTransferTest : public FileScriptTest {
protected:
    CString Script(const std::string& lines)
    {
        Start(kTextFileWords +
              std::string("window MAIN\n  object TextFile f\n  object TextFile g\n"
                          "  object ByteBuffer b\n  object DataStream s\n"
                          "  object NumberVariable n\n  event 0\n") +
              Indent(lines));
        return Run("MAIN", 0);
    }
};

TEST_F(TextFileTransferTest, ABufferReadIsSizedByTheBytesThereWere)
{
    WriteFile("ten.bin", "0123456789");
    // Four of ten; then a count beyond the end gives the six left and a buffer of six; at the end
    // nothing is read and the buffer keeps its bytes.
    EXPECT_EQ(Script("@f.Open(" + Q("ten.bin") +
                     ", \"READ\")\n"
                     "@Application.Return(@f.ReadToBuffer(4, 14) & \"|\" & @b.GetSize() & @b.GetByte(3) & \"|\" & "
                     "@f.ReadToBuffer(100, 14) & \"|\" & @b.GetSize() & @b.GetByte(5) & \"|\" & "
                     "@f.ReadToBuffer(5, 14) & @b.GetSize() & \"|\" & @f.Seek(0) & @f.ReadToBuffer(0, 14) & "
                     "@f.ReadToBuffer(-3, 14) & @f.ReadToBuffer(2, 15) & @f.ReadToBuffer(2, 99) & @f.Position())\n"),
              "4|451|6|657|06|00000");
}

TEST_F(TextFileTransferTest, ABufferReadNeedsAFileOpenForReading)
{
    WriteFile("w.bin", "abc");
    EXPECT_EQ(Script("@Application.Return(@f.ReadToBuffer(2, 14) & @f.Open(" + Q("w.bin") +
                     ", \"ADD\") & @f.Seek(0) & @f.ReadToBuffer(2, 14) & @b.GetSize())\n"),
              "0100");
}

TEST_F(TextFileTransferTest, BuffersAndStreamsAreWrittenWhole)
{
    // The stream is written whole whatever its position, which stays; an empty stream writes
    // nothing and succeeds.
    EXPECT_EQ(Script("@b.Resize(3)\n@b.SetByte(0, 65)\n@b.SetByte(1, 0)\n@b.SetByte(2, 66)\n"
                     "@s.Create()\n@s.WriteText(\"xyz\")\n@s.Seek(1)\n"
                     "@Application.Return(@f.Open(" +
                     Q("out.bin") +
                     ", \"WRITE\") & @f.WriteBuffer(14) & @f.WriteStream(15) & @s.GetPosition() & "
                     "@f.WriteLine(\"\") & @s.Create() & @f.WriteStream(15) & @f.Close())\n"),
              "111111");
    EXPECT_EQ(ReadFile("out.bin"), std::string("A\0Bxyz\r\n", 8));
}

TEST_F(TextFileTransferTest, WritesWithoutTheirSourceOrFileAnswerNothingDone)
{
    WriteFile("r.txt", "keep");
    EXPECT_EQ(Script("@s.Create()\n@s.WriteText(\"x\")\n@b.Resize(1)\n"
                     "@Application.Return(@f.WriteBuffer(14) & @f.WriteStream(15) & "
                     "@f.Open(" +
                     Q("r.txt") +
                     ", \"READ\") & @f.WriteBuffer(14) & @f.WriteStream(15) & @f.WriteStream(14) & "
                     "@g.Open(" +
                     Q("new.txt") +
                     ", \"WRITE\") & @g.WriteBuffer(15) & @g.WriteBuffer(16) & @g.WriteStream(16) & "
                     "@b.Resize(0) & @g.WriteBuffer(14) & @g.Length())\n"),
              "001000100000");
    EXPECT_EQ(ReadFile("r.txt"), "keep");
}

}  // namespace
