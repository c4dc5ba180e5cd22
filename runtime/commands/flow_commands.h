// Conditions, loop heads and window function calls (types 0, 1 and 2).
#pragma once

#include "command_args.h"

// Compares left and right with the operator: as numbers when both are numbers, else as texts.
// "1", "0", or "" for an operator other than = != < > <= >=.
CString CompareValues(const CString& left, const CString& op, const CString& right);

COMMAND_HANDLER(Condition_Evaluate);
COMMAND_HANDLER(WindowCall_Cmd0);  // call a function of a window by name
COMMAND_HANDLER(WindowCall_Cmd1);  // call a function that a nested project offers
