#include "safe_save.h"

#include <cerrno>
#include <cstdio>
#include <algorithm>
#include <new>

#include "file_helpers.h"

namespace qbk {

namespace {

// The old file, if there is one, must be a file this program may write: saving never replaces
// what it could not have overwritten.
bool MayWrite(const CString& path)
{
#ifdef _WIN32
    // Asked outright: a program with every right may open a read-only file for writing.
    const DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return false;
#endif
    std::FILE* file = FwOpenFile(path, "r+b");
    if (file) {
        std::fclose(file);
        return true;
    }
    return errno == ENOENT;
}

// Puts the new file in the old one's place in one step.
bool MoveOver(const CString& from, const CString& to)
{
#ifdef _WIN32
    // The C library's rename refuses an existing target here.
    return MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
    return std::rename(from, to) == 0;
#endif
}

bool WriteAll(const CString& name, const std::function<void(CFile&)>& write)
{
    CFile file;
    if (!file.Open(name, CFile::modeWrite | CFile::modeCreate | CFile::typeBinary)) return false;
    try {
        write(file);
        file.Close();
        return true;
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    }
    file.Abort();
    return false;
}

}  // namespace

bool SaveFileSafely(const CString& path, const std::function<void(CFile&)>& write)
{
    if (path.IsEmpty() || !MayWrite(path)) return false;
    const int folderEnd = std::max(path.ReverseFind('\\'), path.ReverseFind('/')) + 1;
    const CString temporary = MakeTempFileNameIn(path.Left(folderEnd));
    if (temporary.IsEmpty()) return false;
    if (WriteAll(temporary, write) && MoveOver(temporary, path)) return true;
    std::remove(temporary);
    return false;
}

}  // namespace qbk
