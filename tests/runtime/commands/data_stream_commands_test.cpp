// Data streams and byte buffers: bytes in memory, loaded, transformed, saved and handed on.
#include "script_test_fixture.h"

#include <fstream>
#include <sstream>

#include "byte_buffer_commands.h"
#include "data_stream_commands.h"

namespace {

// Objects: s (12) and k (13) streams, b (14) a byte buffer, n (15) a number.
class DataStreamCommandsTest : public ScriptTest {
protected:
    CString Eval(const std::string& lines, const std::string& expression, const std::string& files = "")
    {
        Start("window MAIN\n  object DataStream s\n  object DataStream k\n  object ByteBuffer b\n"
              "  object NumberVariable n\n  event 0\n" +
              lines + "    @Application.Return(" + expression + ")\n" + files);
        return Run("MAIN", 0);
    }
    ObjectRecord& Object(int index) { return *Window("MAIN").Objects[size_t(index)]; }
    std::string Bytes(int index)
    {
        CMemFile* stream = FindDataStream(&Object(index));
        if (!stream) return "(none)";
        return std::string(reinterpret_cast<const char*>(stream->Data()), size_t(stream->GetLength()));
    }
    void SetBytes(int index, const std::string& bytes)
    {
        CMemFile& stream = NewDataStream(Object(index));
        stream.Write(bytes.data(), UINT(bytes.size()));
        stream.SeekToBegin();
    }
    std::string Buffer()
    {
        ByteBufferPart* buffer = FindByteBuffer(&Object(14));
        if (!buffer || !buffer->HasBlock()) return "(none)";
        return std::string(reinterpret_cast<const char*>(buffer->Block()), size_t(buffer->Size()));
    }
    // Runs one command on object index with the arguments and answers its result.
    CString Command(int index, int command, const std::string& arguments = "")
    {
        ScriptFrame frame;
        CString params(arguments);
        runtime_.DispatchObjectCommand(&Window("MAIN"), &Object(index), command, params, frame);
        return frame.Result;
    }
    static std::string ReadFile(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        std::stringstream all;
        all << in.rdbuf();
        return all.str();
    }
};

TEST_F(DataStreamCommandsTest, WritesAndReadsAtThePosition)
{
    EXPECT_EQ(Eval("", "@s.GetLength() & @s.GetPosition() & @s.WriteText(\"a\") & @s.ReadByte() & \"|\""), "000|")
        << "no stream before the first create";
    EXPECT_EQ(Eval("    @s.Create()\n",
                   "@s.WriteLine(\"ab\") & @s.GetLength() & @s.GetPosition() & @s.Seek(0) & @s.ReadLine() & "
                   "@s.GetPosition() & \"|\" & @s.ReadLine() & \"|\" & @s.ReadByte() & \"|\" & @s.ReadChar() & \"|\""),
              "144ab4||||");
    // Line ends come from Char: bytes 9, 10 and 13 in a literal are operators.
    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"x\" & @Application.Char(10) & \"y\" & @Application.Char(13) & "
                   "\"zw\" & @Application.Char(13))\n    @s.WriteByte(321)\n    @s.WriteByte(\"\")\n"
                   "    @s.WriteText(\"tail\")\n    @s.Seek(0)\n",
                   "@s.ReadLine() & \"|\" & @s.ReadLine() & \"|\" & @s.ReadByte() & \",\" & @s.ReadByte() & \",\" & "
                   "@s.ReadChar() & \"|\" & @s.ReadText(2) & \"|\" & @s.ReadText(-1) & \"|\" & @s.ReadText(5)"),
              "x\ny|w|0,116,a|il||")
        << "a carriage return takes the byte after it with it";
    EXPECT_EQ(
        Eval("    @s.Create()\n    @s.WriteText(\"key=value;rest\")\n    @s.Seek(0)\n",
             "@s.ReadUntil(61) & \"|\" & @s.ReadUntil(\"\") & \"|\" & @s.ReadUntil(315) & \"|\" & @s.ReadUntil(59)"),
        "key||value|rest")
        << "315 stops at its low byte, 59 (;)";
    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"abcdef\")\n    @s.Seek(2)\n    @s.WriteText(\"XY\")\n"
                   "    @s.Seek(-1)\n    @s.Seek(9)\n    @s.WriteText(\"!\")\n",
                   "@s.GetLength() & \",\" & @s.GetPosition()"),
              "10,10");
    EXPECT_EQ(Bytes(12), std::string("abXYef\0\0\0!", 10)) << "a write past the end fills the gap with zeros";
    EXPECT_EQ(
        Eval("    @s.Create()\n    @s.WriteText(\"a\")\n    @s.WriteByte(0)\n    @s.WriteText(\"b\")\n    @s.Seek(0)\n",
             "@s.ReadText(3) & \"|\" & @s.Seek(1) & @s.ReadChar() & \"|\" & @s.Close() & @s.GetLength()"),
        "a||0")
        << "a text ends at a zero byte, a zero byte is no character";
}

TEST_F(DataStreamCommandsTest, LoadsSavesAndCopies)
{
    const std::string file = Path("data.bin");
    qbkw::WriteWholeFile(file, std::string("one\0two", 7));
    qbkw::WriteWholeFile(Path("empty.bin"), "");
    EXPECT_EQ(Eval("", "@s.LoadFile(" + Quote(file) + ") & @s.GetLength() & @s.GetPosition() & @s.LoadFile(" +
                           Quote(Path("missing")) + ") & @s.GetLength()"),
              "17007");
    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"old\")\n",
                   "@s.LoadFile(" + Quote(Path("empty.bin")) + ") & @s.GetLength()"),
              "00")
        << "an empty file leaves an empty stream";

    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"hello\")\n    @s.Seek(2)\n",
                   "@s.SaveFile(" + Quote(Path("out.bin")) + ") & @s.GetPosition() & @k.SaveFile(" +
                       Quote(Path("k.bin")) + ") & @s.SaveFile(" + Quote(Path("no/such/folder/x")) + ")"),
              "120"
              "0");
    EXPECT_EQ(ReadFile(Path("out.bin")), "hello");

    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"hello\")\n    @s.Seek(3)\n",
                   "@k.CopyFrom(12) & @k.GetPosition() & @s.GetPosition() & @k.CopyFrom(14) & @k.CopyFrom(99)"),
              "1030"
              "0");
    EXPECT_EQ(Bytes(13), "hello");
    EXPECT_EQ(Eval("    @s.Create()\n    @k.Create()\n    @k.WriteText(\"old\")\n", "@k.CopyFrom(12) & @k.GetLength()"),
              "00");

    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"hello\")\n    @s.Seek(1)\n",
                   "@s.CopyTo(13) & @k.GetPosition() & @s.GetPosition() & @s.CopyTo(14)"),
              "1010");
    EXPECT_EQ(Bytes(13), "hello");
    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"x\")\n", "@k.CopyTo(12) & @s.GetLength()"), "00");
    EXPECT_EQ(Bytes(12), "") << "a stream object without a stream copied into another leaves it empty";

    EXPECT_EQ(
        Eval("    @s.Create()\n    @s.WriteText(\"ab\")\n    @k.Create()\n    @k.WriteText(\"xyz\")\n    @k.Seek(1)\n",
             "@s.Append(13) & @k.GetPosition() & @s.GetLength() & @s.Append(14)"),
        "1150");
    EXPECT_EQ(Bytes(12), "abxyz");

    EXPECT_EQ(Eval("    @s.LoadEmbedded(\"lib.dat\")\n",
                   "@s.GetLength() & @s.GetPosition() & @k.LoadEmbedded(\"none\")",
                   "file \"Lib.dat\" hex \"00ff10\"\n"),
              "300");
    EXPECT_EQ(Bytes(12), std::string("\0\xff\x10", 3));
}

TEST_F(DataStreamCommandsTest, AStreamCopiedIntoOrFromItselfKeepsItsBytes)
{
    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"abc\")\n", "@s.CopyFrom(12) & @s.GetLength()"), "13");
    EXPECT_EQ(Bytes(12), "abc");
    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"abc\")\n", "@s.CopyTo(12) & @s.GetLength() & @s.GetPosition()"),
              "130");
    EXPECT_EQ(Bytes(12), "abc");
    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"abc\")\n", "@s.Append(12) & @s.GetLength()"), "16");
    EXPECT_EQ(Bytes(12), "abcabc");
    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"abc\")\n    @s.AddKey(12)\n", "@s.GetLength()"), "3");
    EXPECT_EQ(Bytes(12), "\xC2\xC4\xC6") << "each byte doubled: its own key";
}

TEST_F(DataStreamCommandsTest, KeysAddAndSubtractInPassesOf200Bytes)
{
    Eval("", "1");
    std::string data(450, '\0');
    for (size_t i = 0; i < data.size(); ++i) data[i] = char(i * 7);
    std::string key(300, '\0');
    for (size_t i = 0; i < key.size(); ++i) key[i] = char(i * 13 + 1);
    SetBytes(12, data);
    SetBytes(13, key);
    FindDataStream(&Object(13))->Seek(17, CFile::begin);
    EXPECT_EQ(Command(12, 4, "13\x05"), "");
    const std::string added = Bytes(12);
    ASSERT_EQ(added.size(), data.size());
    for (size_t i = 0; i < data.size(); ++i) {
        // bytes 0-199 use key 0-199; 200-299 and 300-399 key 200-299; 400-449 key 0-49
        const size_t k = i < 200 ? i : i < 400 ? 200 + (i - 200) % 100 : i - 400;
        ASSERT_EQ(BYTE(added[i]), BYTE(data[i] + key[k])) << i;
    }
    EXPECT_EQ(FindDataStream(&Object(13))->GetPosition(), 17u) << "the key's position comes back";
    EXPECT_EQ(FindDataStream(&Object(12))->GetPosition(), 0u);
    Command(12, 3, "13\x05");
    EXPECT_EQ(Bytes(12), data) << "subtracting the same key gives the bytes back";

    // A key of 400 bytes: after its last block that block serves once more, then it starts again.
    std::string longData(1000, '\0');
    std::string longKey(400, '\0');
    for (size_t i = 0; i < longKey.size(); ++i) longKey[i] = char(i % 251 + 1);
    SetBytes(12, longData);
    SetBytes(13, longKey);
    Command(12, 4, "13\x05");
    const std::string keyed = Bytes(12);
    for (size_t i = 0; i < longData.size(); ++i) {
        const size_t k = i < 400 ? i : i < 600 ? i - 400 + 200 : i - 600;
        ASSERT_EQ(BYTE(keyed[i]), BYTE(longKey[k])) << i;
    }

    SetBytes(12, "\xff\x01");
    SetBytes(13, "\x01");
    Command(12, 4, "13\x05");
    EXPECT_EQ(Bytes(12), std::string("\0\x02", 2));
    SetBytes(13, "");
    Command(12, 4, "13\x05");
    EXPECT_EQ(Bytes(12), std::string("\0\x02", 2)) << "an empty key changes nothing";
    Command(12, 4, "14\x05");
    EXPECT_EQ(Bytes(12), std::string("\0\x02", 2));
}

TEST_F(DataStreamCommandsTest, ByteBuffersHoldABlockOfBytes)
{
    EXPECT_EQ(Eval("", "@b.GetSize() & @b.GetAddress() & @b.GetByte(0)"), "00-1");
    EXPECT_EQ(Eval("    @b.Resize(4)\n    @b.Fill(321)\n",
                   "@b.GetByte(3) & \",\" & @b.GetByte(4) & \",\" & @b.GetSize() & \",\" & @b.SetByte(0, -1) & "
                   "@b.GetByte(0) & \",\" & @b.SetByte(4, 1) & @b.SetByte(-1, 1) & @b.GetByte(1)"),
              "65,-1,4,255,65");
    EXPECT_EQ(Buffer(), "\xff"
                        "AAA");
    EXPECT_NE(Eval("    @b.Resize(1)\n", "@b.GetAddress()"), "0");
    EXPECT_EQ(
        Eval("    @b.Resize(4)\n    @b.SetByte(0, 1)\n    @b.SetByte(1, 2)\n    @b.SetByte(3, 9)\n    @b.Resize(2)\n",
             "@b.GetSize() & @b.GetByte(1)"),
        "22");
    EXPECT_EQ(
        Eval("    @b.Resize(2)\n    @b.Fill(7)\n    @b.Resize(5)\n", "@b.GetByte(1) & @b.GetByte(2) & @b.GetByte(4)"),
        "700")
        << "bytes added by a resize are zero";
    EXPECT_EQ(Eval("    @b.Resize(4)\n    @b.Resize(0)\n", "@b.GetSize() & @b.GetAddress() & @b.GetByte(0)"), "00-1");
    EXPECT_EQ(Eval("    @b.Resize(4)\n    @b.Resize(-5)\n", "@b.GetSize() & @b.GetByte(0)"), "0-1")
        << "a negative size is none";
    EXPECT_EQ(Eval("    @b.Resize(3)\n    @b.Resize(2147483647)\n", "@b.GetSize()"), "3")
        << "a size beyond what a buffer may hold changes nothing";

    std::string bytes(450, '\0');
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = char(i);
    qbkw::WriteWholeFile(Path("450.bin"), bytes);
    qbkw::WriteWholeFile(Path("empty.bin"), "");
    EXPECT_EQ(Eval("    @b.Resize(2)\n", "@b.LoadFile(" + Quote(Path("empty.bin")) + ") & @b.LoadFile(" +
                                             Quote(Path("none")) + ") & @b.GetSize() & \",\" & @b.LoadFile(" +
                                             Quote(Path("450.bin")) + ") & @b.GetSize()"),
              "002,1450");
    EXPECT_EQ(Buffer(), bytes);

    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"stream\")\n    @s.Seek(2)\n    @k.Create()\n",
                   "@b.LoadFromStream(12) & @b.GetSize() & @s.GetPosition() & @b.LoadFromStream(13) & "
                   "@b.LoadFromStream(15) & @b.GetSize()"),
              "16200"
              "6");
    EXPECT_EQ(Buffer(), "stream");
    EXPECT_EQ(Eval("", "@b.LoadEmbedded(\"blob\") & @b.GetSize() & @b.LoadEmbedded(\"empty\") & @b.LoadEmbedded(\"x\")",
                   "file \"blob\" hex \"0102\"\nfile \"empty\" hex \"\"\n"),
              "1200");
}

TEST_F(DataStreamCommandsTest, StreamsAndBuffersHandBytesToEachOther)
{
    EXPECT_EQ(Eval("    @s.Create()\n    @s.WriteText(\"abcdef\")\n    @s.Seek(4)\n",
                   "@s.ReadToBuffer(5, 14) & @b.GetSize() & @b.GetByte(1) & @b.GetByte(2) & \",\" & "
                   "@s.ReadToBuffer(0, 14) & @s.ReadToBuffer(3, 15) & @b.GetSize()"),
              "251020,005")
        << "the buffer takes the size asked for; bytes not read are zero";
    EXPECT_EQ(Eval("    @b.Resize(3)\n    @b.Fill(66)\n    @s.Create()\n    @s.WriteText(\"xy\")\n    @s.Seek(1)\n",
                   "@s.WriteBuffer(14) & @s.WriteBuffer(13) & @k.WriteBuffer(14) & @s.GetPosition()"),
              "1004");
    EXPECT_EQ(Bytes(12), "xBBB");
}

}  // namespace
