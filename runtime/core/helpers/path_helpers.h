// Splitting paths into their parts. Separators are '\' and '/': a search looks for '\' and
// takes '/' only when the text holds no '\'. Some helpers carry a second name used by commands.
#pragma once

#include "fw_string.h"

// Index of the last / first separator by that rule, or -1.
int FindLastSeparator(const CString& path);
int FindFirstSeparator(const CString& path);

// The text after the last separator (the whole path without one).
CString GetFileName(const CString& path);
inline CString GetFileNamePart(const CString& path) { return GetFileName(path); }
// The file name without its extension (the last '.' after the last separator).
CString GetFileTitle(const CString& path);
inline CString GetFileTitlePart(const CString& path) { return GetFileTitle(path); }
// The extension with its point ("C:\a\f.txt" -> ".txt"), or the empty text.
CString GetFileExtPart(const CString& path);
// The path before the extension's point, or the empty text when the file name has no point.
CString GetPathWithoutExtension(const CString& path);
// "C:" -> "C:\"; a path beginning "\\" -> "\"; beginning "//" -> "/"; otherwise empty.
CString GetDrive(const CString& path);
inline CString GetPathDrive(const CString& path) { return GetDrive(path); }
// From after the first separator up to and including the last ("C:\dir\sub\f.txt" -> "dir\sub\");
// empty with fewer than two separators.
CString GetFolderWithoutDrive(const CString& path);
inline CString SplitPathAtSlash(const CString& path) { return GetFolderWithoutDrive(path); }
