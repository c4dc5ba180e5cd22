// Text variables (type 39): searching, cutting and changing one text.
#include "command_context.h"
#include "command_table.h"
#include "value_commands.h"

namespace {

// The value is entry 0 of the object's texts, made empty by the first command.
CString* Value(CommandContext& ctx)
{
    CStringArray& texts = ctx.Object().TextList;
    if (texts.IsEmpty()) texts.Add(CString());
    return &texts[0];
}

void TextVariable_Append(CommandContext& ctx) { TextAppend(ctx, Value); }
void TextVariable_FindChar(CommandContext& ctx) { TextFindChar(ctx, Value); }
void TextVariable_Find(CommandContext& ctx) { TextFind(ctx, Value); }
void TextVariable_GetText(CommandContext& ctx) { TextGet(ctx, Value); }
void TextVariable_GetChar(CommandContext& ctx) { TextGetCharAt(ctx, Value); }
void TextVariable_GetLength(CommandContext& ctx) { TextGetLength(ctx, Value); }
void TextVariable_Replace(CommandContext& ctx) { TextReplace(ctx, Value); }
void TextVariable_ReverseFindChar(CommandContext& ctx) { TextReverseFindChar(ctx, Value); }
void TextVariable_SetText(CommandContext& ctx) { TextSet(ctx, Value); }
void TextVariable_SetChar(CommandContext& ctx) { TextSetCharAt(ctx, Value); }
void TextVariable_Split(CommandContext& ctx) { TextSplit(ctx, Value); }
void TextVariable_Mid(CommandContext& ctx) { TextMid(ctx, Value); }
void TextVariable_MakeLower(CommandContext& ctx) { TextMakeLower(ctx, Value); }
void TextVariable_MakeUpper(CommandContext& ctx) { TextMakeUpper(ctx, Value); }

constexpr CommandEntry kTextVariable[] = {
    {2, "TextVariable_Append", TextVariable_Append},  // after the shared commands 0 and 1
    {3, "TextVariable_FindChar", TextVariable_FindChar},
    {4, "TextVariable_Find", TextVariable_Find},
    {5, "TextVariable_GetText", TextVariable_GetText},
    {6, "TextVariable_GetChar", TextVariable_GetChar},
    {7, "TextVariable_GetLength", TextVariable_GetLength},
    {8, "TextVariable_Replace", TextVariable_Replace},
    {9, "TextVariable_ReverseFindChar", TextVariable_ReverseFindChar},
    {10, "TextVariable_SetText", TextVariable_SetText},
    {11, "TextVariable_SetChar", TextVariable_SetChar},
    {12, "TextVariable_Split", TextVariable_Split},
    {13, "TextVariable_Mid", TextVariable_Mid},
    {14, "TextVariable_MakeLower", TextVariable_MakeLower},
    {15, "TextVariable_MakeUpper", TextVariable_MakeUpper},
};
static_assert(NumbersOwnCommands(kTextVariable, qbk::TypeTextVariable, 15));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTextVariable, kTextVariable)};

}  // namespace

extern const CommandFamily kTextVariableFamily("TextVariable", kLists);
