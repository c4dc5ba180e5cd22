// Local variables (types 19 and 20): the number and text slots of the running script's frame.
#include "command_table.h"

namespace {

constexpr CommandEntry kLocalNumber[] = {
    {2, "LocalNumber_Add"},  // after the shared commands 0 and 1
    {3, "LocalNumber_Increment"}, {4, "LocalNumber_Divide"}, {5, "LocalNumber_Get"},      {6, "LocalNumber_GetInt"},
    {7, "LocalNumber_Multiply"},  {8, "LocalNumber_Set"},    {9, "LocalNumber_Subtract"}, {10, "LocalNumber_Decrement"},
};
static_assert(NumbersOwnCommands(kLocalNumber, qbk::TypeLocalNumber, 10));

constexpr CommandEntry kLocalText[] = {
    {2, "LocalText_Append"},  // after the shared commands 0 and 1
    {3, "LocalText_FindChar"},        {4, "LocalText_Find"},      {5, "LocalText_Get"},
    {6, "LocalText_GetCharAt"},       {7, "LocalText_GetLength"}, {8, "LocalText_Replace"},
    {9, "LocalText_ReverseFindChar"}, {10, "LocalText_Set"},      {11, "LocalText_SetCharAt"},
    {12, "LocalText_Split"},          {13, "LocalText_Mid"},      {14, "LocalText_MakeLower"},
    {15, "LocalText_MakeUpper"},
};
static_assert(NumbersOwnCommands(kLocalText, qbk::TypeLocalText, 15));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeLocalNumber, kLocalNumber),
                                  OwnCommands(qbk::TypeLocalText, kLocalText)};

}  // namespace

extern const CommandFamily kLocalVariableFamily("LocalNumber and LocalText", kLists);
