// Registry texts (type 34).
#include "command_table.h"

namespace {

constexpr CommandEntry kRegistry[] = {
    {2, "Registry_ReadString"},  // after the shared commands 0 and 1
    {3, "Registry_DeleteKey"},
    {4, "Registry_DeleteValue"},
    {5, "Registry_WriteString"},
};
static_assert(NumbersOwnCommands(kRegistry, qbk::TypeRegistry, 5));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeRegistry, kRegistry)};

}  // namespace

extern const CommandFamily kRegistryFamily("Registry", kLists);
