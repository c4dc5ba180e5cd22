// The common dialogs (type 35): files, folders, colours and fonts. The open and save dialogs keep
// the chosen paths in the object's text list for the commands that read them.
#include "command_table.h"
#include "control_message.h"
#include "font_helpers.h"
#include "font_object.h"

#include <commdlg.h>
#include <shlobj.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr size_t kOpenNameBuffer = 1000000;
constexpr const char* kAllFiles = "All Files (*.*)|*.*||";
constexpr DWORD kColourFlags = CC_FULLOPEN | CC_PREVENTFULLOPEN | CC_RGBINIT;

// "|" separates the filter's pieces; the dialog wants NULs, and two at the end.
std::string DialogFilter(const CString& filter)
{
    std::string pieces(filter.IsEmpty() ? kAllFiles : static_cast<const char*>(filter));
    for (char& c : pieces)
        if (c == '|') c = '\0';
    pieces.append(2, '\0');
    return pieces;
}

// The chosen paths: one full path, or with several a folder followed by the names in it.
std::vector<CString> ChosenPaths(const char* buffer, WORD fileOffset)
{
    std::vector<CString> paths;
    if (!buffer[0]) return paths;
    if (fileOffset == 0 || buffer[fileOffset - 1] != '\0') {
        paths.push_back(buffer);
        return paths;
    }
    CString folder(buffer);
    if (folder[folder.GetLength() - 1] != '\\') folder += '\\';
    for (const char* name = buffer + fileOffset; *name; name += strlen(name) + 1) paths.push_back(folder + name);
    return paths;
}

void ReplaceSelection(CommandContext& ctx, const std::vector<CString>& paths)
{
    CStringArray& list = ctx.Object().TextList;
    list.RemoveAll();
    for (const CString& path : paths) list.Add(path);
}

void RunFileDialog(CommandContext& ctx, bool save, const CString& initial, const CString& extension,
                   const CString& filter, bool multiple)
{
    const std::string filterText = DialogFilter(filter);
    const size_t size = save ? MAX_PATH : kOpenNameBuffer;
    std::vector<char> names(size + 1, '\0');
    strncpy(names.data(), initial, size);
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ScriptWindowHandle(ctx);
    dialog.lpstrFilter = filterText.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = names.data();
    dialog.nMaxFile = DWORD(size);
    dialog.lpstrDefExt = save && !extension.IsEmpty() ? static_cast<const char*>(extension) : nullptr;
    // The explorer style: several files in the modern list, long names.
    dialog.Flags = OFN_EXPLORER | OFN_ENABLESIZING | OFN_OVERWRITEPROMPT | (save ? 0 : OFN_FILEMUSTEXIST) |
                   (multiple ? OFN_ALLOWMULTISELECT : 0);
    const BOOL chosen = save ? ::GetSaveFileNameA(&dialog) : ::GetOpenFileNameA(&dialog);
    ReplaceSelection(ctx, chosen ? ChosenPaths(names.data(), dialog.nFileOffset) : std::vector<CString>());
    ctx.SetTruth(chosen != FALSE);
}

void FileDialog_ChooseColor(CommandContext& ctx)
{
    const int initial = ctx.Int();
    static COLORREF custom[16] = {};
    CHOOSECOLORA dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = ScriptWindowHandle(ctx);
    dialog.rgbResult = COLORREF(initial);
    dialog.lpCustColors = custom;
    // Starts at the colour given.
    dialog.Flags = kColourFlags;
    if (::ChooseColorA(&dialog))
        ctx.SetInt(int(dialog.rgbResult));
    else
        ctx.SetResult("-1");
}

void FileDialog_BrowseFolder(CommandContext& ctx)
{
    const CString title = ctx.Text();
    BROWSEINFOA browse = {};
    browse.hwndOwner = ScriptWindowHandle(ctx);
    browse.lpszTitle = title;
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_RETURNFSANCESTORS;
    char display[MAX_PATH] = "";
    browse.pszDisplayName = display;
    LPITEMIDLIST chosen = ::SHBrowseForFolderA(&browse);
    if (!chosen) return;
    char path[MAX_PATH] = "";
    const bool named = ::SHGetPathFromIDListA(chosen, path) != FALSE;
    ::CoTaskMemFree(chosen);
    if (!named) return;
    CString result(path);
    if (result.GetLength() > 3 && result[result.GetLength() - 1] != '\\') result += '\\';
    ctx.SetResult(result);
}

void FileDialog_ChooseFont(CommandContext& ctx)
{
    const int id = ctx.Int();
    ctx.SetTruth(false);
    ObjectRecord* font = ctx.FindObject(id, qbk::TypeFont);
    if (!font) return;
    CString face;
    int tenths = 0;
    bool bold = false, italic = false, strikeOut = false, underline = false;
    if (!ChooseFontDialog(ScriptWindowHandle(ctx), &face, &tenths, &bold, &italic, &strikeOut, &underline)) return;
    ReplaceObjectFont(*font, std::unique_ptr<CFont>(CreateFontEx(face, tenths / 10, bold ? FW_BOLD : FW_NORMAL, italic,
                                                                 strikeOut, underline, true)));
    ctx.SetTruth(true);
}

// The selected path at the index; null out of range.
const CString* Selected(CommandContext& ctx)
{
    const int index = ctx.Int();
    const CStringArray& list = ctx.Object().TextList;
    return index >= 0 && index < int(list.GetSize()) ? &list[index] : nullptr;
}

void FileDialog_GetExtension(CommandContext& ctx)
{
    const CString* path = Selected(ctx);
    if (!path) return;
    // The dot must be in the file's own name, not in a folder's.
    const int dot = path->ReverseFind('.');
    ctx.SetResult(dot > path->ReverseFind('\\') ? path->Mid(dot) : *path);
}

void FileDialog_GetFileName(CommandContext& ctx)
{
    const CString* path = Selected(ctx);
    if (!path) return;
    const int slash = path->ReverseFind('\\');
    ctx.SetResult(slash >= 0 ? path->Mid(slash + 1) : *path);
}

void FileDialog_GetSelected(CommandContext& ctx)
{
    if (const CString* path = Selected(ctx)) ctx.SetResult(*path);
}

void FileDialog_Open(CommandContext& ctx)
{
    const CString initial = ctx.Text(), filter = ctx.Text();
    const bool multiple = ctx.Text() == "MULTISELECT";
    RunFileDialog(ctx, false, initial, "", filter, multiple);
}

void FileDialog_Save(CommandContext& ctx)
{
    const CString initial = ctx.Text(), extension = ctx.Text(), filter = ctx.Text();
    const bool multiple = ctx.Text() == "MULTISELECT";
    RunFileDialog(ctx, true, initial, extension, filter, multiple);
}

constexpr CommandEntry kFileDialog[] = {
    {2, "FileDialog_ChooseColor", FileDialog_ChooseColor},  // after the shared commands 0 and 1
    {3, "FileDialog_BrowseFolder", FileDialog_BrowseFolder},
    {4, "FileDialog_ChooseFont", FileDialog_ChooseFont},
    {5, "FileSystem_GetListCount"},
    {6, "FileDialog_GetExtension", FileDialog_GetExtension},
    {7, "FileDialog_GetFileName", FileDialog_GetFileName},
    {8, "FileDialog_GetSelected", FileDialog_GetSelected},
    {9, "FileDialog_Open", FileDialog_Open},
    {10, "FileDialog_Save", FileDialog_Save},
};
static_assert(NumbersOwnCommands(kFileDialog, qbk::TypeFileDialog, 10));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeFileDialog, kFileDialog)};

}  // namespace

extern const CommandFamily kFileDialogFamily("FileDialog", kLists);
