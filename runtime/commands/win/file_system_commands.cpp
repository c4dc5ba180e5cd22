// Files and folders (type 4): copying, packing, listing, paths, shortcuts and the shell.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <memory>

#include "command_context.h"
#include "command_table.h"
#include "control_message.h"
#include "file_helpers.h"
#include "fw_file.h"
#include "image_bitmap.h"
#include "path_helpers.h"
#include "shell_helpers.h"
#include "string_tokenizer.h"
#include "value_format.h"

namespace {

bool SameWord(const CString& word, const char* keyword) { return word.CompareNoCase(keyword) == 0; }

// One trailing '\' cut off ("C:\data\" -> "C:\data").
CString WithoutTrailingSeparator(CString path)
{
    if (path.Right(1) == "\\") path = path.Left(path.GetLength() - 1);
    return path;
}

// True when both paths name one existing file (also through other spellings of the path).
bool SameFile(const CString& a, const CString& b)
{
    auto identity = [](const CString& path, BY_HANDLE_FILE_INFORMATION& info) {
        HANDLE file = CreateFileA(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        const bool known = GetFileInformationByHandle(file, &info) != 0;
        CloseHandle(file);
        return known;
    };
    BY_HANDLE_FILE_INFORMATION x, y;
    return identity(a, x) && identity(b, y) && x.dwVolumeSerialNumber == y.dwVolumeSerialNumber &&
           x.nFileIndexHigh == y.nFileIndexHigh && x.nFileIndexLow == y.nFileIndexLow;
}

// Copies count bytes from the source's start to the target's position in blocks of 100 bytes.
// Raises what the files raise.
void CopyBytes(CFile& source, CFile& target, ULONGLONG count)
{
    BYTE block[100];
    while (count > 0) {
        const UINT got = source.Read(block, UINT(count < sizeof block ? count : sizeof block));
        if (got == 0) break;
        target.Write(block, got);
        count -= got;
    }
}

void FileSystem_AppendFile(CommandContext& ctx)
{
    const CString sourcePath = ctx.Text();
    const CString targetPath = ctx.Text();
    ctx.SetResult("0");
    CFile source, target;
    if (!source.Open(sourcePath, CFile::modeRead | CFile::shareDenyNone)) return;
    if (!target.Open(targetPath, CFile::modeWrite | CFile::shareDenyNone)) return;
    try {
        // Only the bytes there at the start: a file appended to itself doubles once.
        const ULONGLONG length = source.GetLength();
        target.SeekToEnd();
        CopyBytes(source, target, length);
        target.Close();
        ctx.SetResult("1");
    } catch (const CException&) {
    }
}

void FileSystem_ConvertBmpToJpeg(CommandContext& ctx)
{
    const CString bmpPath = ctx.Text();
    const CString jpegPath = ctx.Text();
    const int quality = ctx.Int();
    CImageBitmap image;
    ctx.SetTruth(image.LoadBmpFile(bmpPath) && image.SaveJpegFile(jpegPath, quality));
}

// Packs or unpacks into a target that does not exist yet; "1" only when that worked.
void Transform(CommandContext& ctx, int (*transform)(const CString&, const CString&))
{
    const CString source = ctx.Text();
    const CString target = ctx.Text();
    ctx.SetTruth(FileExists(source) && !FileExists(target) && transform(source, target) == 0);
}

void FileSystem_CompressFile(CommandContext& ctx) { Transform(ctx, PackFile); }
void FileSystem_ExpandFile(CommandContext& ctx) { Transform(ctx, UnpackFile); }

void FileSystem_CopyFile(CommandContext& ctx)
{
    const CString sourcePath = ctx.Text();
    const CString targetPath = ctx.Text();
    ctx.SetResult("0");
    CFile source;
    if (!source.Open(sourcePath, CFile::modeRead | CFile::shareDenyNone)) return;
    const ULONGLONG length = source.GetLength();
    // A file copied onto itself would be emptied before it is read.
    if (length == 0 || SameFile(sourcePath, targetPath)) return;
    CFile target;
    if (!target.Open(targetPath, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyNone)) return;
    try {
        CopyBytes(source, target, length);
        target.Close();
        ctx.SetResult("1");
    } catch (const CException&) {
    }
}

void FileSystem_ExtractEmbeddedFile(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const CString target = ctx.Text();
    CProjectRuntime& runtime = ctx.Runtime();
    ctx.SetTruth(runtime.ExtractEmbeddedFile(runtime.OpenEmbeddedFile(name), target));
}

void FileSystem_CreateShortcut(CommandContext& ctx)
{
    const CString target = ctx.Text();
    const CString shortcut = ctx.Text();
    const CString description = ctx.Text();
    ctx.SetTruth(CreateShellLink(target, shortcut, description));
}

void FileSystem_DeleteFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    ctx.SetTruth(FileExists(path) && DeleteFileA(path));
}

void FileSystem_RemoveDirectory(CommandContext& ctx)
{
    const CString path = ctx.Text();
    ctx.SetTruth(!path.IsEmpty() && RemoveDirectoryA(WithoutTrailingSeparator(path)));
}

void FileSystem_EmptyRecycleBin(CommandContext& ctx)
{
    const HRESULT done =
        SHEmptyRecycleBinA(ScriptWindowHandle(ctx), nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    ctx.SetTruth(done == S_OK);
}

int ShowCommand(const CString& keyword)
{
    if (SameWord(keyword, "MAXIMIZE")) return SW_SHOWMAXIMIZED;
    if (SameWord(keyword, "MINIMIZE")) return SW_MINIMIZE;
    if (SameWord(keyword, "HIDE")) return SW_HIDE;
    return SW_SHOWNORMAL;
}

void FileSystem_ShellExecute(CommandContext& ctx)
{
    const CString file = ctx.Text();
    const CString parameters = ctx.Text();
    const CString show = ctx.Text();
    const HINSTANCE done = ShellExecuteA(nullptr, "open", file, parameters, nullptr, ShowCommand(show));
    ctx.SetTruth(reinterpret_cast<INT_PTR>(done) > 32);
}

void FileSystem_FileExists(CommandContext& ctx) { ctx.SetTruth(FileExists(ctx.Text())); }

void FileSystem_ListFiles(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const bool recurse = ctx.Int() != 0;
    const CString mode = ctx.Text();
    const CString morePatterns = ctx.Text();
    const int separator = FindLastSeparator(path);
    if (separator < 0) return;
    const bool folders = SameWord(mode, "FILESDIRS") || SameWord(mode, "ONLYDIRS");
    const bool files = !SameWord(mode, "ONLYDIRS");
    CStringArray names;
    FindFiles(path, names, recurse, folders, files);
    CStringTokenizer patterns(morePatterns);
    const int count = patterns.Split(",", '"', CStringTokenizer::kTrimBlanks);
    const CString folder = path.Left(separator + 1);
    for (int i = 0; i < count; ++i) FindFiles(folder + patterns.GetAt(i), names, recurse, folders, files);
    ctx.Object().TextList.RemoveAll();
    ctx.Object().TextList.Append(names);
    ctx.SetInt(int(names.GetSize()));
}

void FileSystem_TempFileName(CommandContext& ctx)
{
    CString folder = ctx.Text();
    if (folder.Right(1) != "\\") folder += "\\";
    CString name;
    for (int n = 0; n <= 9999; ++n) {
        name = folder + "~tmp" + IntToString(n) + ".tmp";
        if (!FileExists(name)) break;
    }
    ctx.SetResult(name);
}

void FileSystem_GetCurrentDirectory(CommandContext& ctx)
{
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetCurrentDirectoryA(sizeof folder, folder);
    if (length > 0 && length < sizeof folder) ctx.SetResult(CString(folder) + "\\");
}

// Kilobytes of the disk that holds the path, free to the caller or in all.
void DiskSpace(CommandContext& ctx, bool total)
{
    const CString path = ctx.Text();
    ctx.SetResult("0");
    ULARGE_INTEGER available, all, free;
    if (GetDiskFreeSpaceExA(path, &available, &all, &free))
        ctx.SetResult(Int64ToString(int64_t((total ? all : available).QuadPart >> 10)));
}

void FileSystem_GetDiskFreeSpace(CommandContext& ctx) { DiskSpace(ctx, false); }
void FileSystem_GetDiskTotalSpace(CommandContext& ctx) { DiskSpace(ctx, true); }

void FileSystem_GetDrive(CommandContext& ctx) { ctx.SetResult(GetPathDrive(ctx.Text())); }
void FileSystem_GetExtension(CommandContext& ctx) { ctx.SetResult(GetFileExtPart(ctx.Text())); }
void FileSystem_SplitPath(CommandContext& ctx) { ctx.SetResult(SplitPathAtSlash(ctx.Text())); }
void FileSystem_GetFileTitle(CommandContext& ctx) { ctx.SetResult(GetFileTitlePart(ctx.Text())); }
void FileSystem_GetFileName(CommandContext& ctx) { ctx.SetResult(GetFileNamePart(ctx.Text())); }

void FileSystem_GetListEntry(CommandContext& ctx)
{
    const int index = ctx.Int();
    const CStringArray& names = ctx.Object().TextList;
    if (index >= 0 && index < names.GetSize()) ctx.SetResult(names[index]);
}

void FileSystem_GetListCount(CommandContext& ctx) { ctx.SetInt(int(ctx.Object().TextList.GetSize())); }

void FileSystem_GetFileSize(CommandContext& ctx)
{
    const CString path = ctx.Text();
    CFile file;
    ctx.SetResult(
        Int64ToString(file.Open(path, CFile::modeRead | CFile::shareDenyNone) ? int64_t(file.GetLength()) : 0));
}

void FileSystem_GetShortPath(CommandContext& ctx)
{
    const CString path = ctx.Text();
    char shortPath[MAX_PATH] = {};
    const DWORD length = GetShortPathNameA(path, shortPath, sizeof shortPath);
    if (length > 0 && length < sizeof shortPath) ctx.SetResult(shortPath);
}

void FileSystem_FolderExists(CommandContext& ctx)
{
    const CString path = ctx.Text();
    CString folder = WithoutTrailingSeparator(path);
    if (folder.GetLength() == 2 && folder[1] == ':') folder += "\\";  // a drive's root
    const DWORD attributes = path.IsEmpty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesA(folder);
    ctx.SetTruth(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

void FileSystem_CreateEmptyFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    CFile file;
    ctx.SetTruth(file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareDenyNone));
}

void FileSystem_CreateDirectory(CommandContext& ctx)
{
    const CString path = ctx.Text();
    ctx.SetTruth(!path.IsEmpty() && CreateFolderPath(path));
}

void FileSystem_RenameFile(CommandContext& ctx)
{
    const CString oldPath = ctx.Text();
    const CString newPath = ctx.Text();
    ctx.SetTruth(FileExists(oldPath) && !FileExists(newPath) && MoveFileA(oldPath, newPath));
}

void FileSystem_SetCurrentDirectory(CommandContext& ctx)
{
    const CString path = ctx.Text();
    if (!path.IsEmpty()) SetCurrentDirectoryA(path);
}

constexpr CommandEntry kFileSystem[] = {
    {0, "FileSystem_AppendFile", FileSystem_AppendFile},  // no shared commands: own numbers from 0
    {1, "FileSystem_ConvertBmpToJpeg", FileSystem_ConvertBmpToJpeg},
    {2, "FileSystem_CompressFile", FileSystem_CompressFile},
    {3, "FileSystem_CopyFile", FileSystem_CopyFile},
    {4, "FileSystem_ExtractEmbeddedFile", FileSystem_ExtractEmbeddedFile},
    {5, "FileSystem_CreateShortcut", FileSystem_CreateShortcut},
    {6, "FileSystem_ExpandFile", FileSystem_ExpandFile},
    {7, "FileSystem_DeleteFile", FileSystem_DeleteFile},
    {8, "FileSystem_RemoveDirectory", FileSystem_RemoveDirectory},
    {9, "FileSystem_EmptyRecycleBin", FileSystem_EmptyRecycleBin},
    {10, "FileSystem_ShellExecute", FileSystem_ShellExecute},
    {11, "FileSystem_FileExists", FileSystem_FileExists},
    {12, "FileSystem_ListFiles", FileSystem_ListFiles},
    {13, "FileSystem_TempFileName", FileSystem_TempFileName},
    {14, "FileSystem_GetCurrentDirectory", FileSystem_GetCurrentDirectory},
    {15, "FileSystem_GetDiskFreeSpace", FileSystem_GetDiskFreeSpace},
    {16, "FileSystem_GetDiskTotalSpace", FileSystem_GetDiskTotalSpace},
    {17, "FileSystem_GetDrive", FileSystem_GetDrive},
    {18, "FileSystem_GetExtension", FileSystem_GetExtension},
    {19, "FileSystem_SplitPath", FileSystem_SplitPath},
    {20, "FileSystem_GetListEntry", FileSystem_GetListEntry},
    {21, "FileSystem_GetListCount", FileSystem_GetListCount},
    {22, "FileSystem_GetFileTitle", FileSystem_GetFileTitle},
    {23, "FileSystem_GetFileName", FileSystem_GetFileName},
    {24, "FileSystem_GetFileSize", FileSystem_GetFileSize},
    {25, "FileSystem_GetShortPath", FileSystem_GetShortPath},
    {26, "FileSystem_FolderExists", FileSystem_FolderExists},
    {27, "FileSystem_CreateEmptyFile", FileSystem_CreateEmptyFile},
    {28, "FileSystem_CreateDirectory", FileSystem_CreateDirectory},
    {29, "FileSystem_RenameFile", FileSystem_RenameFile},
    {30, "FileSystem_SetCurrentDirectory", FileSystem_SetCurrentDirectory},
};
static_assert(NumbersOwnCommands(kFileSystem, qbk::TypeFileSystem, 30));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeFileSystem, kFileSystem)};

}  // namespace

extern const CommandFamily kFileSystemFamily("FileSystem", kLists);
