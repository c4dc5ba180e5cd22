// Tree views (type 72), folder trees among them. Scripts name items by their handle in decimal;
// a handle is used only once the tree knows it as one of its items.
#include "command_table.h"
#include "control_message.h"
#include "data_stream_commands.h"
#include "folder_tree_ctrl.h"
#include "fw_controls.h"
#include "image_sources.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

// The system names its message helpers like our handlers.
#undef TreeView_DeleteAllItems
#undef TreeView_DeleteItem
#undef TreeView_Expand
#undef TreeView_GetCount
#undef TreeView_GetParent
#undef TreeView_InsertItem
#undef TreeView_SelectItem
#undef TreeView_SortChildren
#undef TreeView_GetItem
#undef TreeView_SetItem

namespace {

// The tree's own image list, made by the first image added; the control lets go of it first.
class TreeImages : public ObjectPart {
public:
    ~TreeImages() override { Remove(); }

    HIMAGELIST List() const { return m_list; }
    bool Make(HWND tree, int width, int height)
    {
        m_tree = tree;
        m_list = ::ImageList_Create(width, height, ILC_COLORDDB, 1, 1);
        return m_list != nullptr;
    }
    void Remove()
    {
        if (!m_list) return;
        if (::IsWindow(m_tree) && HIMAGELIST(::SendMessageA(m_tree, TVM_GETIMAGELIST, TVSIL_NORMAL, 0)) == m_list)
            ::SendMessageA(m_tree, TVM_SETIMAGELIST, TVSIL_NORMAL, 0);
        ::ImageList_Destroy(m_list);
        m_list = nullptr;
    }

private:
    HIMAGELIST m_list = nullptr;
    HWND m_tree = nullptr;
};

CFolderTreeCtrl* Tree(const CommandContext& ctx)
{
    auto* tree = dynamic_cast<CFolderTreeCtrl*>(ctx.Control());
    return tree && tree->GetSafeHwnd() ? tree : nullptr;
}

HTREEITEM ToItem(const CString& text) { return HTREEITEM(INT_PTR(strtoll(text, nullptr, 10))); }
CString FromItem(HTREEITEM item) { return CString(std::to_string(static_cast<long long>(INT_PTR(item))).c_str()); }

// An item of the tree named by the next argument; null for any other number.
HTREEITEM ItemArg(CommandContext& ctx, const CFolderTreeCtrl* tree)
{
    const HTREEITEM item = ToItem(ctx.Text());
    return tree && tree->HasItem(item) ? item : nullptr;
}

// A parent argument: at or below 0 the root (null), else one of the tree's items; false for a
// number that names none.
bool ParentArg(CommandContext& ctx, const CFolderTreeCtrl* tree, HTREEITEM* parent)
{
    const long long value = strtoll(ctx.Text(), nullptr, 10);
    *parent = nullptr;
    if (value <= 0) return true;
    *parent = HTREEITEM(INT_PTR(value));
    return tree && tree->HasItem(*parent);
}

bool Keyword(CommandContext& ctx) { return ctx.Text() == "1"; }

LPARAM ItemData(const CFolderTreeCtrl& tree, HTREEITEM item)
{
    TVITEMA get = {};
    get.mask = TVIF_PARAM;
    get.hItem = item;
    return tree.SendMessage(TVM_GETITEMA, 0, LPARAM(&get)) ? get.lParam : 0;
}

void SetItemData(CFolderTreeCtrl& tree, HTREEITEM item, LPARAM data)
{
    TVITEMA set = {};
    set.mask = TVIF_PARAM;
    set.hItem = item;
    set.lParam = data;
    tree.SendMessage(TVM_SETITEMA, 0, LPARAM(&set));
}

// The image's index in the low half of the item's data and the script's tag in the high half.
LPARAM ImageAndTag(int image, int tag) { return LPARAM(LONG((DWORD(tag) & 0xFFFF) << 16 | (DWORD(image) & 0xFFFF))); }

void TreeView_AddImage(CommandContext& ctx)
{
    const CString name = ctx.Text();
    ctx.SetTruth(false);
    CFolderTreeCtrl* tree = Tree(ctx);
    if (!tree) return;
    CImageBitmap image;
    if (!LoadEmbeddedBmp(ctx, name, image)) return;
    TreeImages* images = ctx.FindPart<TreeImages>();
    if (!images || !images->List()) {
        const CSize size = image.GetSize();
        images = &ctx.EnsurePart<TreeImages>();
        if (!images->Make(tree->GetSafeHwnd(), size.cx, size.cy)) return;
    }
    if (::ImageList_Add(images->List(), image.GetHandle(), image.GetHandle()) < 0) return;
    tree->SendMessage(TVM_SETIMAGELIST, TVSIL_NORMAL, LPARAM(images->List()));
    ctx.SetTruth(true);
}

// The tree view of the project whose window has that handle; null when none has.
CFolderTreeCtrl* TreeByHandle(const CProjectRuntime& runtime, HWND handle)
{
    for (int w = 0; w < runtime.GetWindowCount(); ++w) {
        const WindowRecord* window = runtime.GetWindowAt(w);
        for (int i = 0; window && i < window->GetObjectCount(); ++i) {
            const ObjectRecord* object = window->GetObjectAt(i);
            if (!object || object->Type != qbk::TypeTreeView) continue;
            auto* tree = dynamic_cast<CFolderTreeCtrl*>(object->WindowObject);
            if (tree && tree->GetSafeHwnd() && tree->GetSafeHwnd() == handle) return tree;
        }
    }
    return nullptr;
}

void TreeView_MoveItemAfter(CommandContext& ctx)
{
    const CString itemText = ctx.Text(), targetText = ctx.Text();
    const bool asChild = ctx.Int() != 0;
    const HWND destination = HWND(INT_PTR(strtoll(ctx.Text(), nullptr, 10)));
    ctx.SetResult("0");
    CFolderTreeCtrl* tree = Tree(ctx);
    if (!tree) return;
    CFolderTreeCtrl* target = TreeByHandle(ctx.Runtime(), destination);
    const HTREEITEM copy = tree->CopyItemTo(ToItem(itemText), ToItem(targetText), asChild, true, target);
    ctx.SetResult(FromItem(copy));
}

void TreeView_DeleteItem(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    if (!tree) return ctx.SetResult("0");
    if (item) tree->SendMessage(TVM_DELETEITEM, 0, LPARAM(item));
}

void TreeView_Expand(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    const bool expand = Keyword(ctx);
    if (item) tree->SendMessage(TVM_EXPAND, expand ? TVE_EXPAND : TVE_COLLAPSE, LPARAM(item));
}

void TreeView_SetRootFolder(CommandContext& ctx)
{
    const CString folder = ctx.Text();
    const bool showFiles = Keyword(ctx);
    if (CFolderTreeCtrl* tree = Tree(ctx)) tree->SetRootFolder(folder, showFiles);
}

void TreeView_GetChildCount(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    int count = 0;
    if (item)
        for (HTREEITEM child = tree->Child(item); child; child = tree->NextSibling(child)) ++count;
    ctx.SetInt(count);
}

void TreeView_GetCount(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    ctx.SetInt(tree ? int(tree->SendMessage(TVM_GETCOUNT)) : 0);
}

void TreeView_GetSelected(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    ctx.SetResult(FromItem(tree ? HTREEITEM(tree->SendMessage(TVM_GETNEXTITEM, TVGN_CARET, 0)) : nullptr));
}

void TreeView_GetItemData(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    ctx.SetInt(item ? int(ItemData(*tree, item)) : 0);
}

void TreeView_GetItemPath(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    if (!item) return;
    CString path = tree->ItemText(item);
    for (HTREEITEM parent = tree->Parent(item); parent; parent = tree->Parent(parent))
        path = tree->ItemText(parent) + "\\" + path;
    ctx.SetResult(path);
}

void TreeView_GetChildAt(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    HTREEITEM parent = nullptr;
    const bool known = ParentArg(ctx, tree, &parent);
    const int n = ctx.Int();
    HTREEITEM child = tree && known && n >= 0 ? tree->Child(parent) : nullptr;
    for (int i = 0; child && i < n; ++i) child = tree->NextSibling(child);
    ctx.SetResult(FromItem(child));
}

void TreeView_GetItemWord(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    const bool high = Keyword(ctx);
    if (!tree) return ctx.SetResult("-1");
    const DWORD data = item ? DWORD(ItemData(*tree, item)) : 0;
    ctx.SetInt(int(high ? (data >> 16) & 0xFFFF : data & 0xFFFF));
}

void TreeView_GetChildIndex(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    HTREEITEM parent = nullptr;
    const bool known = ParentArg(ctx, tree, &parent);
    const HTREEITEM item = ToItem(ctx.Text());
    int index = 0;
    for (HTREEITEM child = tree && known ? tree->Child(parent) : nullptr; child; child = tree->NextSibling(child)) {
        if (child == item) return ctx.SetInt(index);
        ++index;
    }
    ctx.SetResult("-1");
}

void TreeView_GetItemText(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    if (const HTREEITEM item = ItemArg(ctx, tree)) ctx.SetResult(tree->ItemText(item));
}

void TreeView_GetLevel(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    if (!item) return ctx.SetResult("-1");
    int level = 0;
    for (HTREEITEM parent = tree->Parent(item); parent; parent = tree->Parent(parent)) ++level;
    ctx.SetInt(level);
}

void TreeView_GetNextInOrder(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    int depth = 0;
    ctx.SetResult(FromItem(item ? tree->NextItem(item, &depth) : nullptr));
}

void TreeView_GetParent(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    ctx.SetResult(FromItem(item ? tree->Parent(item) : nullptr));
}

void TreeView_GetPrevInOrder(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    if (!item) return ctx.SetResult("0");
    HTREEITEM previous = tree->PrevSibling(item);
    if (!previous) return ctx.SetResult(FromItem(tree->Parent(item)));
    // The deepest last descendant of the previous sibling.
    for (HTREEITEM child = tree->Child(previous); child; child = tree->Child(previous)) {
        previous = child;
        while (HTREEITEM next = tree->NextSibling(previous)) previous = next;
    }
    ctx.SetResult(FromItem(previous));
}

void TreeView_InsertItem(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    HTREEITEM parent = nullptr;
    const bool known = ParentArg(ctx, tree, &parent);
    const CString text = ctx.Text();
    const int image = ctx.Int(), tag = ctx.Int();
    const bool last = ctx.Int() != 0;
    ctx.SetResult("0");
    if (!tree || !known) return;
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent ? parent : TVI_ROOT;
    insert.hInsertAfter = last ? TVI_LAST : TVI_FIRST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(static_cast<const char*>(text));
    insert.item.iImage = insert.item.iSelectedImage = image;
    insert.item.lParam = ImageAndTag(image, tag);
    ctx.SetResult(FromItem(HTREEITEM(tree->SendMessage(TVM_INSERTITEMA, 0, LPARAM(&insert)))));
}

void TreeView_IsExpanded(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    ctx.SetTruth(item && tree->IsExpanded(item));
}

void TreeView_LoadFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    CFolderTreeCtrl* tree = Tree(ctx);
    ctx.SetTruth(tree && tree->LoadFromFile(path));
}

void TreeView_LoadFromObject(CommandContext& ctx)
{
    const int id = ctx.Int();
    CFolderTreeCtrl* tree = Tree(ctx);
    CMemFile* stream = FindDataStream(ctx.FindObject(id, qbk::TypeDataStream));
    ctx.SetTruth(tree && stream && tree->LoadOutline(*stream));
}

void TreeView_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    CFolderTreeCtrl* tree = Tree(ctx);
    CMemFile* file = tree ? ctx.Runtime().OpenEmbeddedFile(name) : nullptr;
    ctx.SetTruth(file && tree->LoadOutline(*file));
}

void TreeView_MoveItem(CommandContext& ctx)
{
    const CString itemText = ctx.Text(), targetText = ctx.Text();
    const bool asChild = ctx.Int() != 0;
    CFolderTreeCtrl* tree = Tree(ctx);
    ctx.SetResult(FromItem(tree ? tree->MoveItem(ToItem(itemText), ToItem(targetText), asChild, true) : nullptr));
}

void TreeView_DeleteAllItems(CommandContext& ctx) { SendToControl(ctx, TVM_DELETEITEM, 0, LPARAM(TVI_ROOT)); }

void TreeView_RemoveImageList(CommandContext& ctx)
{
    if (TreeImages* images = ctx.FindPart<TreeImages>()) images->Remove();
}

void TreeView_SaveToFile(CommandContext& ctx)
{
    const CString path = ctx.Text();
    const bool withData = ctx.Int() != 0;
    CFolderTreeCtrl* tree = Tree(ctx);
    ctx.SetTruth(tree && tree->SaveToFile(path, withData));
}

void TreeView_SaveToObject(CommandContext& ctx)
{
    const int id = ctx.Int();
    const bool withData = ctx.Int() != 0;
    ctx.SetTruth(false);
    ObjectRecord* object = ctx.FindObject(id, qbk::TypeDataStream);
    if (!object) return;
    CMemFile& stream = NewDataStream(*object);
    CFolderTreeCtrl* tree = Tree(ctx);
    if (!tree) return;
    try {
        ctx.SetTruth(tree->SaveOutline(stream, withData));
    } catch (const CException&) {
        stream.SetLength(0);
    }
}

void TreeView_FindChild(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    HTREEITEM parent = nullptr;
    const bool known = ParentArg(ctx, tree, &parent);
    const CString text = ctx.Text();
    const HTREEITEM child = tree && known ? tree->FindChildByText(parent, text) : nullptr;
    ctx.SetResult(child ? FromItem(child) : CString("-1"));
}

void TreeView_SelectItem(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    if (const HTREEITEM item = ItemArg(ctx, tree)) tree->SendMessage(TVM_SELECTITEM, TVGN_CARET, LPARAM(item));
}

void TreeView_SetItemData(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    const int data = ctx.Int();
    if (item) SetItemData(*tree, item, LPARAM(data));
}

void TreeView_SetItemImage(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    const int image = ctx.Int(), tag = ctx.Int();
    if (!item) return;
    TVITEMA set = {};
    set.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    set.hItem = item;
    set.iImage = set.iSelectedImage = image;
    tree->SendMessage(TVM_SETITEMA, 0, LPARAM(&set));
    SetItemData(*tree, item, ImageAndTag(image, tag));
}

void TreeView_SetItemText(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    const HTREEITEM item = ItemArg(ctx, tree);
    const CString text = ctx.Text();
    if (!item) return;
    ctx.SetResult(tree->ItemText(item));
    TVITEMA set = {};
    set.mask = TVIF_TEXT;
    set.hItem = item;
    set.pszText = const_cast<char*>(static_cast<const char*>(text));
    tree->SendMessage(TVM_SETITEMA, 0, LPARAM(&set));
}

void TreeView_SortChildren(CommandContext& ctx)
{
    CFolderTreeCtrl* tree = Tree(ctx);
    if (const HTREEITEM item = ItemArg(ctx, tree)) tree->SendMessage(TVM_SORTCHILDREN, FALSE, LPARAM(item));
}

constexpr CommandEntry kTreeView[] = {
    {31, "ListView_LinkObject"},  // after the shared commands 0 to 30
    {32, "TreeView_AddImage", TreeView_AddImage},
    {33, "TreeView_MoveItemAfter", TreeView_MoveItemAfter},
    {34, "TreeView_DeleteItem", TreeView_DeleteItem},
    {35, "TreeView_Expand", TreeView_Expand},
    {36, "TreeView_SetRootFolder", TreeView_SetRootFolder},
    {37, "TreeView_GetChildCount", TreeView_GetChildCount},
    {38, "TreeView_GetCount", TreeView_GetCount},
    {39, "TreeView_GetSelected", TreeView_GetSelected},
    {40, "TreeView_GetItemData", TreeView_GetItemData},
    {41, "TreeView_GetItemPath", TreeView_GetItemPath},
    {42, "TreeView_GetChildAt", TreeView_GetChildAt},
    {43, "TreeView_GetItemWord", TreeView_GetItemWord},
    {44, "TreeView_GetChildIndex", TreeView_GetChildIndex},
    {45, "TreeView_GetItemText", TreeView_GetItemText},
    {46, "TreeView_GetLevel", TreeView_GetLevel},
    {47, "TreeView_GetNextInOrder", TreeView_GetNextInOrder},
    {48, "TreeView_GetParent", TreeView_GetParent},
    {49, "TreeView_GetPrevInOrder", TreeView_GetPrevInOrder},
    {50, "TreeView_InsertItem", TreeView_InsertItem},
    {51, "TreeView_IsExpanded", TreeView_IsExpanded},
    {52, "TreeView_LoadFile", TreeView_LoadFile},
    {53, "TreeView_LoadFromObject", TreeView_LoadFromObject},
    {54, "TreeView_LoadEmbedded", TreeView_LoadEmbedded},
    {55, "TreeView_MoveItem", TreeView_MoveItem},
    {56, "TreeView_DeleteAllItems", TreeView_DeleteAllItems},
    {57, "ListView_ClearArray"},
    {58, "TreeView_RemoveImageList", TreeView_RemoveImageList},
    {59, "TreeView_SaveToFile", TreeView_SaveToFile},
    {60, "TreeView_SaveToObject", TreeView_SaveToObject},
    {61, "TreeView_FindChild", TreeView_FindChild},
    {62, "TreeView_SelectItem", TreeView_SelectItem},
    {63, "TreeView_SetItemData", TreeView_SetItemData},
    {64, "TreeView_SetItemImage", TreeView_SetItemImage},
    {65, "TreeView_SetItemText", TreeView_SetItemText},
    {66, "TreeView_SortChildren", TreeView_SortChildren},
};
static_assert(NumbersOwnCommands(kTreeView, qbk::TypeTreeView, 66));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeTreeView, kTreeView)};

}  // namespace

extern const CommandFamily kTreeViewFamily("TreeView", kLists);
