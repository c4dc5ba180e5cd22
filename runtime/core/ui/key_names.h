// The names scripts see for keys: the system's virtual-key constant names without their prefix,
// digits and letters by themselves, the keypad digits as NUM0 to NUM9.
#pragma once

#include "fw_string.h"

// The key's name; "" for 0, for codes of 254 and above and for codes without a name.
CString VirtualKeyToKeyName(unsigned code);
// The code of the key of that name, the name compared without regard to case ("return" is
// RETURN); 0 when no key has that name.
unsigned KeyNameToVirtualKey(const char* name);
