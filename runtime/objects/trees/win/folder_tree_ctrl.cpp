#include "folder_tree_ctrl.h"

#include <shellapi.h>

#include <string>
#include <vector>

#include "outline_format.h"

namespace {

constexpr int kDriveStringsLength = 128;

bool IsDots(const char* name) { return strcmp(name, ".") == 0 || strcmp(name, "..") == 0; }

CString WithBackslash(const CString& path)
{
    CString result = path;
    if (result.IsEmpty() || result[result.GetLength() - 1] != '\\') result += '\\';
    return result;
}

CString WithoutBackslash(const CString& path)
{
    CString result = path;
    while (!result.IsEmpty() && result[result.GetLength() - 1] == '\\') result = result.Left(result.GetLength() - 1);
    return result;
}

// The system's small and open icon indexes of a path; false when the shell knows none.
bool SystemIcons(const CString& path, bool folder, int* icon, int* openIcon)
{
    SHFILEINFOA info = {};
    const UINT common = SHGFI_ICON | SHGFI_SMALLICON | SHGFI_SYSICONINDEX;
    if (!::SHGetFileInfoA(path, 0, &info, sizeof info, common)) return false;
    *icon = info.iIcon;
    if (info.hIcon) ::DestroyIcon(info.hIcon);
    *openIcon = *icon;
    SHFILEINFOA open = {};
    if (folder && ::SHGetFileInfoA(path, 0, &open, sizeof open, common | SHGFI_OPENICON)) {
        *openIcon = open.iIcon;
        if (open.hIcon) ::DestroyIcon(open.hIcon);
    }
    return true;
}

// Redrawing off and the wait cursor, for as long as it lives.
class BusyFilling {
public:
    explicit BusyFilling(HWND tree) : m_tree(tree), m_cursor(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT)))
    {
        ::SendMessageA(m_tree, WM_SETREDRAW, FALSE, 0);
    }
    ~BusyFilling()
    {
        ::SendMessageA(m_tree, WM_SETREDRAW, TRUE, 0);
        ::InvalidateRect(m_tree, nullptr, TRUE);
        ::SetCursor(m_cursor);
    }
    BusyFilling(const BusyFilling&) = delete;
    BusyFilling& operator=(const BusyFilling&) = delete;

private:
    HWND m_tree;
    HCURSOR m_cursor;
};

}  // namespace

bool CFolderTreeCtrl::IsExpanded(HTREEITEM item) const
{
    return (SendMessage(TVM_GETITEMSTATE, WPARAM(item), TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

bool CFolderTreeCtrl::HasItem(HTREEITEM item) const
{
    if (!item || item == TVI_ROOT) return false;
    int depth = 0;
    for (HTREEITEM at = Child(nullptr); at; at = NextItem(at, &depth))
        if (at == item) return true;
    return false;
}

HTREEITEM CFolderTreeCtrl::NextItem(HTREEITEM item, int* depth) const
{
    if (HTREEITEM child = Child(item)) {
        ++*depth;
        return child;
    }
    for (HTREEITEM at = item; at; at = Parent(at)) {
        if (HTREEITEM next = NextSibling(at)) return next;
        --*depth;
    }
    return nullptr;
}

CString CFolderTreeCtrl::ItemText(HTREEITEM item) const
{
    char text[kMaxItemText + 1] = "";
    TVITEMA get = {};
    get.mask = TVIF_TEXT;
    get.hItem = item;
    get.pszText = text;
    get.cchTextMax = sizeof text;
    if (!item || !SendMessage(TVM_GETITEMA, 0, LPARAM(&get))) return CString();
    return CString(text);
}

bool CFolderTreeCtrl::IsInBranch(HTREEITEM ancestor, HTREEITEM item) const
{
    for (HTREEITEM at = item; at; at = Parent(at))
        if (at == ancestor) return true;
    return false;
}

HTREEITEM CFolderTreeCtrl::Insert(HTREEITEM parent, HTREEITEM after, const char* text, int image, int selectedImage,
                                  LPARAM data, UINT extraMask)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = after ? after : TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM | extraMask;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = selectedImage;
    insert.item.lParam = data;
    return HTREEITEM(SendMessage(TVM_INSERTITEMA, 0, LPARAM(&insert)));
}

HTREEITEM CFolderTreeCtrl::CopyItem(HTREEITEM item, HTREEITEM parent, HTREEITEM after, CFolderTreeCtrl* target)
{
    char text[kMaxItemText + 1] = "";
    TVITEMA get = {};
    get.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_PARAM;
    get.hItem = item;
    get.pszText = text;
    get.cchTextMax = sizeof text;
    get.stateMask = UINT(-1);
    if (!SendMessage(TVM_GETITEMA, 0, LPARAM(&get))) return nullptr;
    CFolderTreeCtrl& tree = target ? *target : *this;
    return tree.Insert(parent, after, text, get.iImage, get.iSelectedImage, get.lParam);
}

HTREEITEM CFolderTreeCtrl::CopyBranch(HTREEITEM item, HTREEITEM parent, HTREEITEM after, CFolderTreeCtrl* target)
{
    const HTREEITEM copy = CopyItem(item, parent, after, target);
    if (!copy) return nullptr;
    for (HTREEITEM child = Child(item); child; child = NextSibling(child)) CopyBranch(child, copy, TVI_LAST, target);
    return copy;
}

HTREEITEM CFolderTreeCtrl::Place(HTREEITEM item, HTREEITEM target, bool asChild, bool last, CFolderTreeCtrl& tree)
{
    if (!HasItem(item) || (target && !tree.HasItem(target))) return nullptr;
    HTREEITEM parent = TVI_ROOT, after = last ? TVI_LAST : TVI_FIRST;
    if (target && asChild) {
        parent = target;
        after = TVI_LAST;
    } else if (target) {
        const HTREEITEM targetParent = tree.Parent(target);
        parent = targetParent ? targetParent : TVI_ROOT;
        const HTREEITEM previous = tree.PrevSibling(target);
        after = previous ? previous : TVI_FIRST;
    }
    // A branch copied into itself would copy its own copy without end.
    if (&tree == this && parent != TVI_ROOT && IsInBranch(item, parent)) return nullptr;
    return CopyBranch(item, parent, after, &tree);
}

HTREEITEM CFolderTreeCtrl::MoveItem(HTREEITEM item, HTREEITEM target, bool asChild, bool last)
{
    if (item == target) return nullptr;
    const HTREEITEM moved = Place(item, target, asChild, last, *this);
    if (moved) SendMessage(TVM_DELETEITEM, 0, LPARAM(item));
    return moved;
}

HTREEITEM CFolderTreeCtrl::CopyItemTo(HTREEITEM item, HTREEITEM target, bool asChild, bool last,
                                      CFolderTreeCtrl* targetTree)
{
    CFolderTreeCtrl& tree = targetTree ? *targetTree : *this;
    if (&tree == this && item == target) return nullptr;
    return Place(item, target, asChild, last, tree);
}

HTREEITEM CFolderTreeCtrl::FindChildByText(HTREEITEM parent, const char* text) const
{
    for (HTREEITEM child = Child(parent == TVI_ROOT ? nullptr : parent); child; child = NextSibling(child))
        if (ItemText(child) == text) return child;
    return nullptr;
}

CString CFolderTreeCtrl::GetItemPath(HTREEITEM item) const
{
    CString path;
    for (HTREEITEM at = item; at; at = Parent(at)) {
        const CString piece = WithoutBackslash(ItemText(at));
        path = path.IsEmpty() ? piece : piece + "\\" + path;
    }
    return path;
}

bool CFolderTreeCtrl::SaveOutline(CMemFile& file, bool withData) const
{
    int depth = 0;
    for (HTREEITEM item = Child(nullptr); item; item = NextItem(item, &depth)) {
        TVITEMA get = {};
        get.mask = TVIF_PARAM;
        get.hItem = item;
        SendMessage(TVM_GETITEMA, 0, LPARAM(&get));
        const std::string line =
            qbk::OutlineLineText(depth, std::string(ItemText(item)), withData, long(int(get.lParam)));
        file.Write(line.data(), UINT(line.size()));
    }
    file.SeekToBegin();
    return true;
}

bool CFolderTreeCtrl::SaveToFile(const char* path, bool withData) const
{
    CMemFile outline;
    CFile file;
    try {
        SaveOutline(outline, withData);
        if (!file.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) return false;
        file.Write(outline.Data(), UINT(outline.GetLength()));
        file.Close();
    } catch (const CException&) {
        return false;
    }
    return true;
}

bool CFolderTreeCtrl::LoadOutline(CFile& file)
{
    std::vector<char> bytes;
    try {
        const ULONGLONG position = file.GetPosition();
        bytes.resize(size_t(file.GetLength()));
        file.SeekToBegin();
        if (!bytes.empty()) bytes.resize(file.Read(bytes.data(), UINT(bytes.size())));
        file.Seek(LONGLONG(position), CFile::begin);
    } catch (const CException&) {
        return false;
    }
    const std::vector<qbk::OutlineLine> lines = qbk::ReadOutline(bytes.data(), bytes.size());
    SendMessage(TVM_DELETEITEM, 0, LPARAM(TVI_ROOT));
    SendMessage(WM_SETREDRAW, FALSE);
    std::vector<HTREEITEM> items(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const qbk::OutlineLine& line = lines[i];
        const int image = line.HasNumber ? int(line.Number & 0xFFFF) : 0;
        const HTREEITEM parent = line.Parent >= 0 ? items[size_t(line.Parent)] : TVI_ROOT;
        items[i] = Insert(parent ? parent : TVI_ROOT, TVI_LAST, line.Text.c_str(), image, image,
                          line.HasNumber ? LPARAM(line.Number) : 0);
    }
    SendMessage(WM_SETREDRAW, TRUE);
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    return true;
}

bool CFolderTreeCtrl::LoadFromFile(const char* path)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) return false;
    return LoadOutline(file);
}

// ---- folder browsing --------------------------------------------------------------------------

bool CFolderTreeCtrl::SetRootFolder(const char* folder, bool showFiles)
{
    m_browsing = true;
    ::SetWindowLongPtrA(m_hWnd, GWL_STYLE, ::GetWindowLongPtrA(m_hWnd, GWL_STYLE) & ~LONG_PTR(TVS_EDITLABELS));
    SendMessage(TVM_DELETEITEM, 0, LPARAM(TVI_ROOT));
    SHFILEINFOA info = {};
    m_systemImages = HIMAGELIST(::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
    if (!m_systemImages) {
        m_lastError = "Cannot retrieve the Handle of SystemImageList!";
        return false;
    }
    SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, LPARAM(m_systemImages));
    m_showFiles = showFiles;
    const CString root = folder ? CString(folder) : CString();
    if (root.IsEmpty()) {
        m_rootFolder.Empty();
        return FillDrives();
    }
    m_rootFolder = WithBackslash(root);
    const HTREEITEM item = AddFolderItem(TVI_ROOT, m_rootFolder);
    if (!item) return false;
    FillFolder(item, m_rootFolder);
    return true;
}

HTREEITEM CFolderTreeCtrl::AddFolderItem(HTREEITEM parent, const CString& path)
{
    int icon = 0, openIcon = 0;
    const bool folder = !path.IsEmpty() && path[path.GetLength() - 1] == '\\';
    if (!SystemIcons(path, folder, &icon, &openIcon)) {
        m_lastError = "Error Gettting SystemFileInfo!";
        return nullptr;
    }
    CString text = WithoutBackslash(path);
    if (parent != TVI_ROOT) {
        const int slash = text.ReverseFind('\\');
        if (slash >= 0) text = text.Mid(slash + 1);
    }
    return Insert(parent, TVI_LAST, text, icon, openIcon, 0);
}

bool CFolderTreeCtrl::FillDrives()
{
    char drives[kDriveStringsLength + 1] = "";
    const DWORD length = ::GetLogicalDriveStringsA(kDriveStringsLength, drives);
    if (length == 0 || length > kDriveStringsLength) {
        m_lastError = "Error Getting Logical DriveStrings!";
        return false;
    }
    BusyFilling busy(m_hWnd);
    for (const char* drive = drives; *drive; drive += strlen(drive) + 1) {
        const HTREEITEM item = AddFolderItem(TVI_ROOT, WithBackslash(drive));
        if (item && HasChildren(WithBackslash(drive))) Insert(item, TVI_LAST, "", 0, 0, 0);
    }
    return true;
}

bool CFolderTreeCtrl::HasChildren(const CString& folder) const
{
    WIN32_FIND_DATAA found = {};
    const HANDLE search = ::FindFirstFileA(WithBackslash(folder) + "*.*", &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    bool any = false;
    do {
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            any = !IsDots(found.cFileName);
        else
            any = m_showFiles && !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN);
    } while (!any && ::FindNextFileA(search, &found));
    ::FindClose(search);
    return any;
}

void CFolderTreeCtrl::FillFolder(HTREEITEM item, const CString& folder)
{
    const CString base = WithBackslash(folder);
    std::vector<std::string> folders, files;
    WIN32_FIND_DATAA found = {};
    const HANDLE search = ::FindFirstFileA(base + "*.*", &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::string path = std::string(base) + found.cFileName;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                if (!IsDots(found.cFileName)) folders.push_back(path);
            } else if (m_showFiles && !(found.dwFileAttributes & FILE_ATTRIBUTE_HIDDEN)) {
                // Hidden files stay hidden, as they count for no children either.
                files.push_back(path);
            }
        } while (::FindNextFileA(search, &found));
        ::FindClose(search);
    }
    qbk::SortNamesNoCase(folders);
    qbk::SortNamesNoCase(files);
    BusyFilling busy(m_hWnd);
    for (const std::string& path : folders) {
        const HTREEITEM added = AddFolderItem(item, WithBackslash(path.c_str()));
        if (added && HasChildren(path.c_str())) Insert(added, TVI_LAST, "", 0, 0, 0);
    }
    for (const std::string& path : files) AddFolderItem(item, path.c_str());
}

void CFolderTreeCtrl::DeleteChildren(HTREEITEM item)
{
    while (HTREEITEM child = Child(item)) SendMessage(TVM_DELETEITEM, 0, LPARAM(child));
}

void CFolderTreeCtrl::OnItemExpanded(const NMTREEVIEWA& notice)
{
    const HTREEITEM item = notice.itemNew.hItem;
    if (!item) return;
    DeleteChildren(item);
    if (notice.action & TVE_EXPAND)
        FillFolder(item, GetItemPath(item));
    else
        Insert(item, TVI_LAST, "", 0, 0, 0);
}

LRESULT CFolderTreeCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const LRESULT result = CTreeCtrl::WindowProc(message, wParam, lParam);
    if (message == WM_LBUTTONDOWN && m_hWnd) {
        TVHITTESTINFO hit = {};
        hit.pt = {short(LOWORD(lParam)), short(HIWORD(lParam))};
        const HTREEITEM item = HTREEITEM(SendMessage(TVM_HITTEST, 0, LPARAM(&hit)));
        if (item && (hit.flags & TVHT_ONITEM) && Next(nullptr, TVGN_CARET) != item)
            SendMessage(TVM_SELECTITEM, TVGN_CARET, LPARAM(item));
    }
    return result;
}
