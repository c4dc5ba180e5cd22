// Text variables (type 39): searching, cutting and changing one text.
#include "command_table.h"

namespace {

constexpr CommandEntry kTextVariable[] = {
    {2, "TextVariable_Append"},  // after the shared commands 0 and 1
    {3, "TextVariable_FindChar"},        {4, "TextVariable_Find"},      {5, "TextVariable_GetText"},
    {6, "TextVariable_GetChar"},         {7, "TextVariable_GetLength"}, {8, "TextVariable_Replace"},
    {9, "TextVariable_ReverseFindChar"}, {10, "TextVariable_SetText"},  {11, "TextVariable_SetChar"},
    {12, "TextVariable_Split"},          {13, "TextVariable_Mid"},      {14, "TextVariable_MakeLower"},
    {15, "TextVariable_MakeUpper"},
};
static_assert(NumbersOwnCommands(kTextVariable, qbk::TypeTextVariable, 15));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTextVariable, kTextVariable)};

}  // namespace

extern const CommandFamily kTextVariableFamily("TextVariable", kLists);
