// Shell services used by commands (Windows only): opening documents, shortcuts, the folder
// picker and the program's own resources.
#pragma once

#include "fw_file.h"
#include "fw_string.h"
#include "fw_types.h"

// Asks the shell to "open" the path or address, shown normally.
void OpenWithShell(const CString& target);
// Writes a shell shortcut (.lnk) to target with target as working folder. True when the shortcut
// was saved. Needs COM initialised on the calling thread.
bool CreateShortcut(const CString& target, const CString& shortcutPath, const CString& description);
inline bool CreateShellLink(const CString& target, const CString& shortcutPath, const CString& description)
{
    return CreateShortcut(target, shortcutPath, description);
}
// The file-system folder the user picks, with a trailing '\' unless it is a drive root; the empty
// text when cancelled.
CString BrowseForFolder(HWND owner, const CString& title);
// Copies the program's resource (type name, id) into the file at its position. False when the
// resource is missing or the file refuses the bytes.
bool LoadResourceToFile(const char* typeName, int id, CFile& file);
