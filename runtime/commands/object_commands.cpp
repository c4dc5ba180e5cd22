// Commands 0 and 1, which the window and every object from type 12 on share: the object's id and
// name.
#include "command_context.h"
#include "command_table.h"

namespace {

void Object_GetId(CommandContext& ctx) { ctx.SetInt(ctx.Object().Id); }

void Object_GetName(CommandContext& ctx) { ctx.SetResult(ctx.Object().Name); }

constexpr CommandEntry kObjectCommands[] = {
    {0, "Object_GetId", Object_GetId},
    {1, "Object_GetName", Object_GetName},
};
static_assert(NumbersCommands(kObjectCommands, qbk::kFirstObjectCommand, qbk::kLastObjectCommand));

constexpr CommandList kLists[] = {SharedObjectCommands(kObjectCommands)};

}  // namespace

extern const CommandFamily kObjectFamily("object commands", kLists);
