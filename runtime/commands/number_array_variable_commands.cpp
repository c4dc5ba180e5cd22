// Number variables (type 28) and arrays of numbers (type 29).
#include "command_table.h"

namespace {

constexpr CommandEntry kNumberVariable[] = {
    {2, "NumberVariable_Add"},  // after the shared commands 0 and 1
    {3, "NumberVariable_Increment"}, {4, "NumberVariable_Divide"},     {5, "NumberVariable_Get"},
    {6, "NumberVariable_GetInt"},    {7, "NumberVariable_Multiply"},   {8, "NumberVariable_Set"},
    {9, "NumberVariable_Subtract"},  {10, "NumberVariable_Decrement"},
};
static_assert(NumbersOwnCommands(kNumberVariable, qbk::TypeNumberVariable, 10));

constexpr CommandEntry kArrayVariable[] = {
    {2, "ArrayVariable_Add"},  // after the shared commands 0 and 1
    {3, "ArrayVariable_Find"},       {4, "ArrayVariable_Get"},      {5, "ArrayVariable_GetCount"},
    {6, "ArrayVariable_GetInt"},     {7, "ArrayVariable_Insert"},   {8, "ArrayVariable_Move"},
    {9, "ArrayVariable_Shift"},      {10, "ArrayVariable_Shuffle"}, {11, "ArrayVariable_RemoveAt"},
    {12, "ArrayVariable_RemoveAll"}, {13, "ArrayVariable_Set"},     {14, "ArrayVariable_SetCount"},
    {15, "ArrayVariable_Sort"},      {16, "ArrayVariable_Swap"},
};
static_assert(NumbersOwnCommands(kArrayVariable, qbk::TypeArrayVariable, 16));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeNumberVariable, kNumberVariable),
                                  OwnCommands(qbk::TypeArrayVariable, kArrayVariable)};

}  // namespace

extern const CommandFamily kNumberArrayVariableFamily("NumberVariable and ArrayVariable", kLists);
