// Registry texts for the Registry commands (Windows only). Every key opened is closed before the
// call returns; reads ask for read access only, so they also work on keys the user may not change.
#pragma once

#include "fw_string.h"
#include "fw_types.h"

// The value's text when it exists, is a string (plain or expandable) and fits 1024 bytes with its
// terminating zero (a value stored without one is read as its bytes, at most 1023); else the empty
// text.
CString RegGetString(HKEY root, const CString& subKey, const CString& valueName);
// Creates or opens the key (non-volatile) and writes the text as a plain string value.
bool RegSetString(HKEY root, const CString& subKey, const CString& valueName, const CString& text);
bool RegDeleteValue(HKEY root, const CString& subKey, const CString& valueName);
// Deletes the named sub-key of root (a key without sub-keys of its own).
bool RegDeleteSubKey(HKEY root, const CString& subKey);

inline CString RegReadString(HKEY root, const CString& subKey, const CString& valueName)
{
    return RegGetString(root, subKey, valueName);
}
inline bool RegWriteString(HKEY root, const CString& subKey, const CString& valueName, const CString& text)
{
    return RegSetString(root, subKey, valueName, text);
}
inline bool RegDeleteValueName(HKEY root, const CString& subKey, const CString& valueName)
{
    return RegDeleteValue(root, subKey, valueName);
}
inline bool RegDeleteKeyPath(HKEY root, const CString& subKey) { return RegDeleteSubKey(root, subKey); }
