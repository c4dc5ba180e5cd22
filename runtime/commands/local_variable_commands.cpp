// Local variables (types 19 and 20): the number and text slots of the running script's frame.
#include "command_context.h"
#include "command_table.h"
#include "value_commands.h"

namespace {

// The slot of the handler's object among the running frame's slots: its rank among the window's
// objects of its type from entry 12 on. Slots belong to the run of their own window: an object of
// another window has none in this run (its rank would name one of this window's slots).
int SlotIndex(CommandContext& ctx, size_t slotCount)
{
    const WindowRecord& window = ctx.Window();
    const ScriptFrame& frame = ctx.Frame();
    if (frame.Window && frame.Window != &window) return -1;
    const ObjectRecord& object = ctx.Object();
    int rank = 0;
    for (int i = qbk::kBuiltInObjectCount; i < window.GetObjectCount(); ++i) {
        const ObjectRecord& other = *window.Objects[size_t(i)];
        if (other.Type != object.Type) continue;
        if (other.Id == object.Id) return size_t(rank) < slotCount ? rank : -1;
        ++rank;
    }
    return -1;
}

double* NumberSlot(CommandContext& ctx)
{
    std::vector<double>& slots = ctx.Frame().NumberSlots;
    const int index = SlotIndex(ctx, slots.size());
    return index < 0 ? nullptr : &slots[size_t(index)];
}

CString* TextSlot(CommandContext& ctx)
{
    std::vector<CString>& slots = ctx.Frame().TextSlots;
    const int index = SlotIndex(ctx, slots.size());
    return index < 0 ? nullptr : &slots[size_t(index)];
}

void LocalNumber_Add(CommandContext& ctx) { NumberAdd(ctx, NumberSlot); }
void LocalNumber_Increment(CommandContext& ctx) { NumberIncrement(ctx, NumberSlot); }
void LocalNumber_Divide(CommandContext& ctx) { NumberDivide(ctx, NumberSlot); }
void LocalNumber_Get(CommandContext& ctx) { NumberGet(ctx, NumberSlot); }
void LocalNumber_GetInt(CommandContext& ctx) { NumberGetInt(ctx, NumberSlot); }
void LocalNumber_Multiply(CommandContext& ctx) { NumberMultiply(ctx, NumberSlot); }
void LocalNumber_Set(CommandContext& ctx) { NumberSet(ctx, NumberSlot); }
void LocalNumber_Subtract(CommandContext& ctx) { NumberSubtract(ctx, NumberSlot); }
void LocalNumber_Decrement(CommandContext& ctx) { NumberDecrement(ctx, NumberSlot); }

void LocalText_Append(CommandContext& ctx) { TextAppend(ctx, TextSlot); }
void LocalText_FindChar(CommandContext& ctx) { TextFindChar(ctx, TextSlot); }
void LocalText_Find(CommandContext& ctx) { TextFind(ctx, TextSlot); }
void LocalText_Get(CommandContext& ctx) { TextGet(ctx, TextSlot); }
void LocalText_GetCharAt(CommandContext& ctx) { TextGetCharAt(ctx, TextSlot); }
void LocalText_GetLength(CommandContext& ctx) { TextGetLength(ctx, TextSlot); }
void LocalText_Replace(CommandContext& ctx) { TextReplace(ctx, TextSlot); }
void LocalText_ReverseFindChar(CommandContext& ctx) { TextReverseFindChar(ctx, TextSlot); }
void LocalText_Set(CommandContext& ctx) { TextSet(ctx, TextSlot); }
void LocalText_SetCharAt(CommandContext& ctx) { TextSetCharAt(ctx, TextSlot); }
void LocalText_Split(CommandContext& ctx) { TextSplit(ctx, TextSlot); }
void LocalText_Mid(CommandContext& ctx) { TextMid(ctx, TextSlot); }
void LocalText_MakeLower(CommandContext& ctx) { TextMakeLower(ctx, TextSlot); }
void LocalText_MakeUpper(CommandContext& ctx) { TextMakeUpper(ctx, TextSlot); }

constexpr CommandEntry kLocalNumber[] = {
    {2, "LocalNumber_Add", LocalNumber_Add},  // after the shared commands 0 and 1
    {3, "LocalNumber_Increment", LocalNumber_Increment},
    {4, "LocalNumber_Divide", LocalNumber_Divide},
    {5, "LocalNumber_Get", LocalNumber_Get},
    {6, "LocalNumber_GetInt", LocalNumber_GetInt},
    {7, "LocalNumber_Multiply", LocalNumber_Multiply},
    {8, "LocalNumber_Set", LocalNumber_Set},
    {9, "LocalNumber_Subtract", LocalNumber_Subtract},
    {10, "LocalNumber_Decrement", LocalNumber_Decrement},
};
static_assert(NumbersOwnCommands(kLocalNumber, qbk::TypeLocalNumber, 10));

constexpr CommandEntry kLocalText[] = {
    {2, "LocalText_Append", LocalText_Append},  // after the shared commands 0 and 1
    {3, "LocalText_FindChar", LocalText_FindChar},
    {4, "LocalText_Find", LocalText_Find},
    {5, "LocalText_Get", LocalText_Get},
    {6, "LocalText_GetCharAt", LocalText_GetCharAt},
    {7, "LocalText_GetLength", LocalText_GetLength},
    {8, "LocalText_Replace", LocalText_Replace},
    {9, "LocalText_ReverseFindChar", LocalText_ReverseFindChar},
    {10, "LocalText_Set", LocalText_Set},
    {11, "LocalText_SetCharAt", LocalText_SetCharAt},
    {12, "LocalText_Split", LocalText_Split},
    {13, "LocalText_Mid", LocalText_Mid},
    {14, "LocalText_MakeLower", LocalText_MakeLower},
    {15, "LocalText_MakeUpper", LocalText_MakeUpper},
};
static_assert(NumbersOwnCommands(kLocalText, qbk::TypeLocalText, 15));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeLocalNumber, kLocalNumber),
                                  OwnCommands(qbk::TypeLocalText, kLocalText)};

}  // namespace

extern const CommandFamily kLocalVariableFamily("LocalNumber and LocalText", kLists);
