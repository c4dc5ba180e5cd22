// Plug-in extensions (type 52): their functions called by name.
#include "command_table.h"

namespace {

constexpr CommandEntry kExtension[] = {
    {31, "Extension_CallFunction"},  // after the shared commands 0 to 30
    {32, "Extension_GetFunctionCount"},
};
static_assert(NumbersOwnCommands(kExtension, qbk::TypeExtension, 32));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeExtension, kExtension)};

}  // namespace

extern const CommandFamily kExtensionFamily("Extension", kLists);
