// A rich edit control's text streamed to and from files: everything arrives, and a file that
// refuses part of a write ends the stream with the control told so.
#include <gtest/gtest.h>

#include <windows.h>

#include <cerrno>
#include <string>

#include "rich_edit_stream.h"

namespace {

// A memory file with room for so many bytes; a write beyond them is refused whole.
class ShortFile : public CMemFile {
public:
    explicit ShortFile(ULONGLONG room) : room_(room) {}
    void Write(const void* buffer, UINT count) override
    {
        if (GetPosition() + count > room_) throw CFileException(CFileException::diskFull, ENOSPC, "short");
        CMemFile::Write(buffer, count);
    }

private:
    ULONGLONG room_;
};

std::string Bytes(CMemFile& file)
{
    return std::string(reinterpret_cast<const char*>(file.Data()), size_t(file.GetLength()));
}

TEST(RichEditStream, CallbacksReportWhatWasReallyMoved)
{
    char bytes[10] = "abcdefghi";
    LONG done = -1;
    ShortFile small(4);
    EXPECT_NE(RichEditStreamOut(DWORD_PTR(&small), reinterpret_cast<LPBYTE>(bytes), 9, &done), 0u);
    EXPECT_EQ(done, 0);
    EXPECT_EQ(small.GetLength(), 0u);
    ShortFile roomy(100);
    EXPECT_EQ(RichEditStreamOut(DWORD_PTR(&roomy), reinterpret_cast<LPBYTE>(bytes), 9, &done), 0u);
    EXPECT_EQ(done, 9);
    EXPECT_EQ(Bytes(roomy), "abcdefghi");

    roomy.SeekToBegin();
    char read[20] = {};
    EXPECT_EQ(RichEditStreamIn(DWORD_PTR(&roomy), reinterpret_cast<LPBYTE>(read), 20, &done), 0u);
    EXPECT_EQ(done, 9);
    EXPECT_EQ(RichEditStreamIn(DWORD_PTR(&roomy), reinterpret_cast<LPBYTE>(read), 20, &done), 0u);
    EXPECT_EQ(done, 0);  // the end of the stream
}

TEST(RichEditStream, ControlTextRoundTripsAndARefusedWriteIsAnError)
{
    ASSERT_NE(LoadLibraryA("riched20.dll"), nullptr);
    HWND control = CreateWindowExA(0, RICHEDIT_CLASSA, "", WS_POPUP | ES_MULTILINE, 0, 0, 200, 100, nullptr, nullptr,
                                   nullptr, nullptr);
    ASSERT_NE(control, nullptr);
    std::string text;
    for (int i = 0; i < 2000; ++i) text += "line " + std::to_string(i) + "\r\n";
    CMemFile source;
    source.Write(text.data(), UINT(text.size()));
    source.SeekToBegin();
    EXPECT_EQ(StreamIn(control, source, 0), 0u);
    EXPECT_EQ(GetWindowTextLengthA(control), int(text.size()));

    CMemFile plain;
    EXPECT_EQ(StreamOut(control, plain, 0), 0u);
    EXPECT_TRUE(Bytes(plain) == text);
    CMemFile rich;
    EXPECT_EQ(StreamOut(control, rich, 1), 0u);
    EXPECT_EQ(Bytes(rich).rfind("{\\rtf", 0), 0u);

    // Streamed out in blocks: the block that does not fit is refused and the stream ends there.
    ShortFile small(5000);
    EXPECT_NE(StreamOut(control, small, 0), 0u);
    EXPECT_LE(small.GetLength(), 5000u);
    EXPECT_TRUE(Bytes(small) == text.substr(0, size_t(small.GetLength())));
    DestroyWindow(control);
}

}  // namespace
