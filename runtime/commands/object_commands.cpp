#include "object_commands.h"

#include "value_format.h"

COMMAND_HANDLER(Object_GetId) { frame.Result = IntToString(object.Id); }

COMMAND_HANDLER(Object_GetName) { frame.Result = object.Name; }
