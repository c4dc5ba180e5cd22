// The instruction text form (an object reference: 0x01 window 0x02 object 0x03 number 0x04
// parameters 0x06) and its parser; the compile, free and rebind operations are members of
// CProjectRuntime (script_compiler.cpp).
#pragma once

#include "fw_string.h"

// Splits a reference into its ids and number, leaving its parameter bytes (without the close byte)
// in text. Answers false, with the ids -1, the number 0 and text empty, when text is not a whole
// reference: the open byte, the three separators in order, decimal numbers between them and the
// close byte at the end.
bool ParseObjectReference(CString& text, int& windowId, int& objectId, int& number);

// The text with the window id of every reference in it (nested ones too) replaced by windowId.
CString RebindReferences(const CString& text, int windowId);
