// Stand-ins for the variable commands, added over the real command table, so that tests and the
// benchmark can drive loops before the variable commands exist. NumberVariable (28): 2 set,
// 3 get, 4 add. LocalNumber (19): 2 set, 3 get (slot = rank among the window's local numbers).
// TextVariable (39): 2 set.
#pragma once

#include "command_context.h"
#include "command_families.h"
#include "command_table.h"
#include "value_format.h"

namespace standin {

inline void Set(CommandContext& ctx) { ctx.Object().Numbers.assign(1, ctx.Real()); }
inline void Get(CommandContext& ctx)
{
    const std::vector<double>& numbers = ctx.Object().Numbers;
    ctx.SetReal(numbers.empty() ? 0.0 : numbers[0]);
}
inline void Add(CommandContext& ctx)
{
    const double value = ctx.Real();
    ctx.Object().Numbers.resize(1);
    ctx.Object().Numbers[0] += value;
}
inline void SetText(CommandContext& ctx)
{
    ctx.Object().TextList.RemoveAll();
    ctx.Object().TextList.Add(ctx.Text());
}
inline size_t Slot(CommandContext& ctx)
{
    const WindowRecord& window = ctx.Window();
    size_t slot = 0;
    for (int i = qbk::kBuiltInObjectCount;
         i < window.GetObjectCount() && window.Objects[size_t(i)].get() != &ctx.Object(); ++i)
        slot += window.Objects[size_t(i)]->Type == ctx.Object().Type;
    return slot;
}
inline void SetLocal(CommandContext& ctx)
{
    const double value = ctx.Real();
    ctx.Frame().NumberSlots.at(Slot(ctx)) = value;
}
inline void GetLocal(CommandContext& ctx) { ctx.SetReal(ctx.Frame().NumberSlots.at(Slot(ctx))); }

inline constexpr CommandEntry kNumber[] = {{2, "Set", Set}, {3, "Get", Get}, {4, "Add", Add}};
inline constexpr CommandEntry kLocal[] = {{2, "SetLocal", SetLocal}, {3, "GetLocal", GetLocal}};
inline constexpr CommandEntry kText[] = {{2, "SetText", SetText}};
inline constexpr CommandList kLists[] = {OwnCommands(qbk::TypeNumberVariable, kNumber),
                                         OwnCommands(qbk::TypeLocalNumber, kLocal),
                                         OwnCommands(qbk::TypeTextVariable, kText)};
inline const CommandFamily kFamily("stand-in variables", kLists);

}  // namespace standin

// The script commands with the stand-ins in place of their types' own commands.
inline CommandTable MakeStandInCommandTable()
{
    CommandTable table = MakeScriptCommandTable();
    table.Add(standin::kFamily);
    return table;
}
