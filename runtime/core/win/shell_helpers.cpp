#include "shell_helpers.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

void OpenWithShell(const CString& target) { ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOWNORMAL); }

bool CreateShortcut(const CString& target, const CString& shortcutPath, const CString& description)
{
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    link->SetPath(target);
    link->SetWorkingDirectory(target);
    link->SetDescription(description);
    bool saved = false;
    IPersistFile* file = nullptr;
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
        WCHAR wide[MAX_PATH] = {};
        if (MultiByteToWideChar(CP_ACP, 0, shortcutPath, -1, wide, MAX_PATH) > 0)
            saved = SUCCEEDED(file->Save(wide, TRUE));
        file->Release();
    }
    link->Release();
    return saved;
}

CString BrowseForFolder(HWND owner, const CString& title)
{
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.lpszTitle = title;
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (!item) return CString();
    char path[MAX_PATH] = {};
    CString folder;
    if (SHGetPathFromIDListA(item, path)) folder = path;
    CoTaskMemFree(item);  // the shell's allocator
    if (folder.GetLength() > 3) folder += '\\';
    return folder;
}

bool LoadResourceToFile(const char* typeName, int id, CFile& file)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), typeName);
    if (!found) return false;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    DWORD size = SizeofResource(nullptr, found);
    if (!data) return false;
    try {
        file.Write(data, size);
    } catch (const CFileException&) {
        return false;
    } catch (const CMemoryException&) {
        return false;
    }
    return true;
}
