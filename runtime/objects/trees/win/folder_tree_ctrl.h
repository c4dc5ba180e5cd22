// CFolderTreeCtrl: the tree view of TreeView objects. Besides a plain tree it copies and moves
// items with their branches, walks them depth first, saves and loads them as a text outline and
// selects an item on a left click. With a root folder set it browses drives or the folders below
// the root, with the system's small icons, filling an item when it expands and emptying it when
// it collapses.
#pragma once

#include "fw_controls.h"
#include "fw_file.h"

class CFolderTreeCtrl : public CTreeCtrl {
public:
    static constexpr int kMaxItemText = 1024;

    const CString& LastError() const { return m_lastError; }
    bool IsBrowsing() const { return m_browsing; }

    // ---- items
    bool IsExpanded(HTREEITEM item) const;
    // True when the handle names an item of this tree (scripts hand in any number).
    bool HasItem(HTREEITEM item) const;
    // The depth-first successor; depth follows the levels climbed (first child +1, each parent -1).
    HTREEITEM NextItem(HTREEITEM item, int* depth) const;
    HTREEITEM Child(HTREEITEM item) const { return Next(item, TVGN_CHILD); }
    HTREEITEM Parent(HTREEITEM item) const { return Next(item, TVGN_PARENT); }
    HTREEITEM NextSibling(HTREEITEM item) const { return Next(item, TVGN_NEXT); }
    HTREEITEM PrevSibling(HTREEITEM item) const { return Next(item, TVGN_PREVIOUS); }
    CString ItemText(HTREEITEM item) const;
    // True when item is ancestor or the item itself.
    bool IsInBranch(HTREEITEM ancestor, HTREEITEM item) const;

    HTREEITEM CopyItem(HTREEITEM item, HTREEITEM parent, HTREEITEM after, CFolderTreeCtrl* target);
    HTREEITEM CopyBranch(HTREEITEM item, HTREEITEM parent, HTREEITEM after, CFolderTreeCtrl* target);
    // Moves the item with its branch: to the top level (no target; last or first), as the target's
    // last child, or just before the target. Null when refused: onto itself, or as a child of an
    // item of its own branch.
    HTREEITEM MoveItem(HTREEITEM item, HTREEITEM target, bool asChild, bool last);
    // Places a copy the same way, into target tree (null: this one); the source stays.
    HTREEITEM CopyItemTo(HTREEITEM item, HTREEITEM target, bool asChild, bool last, CFolderTreeCtrl* targetTree);
    HTREEITEM FindChildByText(HTREEITEM parent, const char* text) const;
    // The texts from the top-level ancestor down to the item joined by "\", without trailing
    // backslashes.
    CString GetItemPath(HTREEITEM item) const;

    // ---- outline: with data, each line carries the item's data
    bool SaveOutline(CMemFile& file, bool withData) const;
    bool SaveToFile(const char* path, bool withData) const;
    // Replaces the items by the outline's: the number after a line's text becomes the item's data,
    // its low 16 bits the item's image.
    bool LoadOutline(CFile& file);
    bool LoadFromFile(const char* path);

    // ---- folder browsing
    bool SetRootFolder(const char* folder, bool showFiles);
    void OnItemExpanded(const NMTREEVIEWA& notice);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    HTREEITEM Next(HTREEITEM item, UINT code) const
    {
        return HTREEITEM(SendMessage(TVM_GETNEXTITEM, code, LPARAM(item)));
    }
    HTREEITEM Insert(HTREEITEM parent, HTREEITEM after, const char* text, int image, int selectedImage, LPARAM data,
                     UINT extraMask = 0);
    HTREEITEM Place(HTREEITEM item, HTREEITEM target, bool asChild, bool last, CFolderTreeCtrl& tree);
    void DeleteChildren(HTREEITEM item);
    HTREEITEM AddFolderItem(HTREEITEM parent, const CString& path);
    bool FillDrives();
    void FillFolder(HTREEITEM item, const CString& folder);
    bool HasChildren(const CString& folder) const;

    CString m_lastError;
    HIMAGELIST m_systemImages = nullptr;  // the system's, never destroyed here
    bool m_showFiles = false;
    bool m_browsing = false;
    CString m_rootFolder;
};
