// Plug-in extensions (type 52): their functions called by name.
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "command_context.h"
#include "command_table.h"
#include "extension_plugin.h"

namespace {

using ParamTypeFn = int(__cdecl*)(const char* function, int index);
using FunctionFn = void(__cdecl*)(ExtensionCallBlock* block);
using CountFn = int(__cdecl*)();

// The plug-in of an object whose window is open; null otherwise.
const ExtensionPlugin* OpenPlugin(CommandContext& ctx)
{
    const ObjectRecord* self = ctx.Window().Self();
    if (!self || !self->WindowObject) return nullptr;
    const ExtensionPlugin* plugin = ctx.FindPart<ExtensionPlugin>();
    return plugin && plugin->Module() ? plugin : nullptr;
}

// One argument's value in the form its type asks for; null for a type the plug-in did not name.
std::unique_ptr<char[]> ArgumentBlock(int type, const CString& text)
{
    std::unique_ptr<char[]> block;
    switch (type) {
    case kExtensionInt: {
        const int32_t value = std::atoi(text);
        block.reset(new char[sizeof value]);
        std::memcpy(block.get(), &value, sizeof value);
        break;
    }
    case kExtensionDouble: {
        const double value = std::atof(text);
        block.reset(new char[sizeof value]);
        std::memcpy(block.get(), &value, sizeof value);
        break;
    }
    case kExtensionText:
        block.reset(new char[size_t(text.GetLength()) + 1]);
        std::memcpy(block.get(), LPCSTR(text), size_t(text.GetLength()) + 1);
        break;
    default: break;
    }
    return block;
}

void Extension_CallFunction(CommandContext& ctx)
{
    const CString name = ctx.Text();
    const ExtensionPlugin* plugin = OpenPlugin(ctx);
    // A longer name would be cut to another function's name.
    if (!plugin || name.GetLength() > ExtensionPlugin::kMaxNameLength) return;
    auto typeOf = reinterpret_cast<ParamTypeFn>(plugin->Export("GetParamTypeFromString"));
    if (!typeOf) return;
    char buffer[ExtensionPlugin::kMaxNameLength + 1];
    std::memcpy(buffer, LPCSTR(name), size_t(name.GetLength()) + 1);
    std::vector<std::unique_ptr<char[]>> blocks;
    int count = 0;
    for (CString text; ctx.Next(text); ++count)
        if (std::unique_ptr<char[]> block = ArgumentBlock(typeOf(buffer, count), text))
            blocks.push_back(std::move(block));
    auto function = reinterpret_cast<FunctionFn>(plugin->Export("QBK_" + name));
    if (!function) return;
    std::vector<void*> pointers(blocks.size() + 1, nullptr);  // never an empty array
    for (size_t i = 0; i < blocks.size(); ++i) pointers[i] = blocks[i].get();
    ExtensionCallBlock call = {0, count, pointers.data(), nullptr, 0.0, kExtensionNoResult};
    function(&call);
    if (call.ResultType == kExtensionNumber)
        ctx.SetReal(call.ResultNumber);
    else if (call.ResultType == kExtensionString)
        ctx.SetResult(call.ResultText ? CString(call.ResultText) : CString());
}

void Extension_GetFunctionCount(CommandContext& ctx)
{
    ctx.SetInt(0);
    const ExtensionPlugin* plugin = ctx.FindPart<ExtensionPlugin>();
    if (auto count = reinterpret_cast<CountFn>(plugin ? plugin->Export("GetFunctionCount") : nullptr))
        ctx.SetInt(count());
}

constexpr CommandEntry kExtension[] = {
    {31, "Extension_CallFunction", Extension_CallFunction},  // after the shared commands 0 to 30
    {32, "Extension_GetFunctionCount", Extension_GetFunctionCount},
};
static_assert(NumbersOwnCommands(kExtension, qbk::TypeExtension, 32));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeExtension, kExtension)};

}  // namespace

extern const CommandFamily kExtensionFamily("Extension", kLists);
