// The script commands of every family of object types, as the dispatcher looks them up.
#pragma once

#include "command_table.h"

// A table of every registered family (a test adds stand-ins to its own copy).
CommandTable MakeScriptCommandTable();
// The one table the runtime runs with.
const CommandTable& GetScriptCommandTable();
