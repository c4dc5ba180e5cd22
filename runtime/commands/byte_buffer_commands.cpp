// Byte buffers (type 12): a block of bytes by index.
#include "command_table.h"

namespace {

constexpr CommandEntry kByteBuffer[] = {
    {2, "ByteBuffer_GetByte"},  // after the shared commands 0 and 1
    {3, "ByteBuffer_GetAddress"},     {4, "ByteBuffer_GetSize"},      {5, "ByteBuffer_LoadFile"},
    {6, "ByteBuffer_LoadFromStream"}, {7, "ByteBuffer_LoadEmbedded"}, {8, "ByteBuffer_SetByte"},
    {9, "ByteBuffer_Fill"},           {10, "ByteBuffer_Resize"},
};
static_assert(NumbersOwnCommands(kByteBuffer, qbk::TypeByteBuffer, 10));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeByteBuffer, kByteBuffer)};

}  // namespace

extern const CommandFamily kByteBufferFamily("ByteBuffer", kLists);
