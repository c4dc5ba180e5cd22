// Message boxes (type 8) and the system's folders, names, screen, colours and fonts (type 10).
#include <windows.h>
#include <shlobj.h>

#include "command_context.h"
#include "command_table.h"
#include "control_message.h"
#include "path_helpers.h"
#include "string_sort.h"
#include "value_format.h"

namespace {

// Keyword tables: the first entry whose name equals the text exactly, or the fallback.
struct Keyword {
    const char* name;
    int value;
};

template <size_t N>
int ValueOf(const CString& text, const Keyword (&keywords)[N], int fallback)
{
    for (const Keyword& keyword : keywords)
        if (text == keyword.name) return keyword.value;
    return fallback;
}

constexpr Keyword kButtons[] = {
    {"OKCANCEL", MB_OKCANCEL}, {"YESNO", MB_YESNO}, {"YESNOCANCEL", MB_YESNOCANCEL}, {"RETRYCANCEL", MB_RETRYCANCEL}};
constexpr Keyword kIcons[] = {{"EXCLAMATION", MB_ICONEXCLAMATION},
                              {"INFORMATION", MB_ICONINFORMATION},
                              {"QUESTION", MB_ICONQUESTION},
                              {"STOP", MB_ICONSTOP}};

constexpr Keyword kSysColors[] = {
    {"3DDKSHADOW", COLOR_3DDKSHADOW},
    {"3DFACE", COLOR_3DFACE},
    {"BTNFACE", COLOR_BTNFACE},
    {"3DHILIGHT", COLOR_3DHILIGHT},
    {"3DLIGHT", COLOR_3DLIGHT},
    {"3DSHADOW", COLOR_3DSHADOW},
    {"ACTIVEBORDER", COLOR_ACTIVEBORDER},
    {"ACTIVECAPTION", COLOR_ACTIVECAPTION},
    {"APPWORKSPACE", COLOR_APPWORKSPACE},
    {"DESKTOP", COLOR_DESKTOP},
    {"BTNTEXT", COLOR_BTNTEXT},
    {"CAPTIONTEXT", COLOR_CAPTIONTEXT},
    {"GRAYTEXT", COLOR_GRAYTEXT},
    {"HIGHLIGHT", COLOR_HIGHLIGHT},
    {"HIGHLIGHTTEXT", COLOR_HIGHLIGHTTEXT},
    {"INACTIVEBORDER", COLOR_INACTIVEBORDER},
    {"INACTIVECAPTION", COLOR_INACTIVECAPTION},
    {"INACTIVECAPTIONTEXT", COLOR_INACTIVECAPTIONTEXT},
    {"INFOBK", COLOR_INFOBK},
    {"INFOTEXT", COLOR_INFOTEXT},
    {"MENU", COLOR_MENU},
    {"MENUTEXT", COLOR_MENUTEXT},
    {"SCROLLBAR", COLOR_SCROLLBAR},
    {"WINDOW", COLOR_WINDOW},
    {"WINDOWFRAME", COLOR_WINDOWFRAME},
    {"WINDOWTEXT", COLOR_WINDOWTEXT},
};

void MessageBox_Show(CommandContext& ctx)
{
    const CString caption = ctx.Text();
    const CString text = ctx.Text();
    const int buttons = ValueOf(ctx.Text(), kButtons, MB_OK);
    const int icon = ValueOf(ctx.Text(), kIcons, MB_ICONSTOP);
    const ObjectRecord* self = ctx.Window().Self();
    if (!self || !self->WindowObject) return;
    switch (MessageBoxA(ScriptWindowHandle(ctx), text, caption, UINT(buttons | icon))) {
    case IDOK: ctx.SetResult("OK"); break;
    case IDCANCEL: ctx.SetResult("CANCEL"); break;
    case IDYES: ctx.SetResult("YES"); break;
    case IDNO: ctx.SetResult("NO"); break;
    case IDRETRY: ctx.SetResult("RETRY"); break;
    default: break;
    }
}

// A name the system writes into a buffer of 101 bytes, 100 of them offered.
void SetName(CommandContext& ctx, BOOL(WINAPI* get)(LPSTR, LPDWORD))
{
    char name[101] = {};
    DWORD size = 100;
    if (get(name, &size)) ctx.SetResult(name);
}

void System_GetComputerName(CommandContext& ctx) { SetName(ctx, GetComputerNameA); }
void System_GetUserName(CommandContext& ctx) { SetName(ctx, GetUserNameA); }

// A shell folder with a trailing '\'; empty when the shell has none.
CString SpecialFolder(int folder)
{
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, folder, &list)) || !list) return CString();
    char path[MAX_PATH + 1] = {};
    const BOOL found = SHGetPathFromIDListA(list, path);
    CoTaskMemFree(list);
    return found ? CString(path) + "\\" : CString();
}

void System_GetDesktopDir(CommandContext& ctx) { ctx.SetResult(SpecialFolder(CSIDL_DESKTOP)); }
void System_GetFontsDir(CommandContext& ctx) { ctx.SetResult(SpecialFolder(CSIDL_FONTS)); }
void System_GetRecentDir(CommandContext& ctx) { ctx.SetResult(SpecialFolder(CSIDL_RECENT)); }
void System_GetProgramsDir(CommandContext& ctx) { ctx.SetResult(SpecialFolder(CSIDL_PROGRAMS)); }

void System_GetVolumeSerial(CommandContext& ctx)
{
    const CString root = ctx.Text() + ":\\";
    DWORD serial = 0;
    if (!GetVolumeInformationA(root, nullptr, 0, &serial, nullptr, nullptr, nullptr, 0)) serial = 0;
    ctx.SetInt(int(serial));
}

int CALLBACK AddFontFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM list)
{
    if (font->lfFaceName[0] == '\0') return 0;  // an empty name ends the enumeration
    reinterpret_cast<CStringArray*>(list)->Add(font->lfFaceName);
    return 1;
}

void System_GetFontList(CommandContext& ctx)
{
    ObjectRecord* list = ctx.FindObject(ctx.Int(), qbk::TypeStringList);
    if (!list) return;
    CStringArray& names = list->TextList;
    HDC screen = GetDC(nullptr);
    LOGFONTA all = {};
    all.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen, &all, AddFontFace, reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, screen);
    SortStrings(names);
    for (INT_PTR i = names.GetSize() - 1; i > 0; --i)
        if (names[i].CompareNoCase(names[i - 1]) == 0) names.RemoveAt(i);
}

CString WindowsFolder()
{
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    return length > 0 && length < MAX_PATH ? CString(folder) : CString();
}

void System_GetQuickLaunchDir(CommandContext& ctx)
{
    ctx.SetResult(WindowsFolder() + "\\Application Data\\Microsoft\\Internet Explorer\\Quick Launch\\");
}

void System_GetColorDepth(CommandContext& ctx)
{
    HDC screen = GetDC(nullptr);
    ctx.SetInt(GetDeviceCaps(screen, BITSPIXEL));
    ReleaseDC(nullptr, screen);
}

void System_GetScreenHeight(CommandContext& ctx) { ctx.SetInt(GetSystemMetrics(SM_CYSCREEN)); }
void System_GetScreenWidth(CommandContext& ctx) { ctx.SetInt(GetSystemMetrics(SM_CXSCREEN)); }

void System_GetSysColor(CommandContext& ctx)
{
    const int element = ValueOf(ctx.Text(), kSysColors, -1);
    ctx.SetInt(element < 0 ? 0 : int(GetSysColor(element)));
}

void System_GetSystemDir(CommandContext& ctx)
{
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) ctx.SetResult(CString(folder) + "\\");
}

void System_GetTempPath(CommandContext& ctx)
{
    char folder[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathA(MAX_PATH, folder);
    CString path = length > 0 && length < MAX_PATH ? CString(folder) : CString();
    if (!path.IsEmpty() && path.Right(1) != "\\" && path.Right(1) != "/") path += "\\";
    ctx.SetResult(path);
}

void System_GetWindowsDir(CommandContext& ctx)
{
    const CString folder = WindowsFolder();
    if (!folder.IsEmpty()) ctx.SetResult(folder + "\\");
}

// Copies an embedded font file into the system's font folder, unless a file of its name is there.
void System_InstallFont(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const CString fonts = SpecialFolder(CSIDL_FONTS);
    CProjectRuntime& runtime = ctx.Runtime();
    CMemFile* font = runtime.OpenEmbeddedFile(name);
    if (!font || fonts.IsEmpty()) return;
    // The file's own name, whatever folders the embedded name holds.
    const CString target = fonts + GetFileNamePart(name);
    if (GetFileAttributesA(target) != INVALID_FILE_ATTRIBUTES) return;
    runtime.ExtractEmbeddedFile(font, target);
}

void System_SetSysColor(CommandContext& ctx)
{
    const int element = ValueOf(ctx.Text(), kSysColors, -1);
    const COLORREF colour = COLORREF(ctx.Int());
    if (element >= 0) SetSysColors(1, &element, &colour);
}

constexpr CommandEntry kMessageBox[] = {
    {0, "MessageBox_Show", MessageBox_Show},  // no shared commands: own numbers from 0
};
static_assert(NumbersOwnCommands(kMessageBox, qbk::TypeMessageBox, 0));

constexpr CommandEntry kSystem[] = {
    {0, "System_GetComputerName", System_GetComputerName},  // no shared commands: own numbers from 0
    {1, "System_GetDesktopDir", System_GetDesktopDir},
    {2, "System_GetVolumeSerial", System_GetVolumeSerial},
    {3, "System_GetFontsDir", System_GetFontsDir},
    {4, "System_GetFontList", System_GetFontList},
    {5, "System_GetQuickLaunchDir", System_GetQuickLaunchDir},
    {6, "System_GetRecentDir", System_GetRecentDir},
    {7, "System_GetColorDepth", System_GetColorDepth},
    {8, "System_GetScreenHeight", System_GetScreenHeight},
    {9, "System_GetScreenWidth", System_GetScreenWidth},
    {10, "System_GetProgramsDir", System_GetProgramsDir},
    {11, "System_GetSysColor", System_GetSysColor},
    {12, "System_GetSystemDir", System_GetSystemDir},
    {13, "System_GetTempPath", System_GetTempPath},
    {14, "System_GetUserName", System_GetUserName},
    {15, "System_GetWindowsDir", System_GetWindowsDir},
    {16, "System_InstallFont", System_InstallFont},
    {17, "System_SetSysColor", System_SetSysColor},
};
static_assert(NumbersOwnCommands(kSystem, qbk::TypeSystem, 17));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeMessageBox, kMessageBox), OwnCommands(qbk::TypeSystem, kSystem)};

}  // namespace

extern const CommandFamily kMessageBoxSystemFamily("MessageBox and System", kLists);
