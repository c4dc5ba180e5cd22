// Calls into any library (type 15) by a declared signature.
#include "command_table.h"

namespace {

constexpr CommandEntry kDllCall[] = {
    {2, "DllCall_Call"},  // after the shared commands 0 and 1
    {3, "DllCall_GetCallingConvention"},
    {4, "DllCall_SetSignature"},
    {5, "DllCall_IsLoaded"},
    {6, "DllCall_Load"},
    {7, "DllCall_LoadEmbedded"},
    {8, "DllCall_SetCallingConvention"},
    {9, "DllCall_Free"},
};
static_assert(NumbersOwnCommands(kDllCall, qbk::TypeDllCall, 9));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeDllCall, kDllCall)};

}  // namespace

extern const CommandFamily kDllCallFamily("DllCall", kLists);
