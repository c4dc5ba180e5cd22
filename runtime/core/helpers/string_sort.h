// Sorting of text arrays for lists shown to the user.
#pragma once

#include "fw_array.h"

// Ascending without regard to case (ASCII letters fold); equal texts keep their order.
void SortStrings(CStringArray& texts);
