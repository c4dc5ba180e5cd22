// The path operations that ask the system: full path names, existence and folder scans.
#include "KPath.h"

#include <windows.h>

#include <vector>

namespace {

struct FolderId {
    DWORD volume;
    DWORD high;
    DWORD low;
    bool operator==(const FolderId& o) const { return volume == o.volume && high == o.high && low == o.low; }
};

// The system's identity of a folder, so that a link back to a folder being scanned is seen.
bool IdentifyFolder(const KString& folder, FolderId* id)
{
    KString path = folder.IsEmpty() ? KString(".") : folder;
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    BY_HANDLE_FILE_INFORMATION info;
    bool ok = GetFileInformationByHandle(h, &info) != 0;
    CloseHandle(h);
    if (ok) {
        *id = FolderId{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    }
    return ok;
}

bool IsDots(const char* name) { return name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0')); }

bool IsFolder(const WIN32_FIND_DATAA& found) { return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0; }

// Calls visit for every entry the system finds for the pattern, "." and ".." left out.
template <class Visit>
void ForEachEntry(const KString& pattern, Visit visit)
{
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA(pattern.c_str(), &found);
    if (h == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        if (!IsDots(found.cFileName)) {
            visit(found);
        }
    } while (FindNextFileA(h, &found));
    FindClose(h);
}

// Depth beyond which a scan gives up even when the system cannot tell folders apart.
const int kMaxDepth = 64;

int Scan(KStringList& list, const KString& folder, const KString& mask, bool recurse, bool folders, bool files,
         std::vector<FolderId>& open)
{
    if (static_cast<int>(open.size()) > kMaxDepth) {
        return 0;
    }
    FolderId id{};
    bool known = IdentifyFolder(folder, &id);
    if (known) {
        for (const FolderId& o : open) {
            if (o == id) {
                return 0;  // a link back into a folder that is being scanned
            }
        }
        open.push_back(id);
    }

    KStringList matches;
    ForEachEntry(folder + mask.c_str(), [&](const WIN32_FIND_DATAA& found) {
        if (!IsFolder(found) || folders) {
            matches.Add(found.cFileName);
        }
    });

    int count = 0;
    if (matches.GetCount() > 0 || recurse || folders) {
        ForEachEntry(folder + "*.*", [&](const WIN32_FIND_DATAA& found) {
            int match = matches.Find(found.cFileName);
            if (!IsFolder(found)) {
                if (files && match >= 0) {
                    list.Add((folder + found.cFileName).c_str());
                    ++count;
                    matches.RemoveAt(match);
                }
                return;
            }
            KString sub = folder + found.cFileName + "\\";
            if (folders) {
                list.Add(sub.c_str());
                ++count;
                matches.RemoveAt(match);
            }
            if (recurse) {
                count += Scan(list, sub, mask, recurse, folders, files, open);
            }
        });
    }
    if (known) {
        open.pop_back();
    }
    return count;
}

}  // namespace

int KPath::Set(const char* path)
{
    if (ClassifyRemote(path ? path : "") != Invalid) {
        return m_kind;
    }
    DWORD n = GetFullPathNameA(m_input.c_str(), FullNameSize, m_fullName, nullptr);
    if (n == 0 || n >= static_cast<DWORD>(FullNameSize)) {
        // Empty input, a system failure or a full path that does not fit the buffer.
        m_fullName[0] = '\0';
        return m_kind = Invalid;
    }
    m_full = m_fullName;
    if (m_folder && (m_input == "." || m_input == "..") && m_full.c_str()[m_full.Length() - 1] != '\\') {
        m_full.AppendChar('\\');
    }
    return m_kind = Local;
}

bool KPath::Exists(const char* name)
{
    if (!name || !*name) {
        return false;
    }
    DWORD n = GetFullPathNameA(name, FullNameSize, m_fullName, nullptr);
    if (n == 0 || n >= static_cast<DWORD>(FullNameSize)) {
        m_fullName[0] = '\0';
    }
    if (GetFileAttributesA(name) != INVALID_FILE_ATTRIBUTES) {
        return true;
    }
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA(name, &found);
    if (h == INVALID_HANDLE_VALUE) {
        return false;
    }
    FindClose(h);
    return true;
}

// A pattern without "*" names no set of files to list: nothing is appended and 0 is returned.
int KPath::FindFiles(KStringList& list, const char* pattern, bool recurse, bool folders, bool files)
{
    KString text(pattern);
    int backslash = text.FindLastOf(-1, 1, '\\');
    int slash = text.FindLastOf(-1, 1, '/');
    int split = backslash > slash ? backslash : slash;
    KString folder = text.Left(split + 1);
    KString mask = text.Mid(split + 1);
    if (mask.FindChar('*') < 0) {
        return 0;
    }
    std::vector<FolderId> open;
    return Scan(list, folder, mask, recurse, folders, files, open);
}
