// Registry texts (type 34).
#include <windows.h>

#include "command_context.h"
#include "command_table.h"
#include "registry_helpers.h"

namespace {

// The predefined key a root keyword names (exactly, case counting), or null.
HKEY RootKey(const CString& keyword)
{
    static const struct {
        const char* name;
        HKEY key;
    } roots[] = {
        {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
        {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
        {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
        {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
        {"HKEY_USERS", HKEY_USERS},
    };
    for (const auto& root : roots)
        if (keyword == root.name) return root.key;
    return nullptr;
}

void Registry_ReadString(CommandContext& ctx)
{
    const HKEY root = RootKey(ctx.Text());
    const CString path = ctx.Text();
    const CString name = ctx.Text();
    if (root) ctx.SetResult(RegReadString(root, path, name));
}

void Registry_DeleteKey(CommandContext& ctx)
{
    const HKEY root = RootKey(ctx.Text());
    CString path = ctx.Text();
    path.Trim('\\');
    // An empty path would name the root itself.
    ctx.SetTruth(root && !path.IsEmpty() && RegDeleteKeyPath(root, path));
}

void Registry_DeleteValue(CommandContext& ctx)
{
    const HKEY root = RootKey(ctx.Text());
    const CString path = ctx.Text();
    const CString name = ctx.Text();
    ctx.SetTruth(root && RegDeleteValueName(root, path, name));
}

void Registry_WriteString(CommandContext& ctx)
{
    const HKEY root = RootKey(ctx.Text());
    const CString path = ctx.Text();
    const CString name = ctx.Text();
    const CString text = ctx.Text();
    ctx.SetTruth(root && RegWriteString(root, path, name, text));
}

constexpr CommandEntry kRegistry[] = {
    {2, "Registry_ReadString", Registry_ReadString},  // after the shared commands 0 and 1
    {3, "Registry_DeleteKey", Registry_DeleteKey},
    {4, "Registry_DeleteValue", Registry_DeleteValue},
    {5, "Registry_WriteString", Registry_WriteString},
};
static_assert(NumbersOwnCommands(kRegistry, qbk::TypeRegistry, 5));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeRegistry, kRegistry)};

}  // namespace

extern const CommandFamily kRegistryFamily("Registry", kLists);
