// Text files (type 16): opened by mode word, read and written by bytes, lines and texts.
#include "command_table.h"

namespace {

constexpr CommandEntry kTextFile[] = {
    {2, "TextFile_Close"},  // after the shared commands 0 and 1
    {3, "TextFile_GetLength"},
    {4, "TextFile_GetPosition"},
    {5, "TextFile_Open"},
    {6, "TextFile_ReadText"},
    {7, "TextFile_ReadByte"},
    {8, "TextFile_ReadToByteBuffer"},
    {9, "TextFile_ReadChar"},
    {10, "TextFile_ReadLine"},
    {11, "TextFile_ReadUntil"},
    {12, "TextFile_Seek"},
    {13, "TextFile_WriteText"},
    {14, "TextFile_WriteByte"},
    {15, "TextFile_WriteByteBuffer"},
    {16, "TextFile_WriteLine"},
    {17, "TextFile_WriteDataStream"},
};
static_assert(NumbersOwnCommands(kTextFile, qbk::TypeTextFile, 17));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTextFile, kTextFile)};

}  // namespace

extern const CommandFamily kTextFileFamily("TextFile", kLists);
