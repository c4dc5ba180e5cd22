// Files and folders shared by the command families: folder creation, existence test, folder
// search, temporary file names and the run-length file packer.
#pragma once

#include "fw_array.h"
#include "fw_string.h"

// Creates the folder and every missing parent (one trailing separator is ignored). True only when
// the folder exists afterwards.
bool CreateDirectoryTree(const CString& path);
inline bool CreateFolderPath(const CString& path) { return CreateDirectoryTree(path); }

// True when the file opens for reading (a folder is no file).
bool FileExists(const CString& path);

// pattern = a folder path ending in a file mask ("C:\data\*.txt"). Appends the full paths of the
// matching files and (with withFolders) of every sub-folder, followed by a separator, depth first
// when recursing; answers how many it appended. Folders are never filtered by the mask; folder
// links are not followed (they may loop). 0 when the pattern holds no separator.
int FindFiles(const CString& pattern, CStringArray& out, bool recurse, bool withFolders, bool withFiles);

// The system's temporary folder, ending in a separator.
CString GetTempFolder();
// Creates a new empty file folder + "~qbktmp" + n + ".tmp" for the smallest free n from 0 to 9999
// and answers its name; never a name that existed. The empty text when none is free.
CString MakeTempFileNameIn(const CString& folder);
inline CString MakeTempFileName() { return MakeTempFileNameIn(GetTempFolder()); }

// Run-length packing of a whole file: 0xFF is the escape; 0xFF 0xFF stands for one 0xFF and
// 0xFF n v for n copies of v (n up to 254). Results: 0 done, -1 source not opened, -2 no memory,
// -3 source empty, -4 destination not created or not completely written.
int PackFile(const CString& source, const CString& destination);
int UnpackFile(const CString& source, const CString& destination);
