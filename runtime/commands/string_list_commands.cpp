// Lists of texts (type 40).
#include "command_table.h"

namespace {

constexpr CommandEntry kStringList[] = {
    {2, "StringList_Add"},  // after the shared commands 0 and 1
    {3, "StringList_IndexOf"},
    {4, "StringList_FindMatches"},
    {5, "StringList_GetAt"},
    {6, "StringList_GetCount"},
    {7, "StringList_InsertAt"},
    {8, "StringList_LoadFile"},
    {9, "StringList_LoadFromObject"},
    {10, "StringList_LoadEmbedded"},
    {11, "StringList_Move"},
    {12, "StringList_Shift"},
    {13, "StringList_Shuffle"},
    {14, "StringList_RemoveAt"},
    {15, "StringList_RemoveAll"},
    {16, "StringList_SetAt"},
    {17, "StringList_SetCount"},
    {18, "StringList_Sort"},
    {19, "StringList_Swap"},
};
static_assert(NumbersOwnCommands(kStringList, qbk::TypeStringList, 19));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeStringList, kStringList)};

}  // namespace

extern const CommandFamily kStringListFamily("StringList", kLists);
