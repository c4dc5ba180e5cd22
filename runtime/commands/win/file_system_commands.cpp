// Files and folders (type 4): copying, packing, listing, paths, shortcuts and the shell.
#include "command_table.h"

namespace {

constexpr CommandEntry kFileSystem[] = {
    {0, "FileSystem_AppendFile"},  // no shared commands: own numbers from 0
    {1, "FileSystem_ConvertBmpToJpeg"},  {2, "FileSystem_CompressFile"},
    {3, "FileSystem_CopyFile"},          {4, "FileSystem_ExtractEmbeddedFile"},
    {5, "FileSystem_CreateShortcut"},    {6, "FileSystem_ExpandFile"},
    {7, "FileSystem_DeleteFile"},        {8, "FileSystem_RemoveDirectory"},
    {9, "FileSystem_EmptyRecycleBin"},   {10, "FileSystem_ShellExecute"},
    {11, "FileSystem_FileExists"},       {12, "FileSystem_ListFiles"},
    {13, "FileSystem_TempFileName"},     {14, "FileSystem_GetCurrentDirectory"},
    {15, "FileSystem_GetDiskFreeSpace"}, {16, "FileSystem_GetDiskTotalSpace"},
    {17, "FileSystem_GetDrive"},         {18, "FileSystem_GetExtension"},
    {19, "FileSystem_SplitPath"},        {20, "FileSystem_GetListEntry"},
    {21, "FileSystem_GetListCount"},     {22, "FileSystem_GetFileTitle"},
    {23, "FileSystem_GetFileName"},      {24, "FileSystem_GetFileSize"},
    {25, "FileSystem_GetShortPath"},     {26, "FileSystem_FolderExists"},
    {27, "FileSystem_CreateEmptyFile"},  {28, "FileSystem_CreateDirectory"},
    {29, "FileSystem_RenameFile"},       {30, "FileSystem_SetCurrentDirectory"},
};
static_assert(NumbersOwnCommands(kFileSystem, qbk::TypeFileSystem, 30));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeFileSystem, kFileSystem)};

}  // namespace

extern const CommandFamily kFileSystemFamily("FileSystem", kLists);
