// Number variables (type 28) and arrays of numbers (type 29); object lists share the array's count.
#include "command_context.h"
#include "command_table.h"
#include "list_edits.h"
#include "list_order.h"
#include "value_commands.h"
#include "value_format.h"

namespace {

// The value lives in entry 0 of the object's numbers; every command but the getters makes it.
double* MadeValue(CommandContext& ctx)
{
    std::vector<double>& numbers = ctx.Object().Numbers;
    if (numbers.empty()) numbers.push_back(0.0);
    return &numbers[0];
}

double* ValueIfMade(CommandContext& ctx)
{
    std::vector<double>& numbers = ctx.Object().Numbers;
    return numbers.empty() ? nullptr : &numbers[0];
}

void NumberVariable_Add(CommandContext& ctx) { NumberAdd(ctx, MadeValue); }
void NumberVariable_Increment(CommandContext& ctx) { NumberIncrement(ctx, MadeValue); }
void NumberVariable_Divide(CommandContext& ctx) { NumberDivide(ctx, MadeValue); }
void NumberVariable_Get(CommandContext& ctx) { NumberGet(ctx, ValueIfMade); }
void NumberVariable_GetInt(CommandContext& ctx) { NumberGetInt(ctx, ValueIfMade); }
void NumberVariable_Multiply(CommandContext& ctx) { NumberMultiply(ctx, MadeValue); }
void NumberVariable_Set(CommandContext& ctx) { NumberSet(ctx, MadeValue); }
void NumberVariable_Subtract(CommandContext& ctx) { NumberSubtract(ctx, MadeValue); }
void NumberVariable_Decrement(CommandContext& ctx) { NumberDecrement(ctx, MadeValue); }

CArray<double, double>& Entries(CommandContext& ctx) { return ctx.Object().NumberArray; }
using ArrayList = ListHandlers<double, double, Entries>;

void ArrayVariable_Add(CommandContext& ctx)
{
    const double value = ctx.Real();
    if (Entries(ctx).GetSize() < kMaxScriptListEntries) Entries(ctx).Add(value);
}

void ArrayVariable_Find(CommandContext& ctx)
{
    const double value = ctx.Real();
    const CArray<double, double>& entries = Entries(ctx);
    int found = -1;
    for (INT_PTR i = 0; i < entries.GetSize() && found < 0; ++i)
        if (entries[i] == value) found = int(i);
    ctx.SetInt(found);
}

// The entry at the position, or null outside the list.
const double* EntryAt(CommandContext& ctx, int position)
{
    const CArray<double, double>& entries = Entries(ctx);
    return InList(entries.GetSize(), position) ? &entries[position] : nullptr;
}

void ArrayVariable_Get(CommandContext& ctx)
{
    const double* entry = EntryAt(ctx, ctx.Int());
    ctx.SetReal(entry ? *entry : 0.0);
}

void ArrayVariable_GetInt(CommandContext& ctx)
{
    const double* entry = EntryAt(ctx, ctx.Int());
    ctx.SetInt(entry ? TruncateToInt(*entry) : 0);
}

void ArrayVariable_Insert(CommandContext& ctx)
{
    const int asked = ctx.Int();
    const double value = ctx.Real();
    CArray<double, double>& entries = Entries(ctx);
    if (entries.GetSize() >= kMaxScriptListEntries) return;
    const int position = InsertPosition(entries.GetSize(), asked);
    entries.InsertAt(position, value);
    ctx.SetInt(position);
}

void ArrayVariable_Shift(CommandContext& ctx)
{
    const int distance = ctx.Int();
    const double fill = ctx.Real();
    ShiftEntries(Entries(ctx), distance, fill);
}

void ArrayVariable_RemoveAll(CommandContext& ctx)
{
    Entries(ctx).RemoveAll();
    Entries(ctx).FreeExtra();
}

void ArrayVariable_Set(CommandContext& ctx)
{
    const int position = ctx.Int();
    const double value = ctx.Real();
    CArray<double, double>& entries = Entries(ctx);
    ctx.SetResult("0");
    if (position == -1) {
        for (INT_PTR i = 0; i < entries.GetSize(); ++i) entries[i] = value;
    } else if (InList(entries.GetSize(), position)) {
        entries[position] = value;
        ctx.SetReal(value);
    }
}

void ArrayVariable_SetCount(CommandContext& ctx) { SetEntryCount(Entries(ctx), ctx.Int(), 0.0); }

void ArrayVariable_Sort(CommandContext& ctx)
{
    StableSort(Entries(ctx).GetData(), size_t(Entries(ctx).GetSize()), [](double a, double b) { return a < b; });
}

constexpr CommandEntry kNumberVariable[] = {
    {2, "NumberVariable_Add", NumberVariable_Add},  // after the shared commands 0 and 1
    {3, "NumberVariable_Increment", NumberVariable_Increment},
    {4, "NumberVariable_Divide", NumberVariable_Divide},
    {5, "NumberVariable_Get", NumberVariable_Get},
    {6, "NumberVariable_GetInt", NumberVariable_GetInt},
    {7, "NumberVariable_Multiply", NumberVariable_Multiply},
    {8, "NumberVariable_Set", NumberVariable_Set},
    {9, "NumberVariable_Subtract", NumberVariable_Subtract},
    {10, "NumberVariable_Decrement", NumberVariable_Decrement},
};
static_assert(NumbersOwnCommands(kNumberVariable, qbk::TypeNumberVariable, 10));

constexpr CommandEntry kArrayVariable[] = {
    {2, "ArrayVariable_Add", ArrayVariable_Add},  // after the shared commands 0 and 1
    {3, "ArrayVariable_Find", ArrayVariable_Find},       {4, "ArrayVariable_Get", ArrayVariable_Get},
    {5, "ArrayVariable_GetCount", ArrayList::GetCount},  {6, "ArrayVariable_GetInt", ArrayVariable_GetInt},
    {7, "ArrayVariable_Insert", ArrayVariable_Insert},   {8, "ArrayVariable_Move", ArrayList::Move},
    {9, "ArrayVariable_Shift", ArrayVariable_Shift},     {10, "ArrayVariable_Shuffle", ArrayList::Shuffle},
    {11, "ArrayVariable_RemoveAt", ArrayList::RemoveAt}, {12, "ArrayVariable_RemoveAll", ArrayVariable_RemoveAll},
    {13, "ArrayVariable_Set", ArrayVariable_Set},        {14, "ArrayVariable_SetCount", ArrayVariable_SetCount},
    {15, "ArrayVariable_Sort", ArrayVariable_Sort},      {16, "ArrayVariable_Swap", ArrayList::Swap},
};
static_assert(NumbersOwnCommands(kArrayVariable, qbk::TypeArrayVariable, 16));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeNumberVariable, kNumberVariable),
                                  OwnCommands(qbk::TypeArrayVariable, kArrayVariable)};

}  // namespace

extern const CommandFamily kNumberArrayVariableFamily("NumberVariable and ArrayVariable", kLists);
