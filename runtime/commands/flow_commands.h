// Conditions, loops and window calls (types 0, 1 and 2).
#pragma once

#include "fw_string.h"

// Compares left and right with the operator: as numbers when both are numbers, else as texts.
// "1", "0", or "" for an operator other than = != < > <= >=.
CString CompareValues(const CString& left, const CString& op, const CString& right);
