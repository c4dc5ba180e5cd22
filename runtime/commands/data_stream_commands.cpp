// Data streams (type 21): the memory streams other types load from and save to.
#include "command_table.h"

namespace {

constexpr CommandEntry kDataStream[] = {
    {2, "DataStream_Close"},  // after the shared commands 0 and 1
    {3, "DataStream_SubtractKey"},
    {4, "DataStream_AddKey"},
    {5, "DataStream_GetLength"},
    {6, "DataStream_GetPosition"},
    {7, "DataStream_LoadFile"},
    {8, "DataStream_CopyFrom"},
    {9, "DataStream_LoadEmbedded"},
    {10, "DataStream_Create"},
    {11, "DataStream_ReadText"},
    {12, "DataStream_ReadByte"},
    {13, "DataStream_ReadToByteBuffer"},
    {14, "DataStream_ReadChar"},
    {15, "DataStream_ReadLine"},
    {16, "DataStream_ReadUntil"},
    {17, "DataStream_SaveFile"},
    {18, "DataStream_CopyTo"},
    {19, "DataStream_Seek"},
    {20, "DataStream_WriteText"},
    {21, "DataStream_WriteByte"},
    {22, "DataStream_WriteByteBuffer"},
    {23, "DataStream_WriteLine"},
    {24, "DataStream_AppendStream"},
};
static_assert(NumbersOwnCommands(kDataStream, qbk::TypeDataStream, 24));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeDataStream, kDataStream)};

}  // namespace

extern const CommandFamily kDataStreamFamily("DataStream", kLists);
