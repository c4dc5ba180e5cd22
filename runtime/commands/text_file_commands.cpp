// Text files (type 16): opened by mode word, read and written by bytes, lines and texts.
#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <string>

#include "byte_buffer_commands.h"
#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"
#include "decimal_text.h"
#include "fw_file.h"
#include "script_limits.h"
#include "value_format.h"

namespace {

// The one open file of a TextFile object, with the name and mode word it was opened with.
struct TextFilePart : ObjectPart {
    std::unique_ptr<CFile> file;  // null: closed
    CString name;
    CString mode;  // as the script gave it
};

bool SameWord(const CString& word, const char* keyword) { return word.CompareNoCase(keyword) == 0; }

// The object's open file, or null.
CFile* OpenFile(CommandContext& ctx)
{
    TextFilePart* part = ctx.FindPart<TextFilePart>();
    return part ? part->file.get() : nullptr;
}

// Reading is for files whose mode word begins with R (in either case); writing for all others.
bool InReadMode(CommandContext& ctx) { return ctx.FindPart<TextFilePart>()->mode.Left(1).CompareNoCase("R") == 0; }

CFile* FileToRead(CommandContext& ctx)
{
    CFile* file = OpenFile(ctx);
    return file && InReadMode(ctx) ? file : nullptr;
}

CFile* FileToWrite(CommandContext& ctx)
{
    CFile* file = OpenFile(ctx);
    return file && !InReadMode(ctx) ? file : nullptr;
}

// The next byte, or -1 at the end.
int ReadByte(CFile& file)
{
    unsigned char byte = 0;
    return file.Read(&byte, 1) == 1 ? byte : -1;
}

// "1" when the file took every byte; a file opened only for reading, or one that fails, gives "0".
void WriteBytes(CommandContext& ctx, CFile* file, const char* bytes, int count)
{
    ctx.SetResult("0");
    if (!file) return;
    try {
        file->Write(bytes, UINT(count));
        ctx.SetResult("1");
    } catch (const CException&) {
    }
}

void TextFile_Close(CommandContext& ctx)
{
    if (TextFilePart* part = ctx.FindPart<TextFilePart>()) part->file.reset();
}

void TextFile_GetLength(CommandContext& ctx)
{
    CFile* file = OpenFile(ctx);
    ctx.SetResult(Int64ToString(file ? int64_t(file->GetLength()) : 0));
}

void TextFile_GetPosition(CommandContext& ctx)
{
    CFile* file = OpenFile(ctx);
    ctx.SetResult(Int64ToString(file ? int64_t(file->GetPosition()) : 0));
}

void TextFile_Open(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const CString mode = ctx.Text();
    ctx.SetResult("0");
    UINT flags = CFile::modeRead | CFile::shareDenyNone;
    if (SameWord(mode, "WRITE")) flags = CFile::modeCreate | CFile::modeWrite | CFile::shareDenyNone;
    if (SameWord(mode, "ADD")) flags = CFile::modeReadWrite | CFile::shareDenyNone;

    TextFilePart& part = ctx.EnsurePart<TextFilePart>();
    part.file.reset();  // a file opened before closes first
    auto file = std::make_unique<CFile>();
    if (!file->Open(name, flags)) return;
    try {
        if (SameWord(mode, "ADD")) file->SeekToEnd();
    } catch (const CException&) {
        return;
    }
    part.file = std::move(file);
    part.name = name;
    part.mode = mode;
    ctx.SetResult("1");
}

void TextFile_ReadText(CommandContext& ctx)
{
    const int count = ctx.Int();
    CFile* file = FileToRead(ctx);
    if (!file) return;
    const ULONGLONG length = file->GetLength();
    const ULONGLONG position = file->GetPosition();
    const ULONGLONG left = length > position ? length - position : 0;
    const ULONGLONG wanted = count < 0 || ULONGLONG(count) > left ? left : ULONGLONG(count);
    try {
        std::string bytes(size_t(wanted), '\0');
        bytes.resize(file->Read(&bytes[0], UINT(bytes.size())));
        ctx.SetResult(CString(bytes.c_str()));  // the text ends at a zero byte
    } catch (const std::bad_alloc&) {
    }
}

void TextFile_ReadByte(CommandContext& ctx)
{
    CFile* file = FileToRead(ctx);
    const int byte = file ? ReadByte(*file) : -1;
    if (byte >= 0) ctx.SetInt(byte);
}

// Reads first, then gives the buffer a block of exactly the bytes read: a count beyond the file's
// end leaves no tail of stale bytes, and a read that brings nothing leaves the buffer as it was.
void TextFile_ReadToByteBuffer(CommandContext& ctx)
{
    const int count = ctx.Int();
    ByteBufferPart* buffer = EnsureByteBuffer(ctx.FindObject(ctx.Int(), qbk::TypeByteBuffer));
    ctx.SetResult("0");
    CFile* file = FileToRead(ctx);
    if (!file || !buffer || count <= 0) return;
    try {
        const ULONGLONG length = file->GetLength(), position = file->GetPosition();
        const ULONGLONG left = length > position ? length - position : 0;
        const ULONGLONG wanted = std::min<ULONGLONG>({ULONGLONG(count), left, ULONGLONG(kMaxScriptBytes)});
        std::string bytes(size_t(wanted), '\0');
        bytes.resize(file->Read(&bytes[0], UINT(bytes.size())));
        if (bytes.empty() || !buffer->Allocate(int(bytes.size()))) return;
        std::memcpy(buffer->Block(), bytes.data(), bytes.size());
        ctx.SetInt(int(bytes.size()));
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    }
}

void TextFile_ReadChar(CommandContext& ctx)
{
    CFile* file = FileToRead(ctx);
    const int byte = file ? ReadByte(*file) : -1;
    if (byte > 0) ctx.SetResult(CString(char(byte)));
}

// A CR ends the line and takes the byte after it along, whatever it is.
void TextFile_ReadLine(CommandContext& ctx)
{
    CFile* file = FileToRead(ctx);
    if (!file) return;
    std::string line;
    for (int byte; (byte = ReadByte(*file)) >= 0;) {
        if (byte == '\r') {
            ReadByte(*file);
            break;
        }
        line += char(byte);
    }
    ctx.SetResult(CString(line));
}

void TextFile_ReadUntil(CommandContext& ctx)
{
    const CString stop = ctx.Text();
    CFile* file = FileToRead(ctx);
    if (!file || stop.IsEmpty()) return;
    const int stopByte = TextToInt(stop) & 0xFF;
    std::string text;
    for (int byte; (byte = ReadByte(*file)) >= 0 && byte != stopByte;) text += char(byte);
    ctx.SetResult(CString(text));
}

void TextFile_Seek(CommandContext& ctx)
{
    const int position = ctx.Int();
    CFile* file = OpenFile(ctx);
    if (!file || position < 0) return;
    try {
        file->Seek(position, CFile::begin);
    } catch (const CException&) {
    }
}

void TextFile_WriteText(CommandContext& ctx)
{
    const CString text = ctx.Text();
    WriteBytes(ctx, FileToWrite(ctx), text, text.GetLength());
}

void TextFile_WriteByte(CommandContext& ctx)
{
    const CString code = ctx.Text();
    const char byte = char(TextToInt(code) & 0xFF);
    WriteBytes(ctx, code.IsEmpty() ? nullptr : FileToWrite(ctx), &byte, 1);
}

void TextFile_WriteLine(CommandContext& ctx)
{
    const CString line = ctx.Text() + "\r\n";
    WriteBytes(ctx, FileToWrite(ctx), line, line.GetLength());
}

void TextFile_WriteByteBuffer(CommandContext& ctx)
{
    const ByteBufferPart* buffer = FindByteBuffer(ctx.FindObject(ctx.Int()));
    if (!buffer || !buffer->HasBlock()) return ctx.SetResult("0");
    WriteBytes(ctx, FileToWrite(ctx), reinterpret_cast<const char*>(buffer->Block()), buffer->Size());
}

// The stream's every byte, taken in place: the stream's position stays where it was. The mode word
// is not asked; a file opened only for reading refuses the bytes and the answer is "0".
void TextFile_WriteDataStream(CommandContext& ctx)
{
    const CMemFile* stream = FindDataStream(ctx.FindObject(ctx.Int()));
    if (!stream) return ctx.SetResult("0");
    const char* bytes = reinterpret_cast<const char*>(stream->Data());
    WriteBytes(ctx, OpenFile(ctx), bytes, bytes ? int(stream->GetLength()) : 0);
}

constexpr CommandEntry kTextFile[] = {
    {2, "TextFile_Close", TextFile_Close},  // after the shared commands 0 and 1
    {3, "TextFile_GetLength", TextFile_GetLength},
    {4, "TextFile_GetPosition", TextFile_GetPosition},
    {5, "TextFile_Open", TextFile_Open},
    {6, "TextFile_ReadText", TextFile_ReadText},
    {7, "TextFile_ReadByte", TextFile_ReadByte},
    {8, "TextFile_ReadToByteBuffer", TextFile_ReadToByteBuffer},
    {9, "TextFile_ReadChar", TextFile_ReadChar},
    {10, "TextFile_ReadLine", TextFile_ReadLine},
    {11, "TextFile_ReadUntil", TextFile_ReadUntil},
    {12, "TextFile_Seek", TextFile_Seek},
    {13, "TextFile_WriteText", TextFile_WriteText},
    {14, "TextFile_WriteByte", TextFile_WriteByte},
    {15, "TextFile_WriteByteBuffer", TextFile_WriteByteBuffer},
    {16, "TextFile_WriteLine", TextFile_WriteLine},
    {17, "TextFile_WriteDataStream", TextFile_WriteDataStream},
};
static_assert(NumbersOwnCommands(kTextFile, qbk::TypeTextFile, 17));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTextFile, kTextFile)};

}  // namespace

extern const CommandFamily kTextFileFamily("TextFile", kLists);
