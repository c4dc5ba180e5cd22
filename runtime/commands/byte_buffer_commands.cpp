// Byte buffers (type 12): a block of bytes by index, loaded from files, streams and embedded files.
#include "byte_buffer_commands.h"

#include <cstring>
#include <new>

#include "command_context.h"
#include "command_table.h"
#include "data_stream_commands.h"
#include "value_format.h"

bool ByteBufferPart::Allocate(int size)
{
    if (size <= 0) {
        Free();
        return true;
    }
    if (unsigned(size) > kMaxScriptBytes) return false;
    BYTE* block = new (std::nothrow) BYTE[size_t(size)]();
    if (!block) return false;
    m_block.reset(block);
    m_size = size;
    return true;
}

bool ByteBufferPart::Resize(int size)
{
    const int old = Size();
    std::unique_ptr<BYTE[]> kept = std::move(m_block);
    m_block.reset();
    if (!Allocate(size)) {
        m_block = std::move(kept);
        m_size = old;
        return false;
    }
    if (kept && m_block) std::memcpy(m_block.get(), kept.get(), size_t(old < size ? old : size));
    return true;
}

void ByteBufferPart::Free()
{
    m_block.reset();
    m_size = 0;
}

ByteBufferPart* FindByteBuffer(ObjectRecord* object)
{
    return object && object->Type == qbk::TypeByteBuffer ? object->FindPart<ByteBufferPart>() : nullptr;
}

ByteBufferPart* EnsureByteBuffer(ObjectRecord* object)
{
    return object && object->Type == qbk::TypeByteBuffer ? &object->EnsurePart<ByteBufferPart>() : nullptr;
}

namespace {

ByteBufferPart* Buffer(CommandContext& ctx) { return FindByteBuffer(&ctx.Object()); }

// Replaces the block by one of size bytes filled by read(block, size), which answers how many it
// wrote; "1" on success. The source is read in pieces, so a source that is shorter than it said
// leaves zeros and one that is longer is cut.
template <class Read>
void LoadBlock(CommandContext& ctx, uint64_t size, Read read)
{
    if (size == 0 || size > kMaxScriptBytes) return;
    ByteBufferPart& buffer = *EnsureByteBuffer(&ctx.Object());
    if (!buffer.Allocate(int(size))) return;  // the old block stays
    read(buffer.Block(), int(size));
    ctx.SetResult("1");
}

// Reads up to size bytes in pieces of 200 until a short piece.
template <class Source>
void ReadInPieces(Source& source, BYTE* block, int size)
{
    int done = 0;
    while (done < size) {
        const UINT wanted = UINT(size - done < 200 ? size - done : 200);
        const UINT got = source.Read(block + done, wanted);
        done += int(got);
        if (got < 200) break;
    }
}

void ByteBuffer_GetByte(CommandContext& ctx)
{
    const int index = ctx.Int();
    const ByteBufferPart* buffer = Buffer(ctx);
    if (buffer && buffer->HasBlock() && index >= 0 && index < buffer->Size())
        ctx.SetInt(buffer->Block()[index]);
    else
        ctx.SetResult("-1");
}

void ByteBuffer_GetAddress(CommandContext& ctx)
{
    const ByteBufferPart* buffer = Buffer(ctx);
    ctx.SetResult(buffer && buffer->HasBlock() ? Int64ToString(int64_t(reinterpret_cast<uintptr_t>(buffer->Block())))
                                               : CString("0"));
}

void ByteBuffer_GetSize(CommandContext& ctx)
{
    const ByteBufferPart* buffer = Buffer(ctx);
    ctx.SetInt(buffer ? buffer->Size() : 0);
}

void ByteBuffer_LoadFile(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetResult("0");
    CFile file;
    try {
        if (!file.Open(name, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) return;
        LoadBlock(ctx, file.GetLength(), [&](BYTE* block, int size) { ReadInPieces(file, block, size); });
    } catch (const CException&) {
        ctx.SetResult("0");
    }
}

void ByteBuffer_LoadFromStream(CommandContext& ctx)
{
    const int id = ctx.Int();
    ctx.SetResult("0");
    CMemFile* stream = FindDataStream(ctx.FindObject(id, qbk::TypeDataStream));
    if (!stream) return;
    const ULONGLONG position = stream->GetPosition();
    LoadBlock(ctx, stream->GetLength(), [&](BYTE* block, int size) {
        stream->SeekToBegin();
        ReadInPieces(*stream, block, size);
        stream->Seek(LONGLONG(position), CFile::begin);
    });
}

void ByteBuffer_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetResult("0");
    CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name);
    if (!file) return;
    LoadBlock(ctx, file->GetLength(), [&](BYTE* block, int size) { ReadInPieces(*file, block, size); });
}

void ByteBuffer_SetByte(CommandContext& ctx)
{
    const int index = ctx.Int();
    const int value = ctx.Int();
    ByteBufferPart* buffer = Buffer(ctx);
    if (buffer && buffer->HasBlock() && index >= 0 && index < buffer->Size()) buffer->Block()[index] = BYTE(value);
}

void ByteBuffer_Fill(CommandContext& ctx)
{
    const int value = ctx.Int();
    ByteBufferPart* buffer = Buffer(ctx);
    if (buffer && buffer->HasBlock()) std::memset(buffer->Block(), value & 0xFF, size_t(buffer->Size()));
}

void ByteBuffer_Resize(CommandContext& ctx)
{
    int size = ctx.Int();
    if (size < 0) size = 0;  // a negative size is no size, not a huge one
    ByteBufferPart* buffer = Buffer(ctx);
    if (!buffer && size == 0) return;
    if (!buffer) buffer = EnsureByteBuffer(&ctx.Object());
    if (size != buffer->Size()) buffer->Resize(size);
}

constexpr CommandEntry kByteBuffer[] = {
    {2, "ByteBuffer_GetByte", ByteBuffer_GetByte},  // after the shared commands 0 and 1
    {3, "ByteBuffer_GetAddress", ByteBuffer_GetAddress},
    {4, "ByteBuffer_GetSize", ByteBuffer_GetSize},
    {5, "ByteBuffer_LoadFile", ByteBuffer_LoadFile},
    {6, "ByteBuffer_LoadFromStream", ByteBuffer_LoadFromStream},
    {7, "ByteBuffer_LoadEmbedded", ByteBuffer_LoadEmbedded},
    {8, "ByteBuffer_SetByte", ByteBuffer_SetByte},
    {9, "ByteBuffer_Fill", ByteBuffer_Fill},
    {10, "ByteBuffer_Resize", ByteBuffer_Resize},
};
static_assert(NumbersOwnCommands(kByteBuffer, qbk::TypeByteBuffer, 10));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeByteBuffer, kByteBuffer)};

}  // namespace

extern const CommandFamily kByteBufferFamily("ByteBuffer", kLists);
