#include "file_helpers.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <new>
#include <vector>

#include "fw_file.h"
#include "path_helpers.h"
#include "value_format.h"

#ifdef _WIN32
#include <direct.h>
#include <io.h>
#include <windows.h>
#else
#include <dirent.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
const char kSeparator = '\\';
int MakeFolder(const char* path) { return _mkdir(path); }
#else
const char kSeparator = '/';
int MakeFolder(const char* path) { return mkdir(path, 0777); }
#endif

bool IsFolder(const CString& path)
{
    struct stat st;
    return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

struct FolderEntry {
    CString name;
    bool folder;
    bool link;  // a folder link (junction or symbolic link)
};

#ifdef _WIN32
// Entries the system's wildcard search finds for the pattern, in its order.
std::vector<FolderEntry> ListEntries(const CString& folder, const CString& mask)
{
    std::vector<FolderEntry> entries;
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA(folder + mask, &data);
    if (find == INVALID_HANDLE_VALUE) return entries;
    do {
        bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        bool isLink = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
        entries.push_back({CString(data.cFileName), isFolder, isLink});
    } while (FindNextFileA(find, &data));
    FindClose(find);
    return entries;
}
#else
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// Wildcards as the system search reads them: '*' any run, '?' one byte, letters without case;
// "*.*" matches every name.
bool MatchMask(const char* mask, const char* name)
{
    if (mask[0] == '*' && mask[1] == '.' && mask[2] == '*' && mask[3] == '\0') return true;
    const char* starMask = nullptr;
    const char* starName = nullptr;
    while (*name) {
        if (*mask == '*') {
            starMask = ++mask;
            starName = name;
        } else if (*mask == '?' || (*mask && Lower(*mask) == Lower(*name))) {
            ++mask;
            ++name;
        } else if (starMask) {
            mask = starMask;
            name = ++starName;
        } else {
            return false;
        }
    }
    while (*mask == '*') ++mask;
    return *mask == '\0';
}

std::vector<FolderEntry> ListEntries(const CString& folder, const CString& mask)
{
    std::vector<FolderEntry> entries;
    DIR* dir = opendir(folder.IsEmpty() ? "." : folder.GetString());
    if (!dir) return entries;
    while (dirent* e = readdir(dir)) {
        if (!MatchMask(mask, e->d_name)) continue;
        CString full = folder + e->d_name;
        struct stat st, lst;
        bool isFolder = stat(full, &st) == 0 && S_ISDIR(st.st_mode);
        bool isLink = lstat(full, &lst) == 0 && S_ISLNK(lst.st_mode);
        entries.push_back({CString(e->d_name), isFolder, isLink});
    }
    closedir(dir);
    // The system's order is arbitrary here; name order keeps runs repeatable.
    std::sort(entries.begin(), entries.end(),
              [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}
#endif

bool IsDotEntry(const CString& name) { return name == "." || name == ".."; }

bool ReadWholeFile(const CString& path, std::vector<unsigned char>& data, int& error)
{
    FILE* f = FwOpenFile(path, "rb");
    if (!f) {
        error = -1;
        return false;
    }
    long long size = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
    std::rewind(f);
    if (size <= 0) {
        std::fclose(f);
        error = size == 0 ? -3 : -1;
        return false;
    }
    try {
        data.resize(static_cast<size_t>(size));
    } catch (const std::bad_alloc&) {
        std::fclose(f);
        error = -2;
        return false;
    }
    size_t got = std::fread(data.data(), 1, data.size(), f);
    std::fclose(f);
    data.resize(got);
    if (got == 0) {
        error = -3;
        return false;
    }
    return true;
}

int WriteWholeFile(const CString& path, const std::vector<unsigned char>& data)
{
    FILE* f = FwOpenFile(path, "wb");
    if (!f) return -4;
    bool ok = data.empty() || std::fwrite(data.data(), 1, data.size(), f) == data.size();
    if (std::fclose(f) != 0) ok = false;
    return ok ? 0 : -4;
}

}  // namespace

bool CreateDirectoryTree(const CString& path)
{
    if (path.IsEmpty()) return false;
    CString folder = path;
    if (folder.Right(1) == "\\" || folder.Right(1) == "/") folder = folder.Left(folder.GetLength() - 1);
    if (folder.IsEmpty()) return IsFolder(path);
    if (MakeFolder(folder) == 0) return true;
    if (errno == ENOENT) {
        // The parent ends at the last separator of either kind, so mixed paths work too.
        int sep = std::max(folder.ReverseFind('\\'), folder.ReverseFind('/'));
        CString parent = sep > 0 ? folder.Left(sep) : CString();
        if (parent.IsEmpty() || !CreateDirectoryTree(parent)) return false;
        if (MakeFolder(folder) == 0) return true;
    }
    // Any other failure counts only when the folder is there after all (it existed already).
    return IsFolder(folder);
}

bool FileExists(const CString& path)
{
    FILE* f = FwOpenFile(path, "rb");
    if (!f) return false;
    std::fclose(f);
    return true;
}

int FindFiles(const CString& pattern, CStringArray& out, bool recurse, bool withFolders, bool withFiles)
{
    int sep = FindLastSeparator(pattern);
    if (sep < 0) return 0;
    CString folder = pattern.Left(sep + 1);
    CString mask = pattern.Mid(sep + 1);

    std::vector<CString> matching;
    for (const FolderEntry& e : ListEntries(folder, mask))
        if (!e.folder && !IsDotEntry(e.name)) matching.push_back(e.name);

    int count = 0;
    for (const FolderEntry& e : ListEntries(folder, "*.*")) {
        if (IsDotEntry(e.name)) continue;
        CString full = folder + e.name;
        if (!e.folder) {
            auto it = std::find(matching.begin(), matching.end(), e.name);
            if (withFiles && it != matching.end()) {
                out.Add(full);
                ++count;
                matching.erase(it);
            }
            continue;
        }
        if (e.link) continue;  // folder links may loop back to an ancestor
        if (withFolders) {
            out.Add(full + kSeparator);
            ++count;
        }
        if (recurse) count += FindFiles(full + kSeparator + mask, out, recurse, withFolders, withFiles);
    }
    return count;
}

CString GetTempFolder()
{
    CString folder;
#ifdef _WIN32
    char buffer[MAX_PATH + 1] = {};
    DWORD n = GetTempPathA(MAX_PATH, buffer);
    if (n > 0 && n <= MAX_PATH) folder = buffer;
#else
    const char* env = std::getenv("TMPDIR");
    folder = (env && *env) ? env : "/tmp";
#endif
    if (!folder.IsEmpty() && folder.Right(1) != "\\" && folder.Right(1) != "/") folder += kSeparator;
    return folder;
}

CString MakeTempFileNameIn(const CString& folder)
{
    CString base = folder;
    if (!base.IsEmpty() && base.Right(1) != "\\" && base.Right(1) != "/") base += kSeparator;
    for (int n = 0; n <= 9999; ++n) {
        CString name = base + "~qbktmp" + IntToString(n) + ".tmp";
        // Created exclusively, so no other caller or program can be handed the same name.
#ifdef _WIN32
        int fd = _open(name, _O_CREAT | _O_EXCL | _O_WRONLY | _O_BINARY, _S_IREAD | _S_IWRITE);
        if (fd >= 0) {
            _close(fd);
            return name;
        }
#else
        int fd = open(name, O_CREAT | O_EXCL | O_WRONLY, 0600);
        if (fd >= 0) {
            close(fd);
            return name;
        }
#endif
        if (errno != EEXIST) return CString();  // the folder itself is unusable
    }
    return CString();
}

namespace {

using Bytes = std::vector<unsigned char>;

// Reads the whole source, turns it into the destination's bytes and writes them.
int TransformFile(const CString& source, const CString& destination, void (*transform)(const Bytes&, Bytes&))
{
    Bytes in, out;
    int error = 0;
    if (!ReadWholeFile(source, in, error)) return error;
    try {
        transform(in, out);
    } catch (const std::bad_alloc&) {
        return -2;
    }
    return WriteWholeFile(destination, out);
}

void Pack(const Bytes& in, Bytes& out)
{
    out.reserve(in.size() + in.size() / 8 + 16);
    const size_t n = in.size();
    size_t i = 0;
    while (i < n) {
        unsigned char b = in[i];
        if (i + 2 < n && in[i + 1] == b && in[i + 2] == b) {
            size_t run = 3;
            while (run < 254 && i + run < n && in[i + run] == b) ++run;
            out.push_back(0xFF);
            out.push_back(static_cast<unsigned char>(run));
            out.push_back(b);
            i += run;
            continue;
        }
        out.push_back(b);
        if (b == 0xFF) out.push_back(0xFF);
        ++i;
    }
}

void Unpack(const Bytes& in, Bytes& out)
{
    const size_t n = in.size();
    for (size_t i = 0; i < n;) {
        if (in[i] != 0xFF) {
            out.push_back(in[i++]);
        } else if (i + 1 < n && in[i + 1] == 0xFF) {
            out.push_back(0xFF);
            i += 2;
        } else if (i + 2 < n) {
            out.insert(out.end(), in[i + 1], in[i + 2]);
            i += 3;
        } else {
            break;  // an escape cut off by the end of the data
        }
    }
}

}  // namespace

int PackFile(const CString& source, const CString& destination) { return TransformFile(source, destination, Pack); }

int UnpackFile(const CString& source, const CString& destination) { return TransformFile(source, destination, Unpack); }
