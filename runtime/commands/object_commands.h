// Commands 0 and 1 of the window and of every object type from 12 on.
#pragma once

#include "command_args.h"

COMMAND_HANDLER(Object_GetId);
COMMAND_HANDLER(Object_GetName);
