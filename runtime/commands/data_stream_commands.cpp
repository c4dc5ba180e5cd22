// Data streams (type 21): the memory streams other types load from and save to.
#include "data_stream_commands.h"

#include <string>

#include "byte_buffer_commands.h"
#include "command_context.h"
#include "command_table.h"
#include "decimal_text.h"
#include "value_format.h"

CMemFile* FindDataStream(ObjectRecord* object)
{
    if (!object || object->Type != qbk::TypeDataStream) return nullptr;
    DataStreamPart* part = object->FindPart<DataStreamPart>();
    return part ? part->Stream.get() : nullptr;
}

CMemFile& NewDataStream(ObjectRecord& object)
{
    DataStreamPart& part = object.EnsurePart<DataStreamPart>();
    part.Stream = std::make_unique<CMemFile>(1024);
    return *part.Stream;
}

bool WriteToStream(CMemFile& stream, const void* bytes, size_t count)
{
    if (count == 0) return true;
    const ULONGLONG position = stream.GetPosition();
    if (position > kMaxScriptBytes || count > kMaxScriptBytes - position) return false;
    try {
        stream.Write(bytes, UINT(count));
    } catch (const CException&) {
        return false;
    }
    return true;
}

namespace {

CMemFile* Stream(CommandContext& ctx) { return FindDataStream(&ctx.Object()); }

// Every byte of a stream, taken without moving it: a copy, so that the stream may be replaced
// while the bytes are written (a stream copied into or from itself).
std::string Snapshot(const CMemFile& stream)
{
    const BYTE* data = stream.Data();
    return data ? std::string(reinterpret_cast<const char*>(data), size_t(stream.GetLength())) : std::string();
}

bool Write(CMemFile& stream, const std::string& bytes) { return WriteToStream(stream, bytes.data(), bytes.size()); }

// Reads one byte; false at the end.
bool ReadByte(CMemFile& stream, BYTE& byte) { return stream.Read(&byte, 1) == 1; }

void DataStream_Close(CommandContext& ctx)
{
    if (DataStreamPart* part = ctx.FindPart<DataStreamPart>()) part->Stream.reset();
}

// Adds (sign +1) or subtracts (-1) the bytes of a key stream to the bytes of this one, in passes of
// 200 bytes, each pass with the key's next block of up to 200 bytes. After a short block the key
// starts again; when the key ended exactly with the last block, that block serves once more.
void TransformWithKey(CommandContext& ctx, int sign)
{
    const int id = ctx.Int();
    ObjectRecord* keyObject = ctx.FindObject(id, qbk::TypeDataStream);
    CMemFile* keyStream = FindDataStream(keyObject);
    CMemFile* own = Stream(ctx);
    if (!keyStream || !own || keyStream->GetLength() == 0 || own->GetLength() == 0) return;
    // The key is read from a copy: this stream may be its own key, and it is replaced below.
    const std::string key = Snapshot(*keyStream);
    const std::string data = Snapshot(*own);
    const ULONGLONG keyPosition = keyStream->GetPosition();
    std::string out(data.size(), '\0');
    BYTE keyBlock[200] = {};
    size_t keyAt = 0;
    for (size_t start = 0; start < data.size(); start += 200) {
        const size_t n = data.size() - start < 200 ? data.size() - start : 200;
        const size_t m = key.size() - keyAt < 200 ? key.size() - keyAt : 200;
        key.copy(reinterpret_cast<char*>(keyBlock), m, keyAt);
        keyAt += m;
        if (m < 200) keyAt = 0;  // a short (or empty) read: the key starts again next pass
        // An empty read reuses the last full block without wrapping: it has 200 bytes, n at most.
        size_t k = 0;
        for (size_t i = 0; i < n; ++i) {
            const BYTE keyByte = keyBlock[k++];
            if (k == m) k = 0;
            out[start + i] = char(BYTE(BYTE(data[start + i]) + sign * keyByte));
        }
    }
    CMemFile& fresh = NewDataStream(ctx.Object());
    if (!Write(fresh, out)) fresh.SetLength(0);
    fresh.SeekToBegin();
    if (keyObject != &ctx.Object()) keyStream->Seek(LONGLONG(keyPosition), CFile::begin);
}

void DataStream_SubtractKey(CommandContext& ctx) { TransformWithKey(ctx, -1); }
void DataStream_AddKey(CommandContext& ctx) { TransformWithKey(ctx, +1); }

void DataStream_GetLength(CommandContext& ctx)
{
    const CMemFile* stream = Stream(ctx);
    ctx.SetResult(stream ? Int64ToString(int64_t(stream->GetLength())) : CString("0"));
}

void DataStream_GetPosition(CommandContext& ctx)
{
    const CMemFile* stream = Stream(ctx);
    ctx.SetResult(stream ? Int64ToString(int64_t(stream->GetPosition())) : CString("0"));
}

void DataStream_LoadFile(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetResult("0");
    CFile file;
    if (!file.Open(name, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) return;
    CMemFile& stream = NewDataStream(ctx.Object());
    try {
        const ULONGLONG length = file.GetLength();
        if (length == 0 || length > kMaxScriptBytes) return;
        std::string bytes(size_t(length), '\0');
        bytes.resize(file.Read(&bytes[0], UINT(length)));
        if (!Write(stream, bytes)) return stream.SetLength(0);
        stream.SeekToBegin();
        ctx.SetResult("1");
    } catch (const CException&) {
        stream.SetLength(0);
    }
}

// Replaces this stream by a copy of the source's bytes (read without moving the source), at 0.
bool CopyInto(CommandContext& ctx, ObjectRecord& source)
{
    CMemFile* from = FindDataStream(&source);
    if (!from) return false;
    const std::string bytes = Snapshot(*from);
    CMemFile& stream = NewDataStream(ctx.Object());
    if (bytes.empty() || !Write(stream, bytes)) return false;
    stream.SeekToBegin();
    return true;
}

void DataStream_CopyFrom(CommandContext& ctx)
{
    const int id = ctx.Int();
    ctx.SetResult("0");
    ObjectRecord* source = ctx.FindObject(id, qbk::TypeDataStream);
    if (source && FindDataStream(source) && CopyInto(ctx, *source)) ctx.SetResult("1");
}

void DataStream_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetResult("0");
    CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name);
    if (!file) return;
    const std::string bytes = Snapshot(*file);
    CMemFile& stream = NewDataStream(ctx.Object());
    if (!Write(stream, bytes)) return;
    stream.SeekToBegin();
    ctx.SetResult("1");
}

void DataStream_Create(CommandContext& ctx) { NewDataStream(ctx.Object()); }

void DataStream_ReadText(CommandContext& ctx)
{
    const int count = ctx.Int();
    CMemFile* stream = Stream(ctx);
    if (!stream) return;
    const ULONGLONG left =
        stream->GetLength() > stream->GetPosition() ? stream->GetLength() - stream->GetPosition() : 0;
    const UINT wanted = count < 0 || ULONGLONG(count) > left ? UINT(left) : UINT(count);
    std::string bytes(wanted, '\0');
    bytes.resize(stream->Read(&bytes[0], wanted));
    ctx.SetResult(bytes.c_str());  // the text ends at a zero byte
}

void DataStream_ReadByte(CommandContext& ctx)
{
    BYTE byte;
    if (CMemFile* stream = Stream(ctx); stream && ReadByte(*stream, byte)) ctx.SetInt(byte);
}

void DataStream_ReadToByteBuffer(CommandContext& ctx)
{
    const int count = ctx.Int();
    const int id = ctx.Int();
    ctx.SetResult("0");
    CMemFile* stream = Stream(ctx);
    ByteBufferPart* buffer = EnsureByteBuffer(ctx.FindObject(id, qbk::TypeByteBuffer));
    if (!stream || !buffer || count <= 0) return;
    // The buffer takes the size asked for; bytes beyond those read stay zero.
    if (!buffer->Allocate(count)) return;
    ctx.SetInt(int(stream->Read(buffer->Block(), UINT(count))));
}

void DataStream_ReadChar(CommandContext& ctx)
{
    BYTE byte;
    if (CMemFile* stream = Stream(ctx); stream && ReadByte(*stream, byte) && byte != 0)
        ctx.SetResult(CString(char(byte)));
}

void DataStream_ReadLine(CommandContext& ctx)
{
    CMemFile* stream = Stream(ctx);
    if (!stream) return;
    std::string line;
    BYTE byte;
    while (ReadByte(*stream, byte)) {
        if (byte == '\r') {
            ReadByte(*stream, byte);  // the byte after a carriage return is dropped
            break;
        }
        line += char(byte);
    }
    ctx.SetResult(CString(line));
}

void DataStream_ReadUntil(CommandContext& ctx)
{
    const CString stopText = ctx.Text();
    CMemFile* stream = Stream(ctx);
    if (!stream || stopText.IsEmpty()) return;
    const BYTE stop = BYTE(TextToInt(stopText));
    std::string bytes;
    BYTE byte;
    while (ReadByte(*stream, byte) && byte != stop) bytes += char(byte);
    ctx.SetResult(CString(bytes));
}

void DataStream_SaveFile(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetResult("0");
    CMemFile* stream = Stream(ctx);
    if (!stream || stream->GetLength() == 0) return;
    CFile file;
    try {
        if (!file.Open(name, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) return;
        file.Write(stream->Data(), UINT(stream->GetLength()));
        file.Close();
        ctx.SetResult("1");
    } catch (const CException&) {
        file.Abort();
    }
}

void DataStream_CopyTo(CommandContext& ctx)
{
    const int id = ctx.Int();
    ctx.SetResult("0");
    ObjectRecord* target = ctx.FindObject(id, qbk::TypeDataStream);
    if (!target) return;
    CMemFile* own = Stream(ctx);
    const std::string bytes = own ? Snapshot(*own) : std::string();
    CMemFile& stream = NewDataStream(*target);  // may be this object's own: the bytes are a copy
    if (!own) return;
    if (!Write(stream, bytes)) return stream.SetLength(0);
    stream.SeekToBegin();
    ctx.SetResult("1");
}

void DataStream_Seek(CommandContext& ctx)
{
    const int position = ctx.Int();
    if (CMemFile* stream = Stream(ctx); stream && position >= 0) stream->Seek(position, CFile::begin);
}

// Writes bytes at the position: "1" with a stream that took them, else "0".
void WriteAnswer(CommandContext& ctx, const void* bytes, size_t count)
{
    CMemFile* stream = Stream(ctx);
    ctx.SetTruth(stream && WriteToStream(*stream, bytes, count));
}

void DataStream_WriteText(CommandContext& ctx)
{
    const CString text = ctx.Text();
    WriteAnswer(ctx, text.GetString(), size_t(text.GetLength()));
}

void DataStream_WriteByte(CommandContext& ctx)
{
    const BYTE byte = BYTE(ctx.Int());
    WriteAnswer(ctx, &byte, 1);
}

void DataStream_WriteByteBuffer(CommandContext& ctx)
{
    const int id = ctx.Int();
    const ByteBufferPart* buffer = FindByteBuffer(ctx.FindObject(id, qbk::TypeByteBuffer));
    ctx.SetResult("0");
    if (buffer && buffer->HasBlock() && Stream(ctx)) WriteAnswer(ctx, buffer->Block(), size_t(buffer->Size()));
}

void DataStream_WriteLine(CommandContext& ctx)
{
    const CString line = ctx.Text() + "\r\n";
    WriteAnswer(ctx, line.GetString(), size_t(line.GetLength()));
}

void DataStream_AppendStream(CommandContext& ctx)
{
    const int id = ctx.Int();
    ctx.SetResult("0");
    CMemFile* source = FindDataStream(ctx.FindObject(id, qbk::TypeDataStream));
    CMemFile* own = Stream(ctx);
    if (!source || !own) return;
    const ULONGLONG sourcePosition = source->GetPosition();
    if (!Write(*own, Snapshot(*source))) return;
    source->Seek(LONGLONG(sourcePosition), CFile::begin);  // also when the source is this stream
    ctx.SetResult("1");
}

constexpr CommandEntry kDataStream[] = {
    {2, "DataStream_Close", DataStream_Close},  // after the shared commands 0 and 1
    {3, "DataStream_SubtractKey", DataStream_SubtractKey},
    {4, "DataStream_AddKey", DataStream_AddKey},
    {5, "DataStream_GetLength", DataStream_GetLength},
    {6, "DataStream_GetPosition", DataStream_GetPosition},
    {7, "DataStream_LoadFile", DataStream_LoadFile},
    {8, "DataStream_CopyFrom", DataStream_CopyFrom},
    {9, "DataStream_LoadEmbedded", DataStream_LoadEmbedded},
    {10, "DataStream_Create", DataStream_Create},
    {11, "DataStream_ReadText", DataStream_ReadText},
    {12, "DataStream_ReadByte", DataStream_ReadByte},
    {13, "DataStream_ReadToByteBuffer", DataStream_ReadToByteBuffer},
    {14, "DataStream_ReadChar", DataStream_ReadChar},
    {15, "DataStream_ReadLine", DataStream_ReadLine},
    {16, "DataStream_ReadUntil", DataStream_ReadUntil},
    {17, "DataStream_SaveFile", DataStream_SaveFile},
    {18, "DataStream_CopyTo", DataStream_CopyTo},
    {19, "DataStream_Seek", DataStream_Seek},
    {20, "DataStream_WriteText", DataStream_WriteText},
    {21, "DataStream_WriteByte", DataStream_WriteByte},
    {22, "DataStream_WriteByteBuffer", DataStream_WriteByteBuffer},
    {23, "DataStream_WriteLine", DataStream_WriteLine},
    {24, "DataStream_AppendStream", DataStream_AppendStream},
};
static_assert(NumbersOwnCommands(kDataStream, qbk::TypeDataStream, 24));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeDataStream, kDataStream)};

}  // namespace

extern const CommandFamily kDataStreamFamily("DataStream", kLists);
