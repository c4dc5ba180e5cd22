// Calls into any library (type 15) by a declared signature.
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "command_context.h"
#include "command_table.h"
#include "file_helpers.h"
#include "native_call.h"

namespace {

// The library, its convention and the declared signature (return type first). The signature and the
// convention outlive loads and frees; the library goes with the object.
class DllCallPart : public ObjectPart {
public:
    ~DllCallPart() override { Free(); }
    bool Free()
    {
        if (!Module || !::FreeLibrary(Module)) return false;
        Module = nullptr;
        return true;
    }

    HMODULE Module = nullptr;
    bool Cdecl = false;
    std::vector<NativeType> Signature;
};

DllCallPart& Part(CommandContext& ctx) { return ctx.EnsurePart<DllCallPart>(); }

NativeType TypeOfWord(CString word, NativeType otherwise)
{
    word.MakeUpper();
    if (word == "INT") return NativeType::Int;
    if (word == "FLOAT") return NativeType::Float;
    if (word == "DOUBLE") return NativeType::Double;
    if (word == "STRING") return NativeType::String;
    return otherwise;
}

void DllCall_Call(CommandContext& ctx)
{
    const CString name = ctx.Text();
    DllCallPart& part = Part(ctx);
    if (!part.Module || part.Signature.empty()) return;
    std::vector<CString> texts;
    for (CString text; ctx.Next(text);) texts.push_back(text);
    if (texts.size() != part.Signature.size() - 1) return;
    void* function = reinterpret_cast<void*>(::GetProcAddress(part.Module, name));
    if (!function) return;
    // Texts go as copies the function may write into; they are the runtime's again after the call.
    std::vector<std::unique_ptr<char[]>> copies;
    std::vector<NativeArgument> arguments(texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        NativeArgument& argument = arguments[i];
        argument.Type = part.Signature[i + 1];
        switch (argument.Type) {
        case NativeType::Int: argument.Int = std::atoi(texts[i]); break;
        case NativeType::Float: argument.Float = float(std::atof(texts[i])); break;
        case NativeType::Double: argument.Double = std::atof(texts[i]); break;
        case NativeType::String: {
            const int length = texts[i].GetLength();
            copies.emplace_back(new char[size_t(length) + 1]);
            std::memcpy(copies.back().get(), LPCSTR(texts[i]), size_t(length) + 1);
            argument.Text = copies.back().get();
            break;
        }
        case NativeType::None: break;
        }
    }
    const NativeResult result = CallNative(function, arguments);
    switch (part.Signature[0]) {
    case NativeType::Int: ctx.SetInt(result.Int); break;
    case NativeType::Float: ctx.SetReal(double(result.Float)); break;
    case NativeType::Double: ctx.SetReal(result.Double); break;
    case NativeType::String: ctx.SetResult(result.Text ? CString(result.Text) : CString()); break;
    case NativeType::None: break;
    }
}

void DllCall_GetCallingConvention(CommandContext& ctx) { ctx.SetResult(Part(ctx).Cdecl ? "CDECL" : "STDCALL"); }

void DllCall_SetSignature(CommandContext& ctx)
{
    std::vector<NativeType> signature{TypeOfWord(ctx.Text(), NativeType::None)};
    for (CString word; ctx.Next(word);) signature.push_back(TypeOfWord(word, NativeType::Int));
    DllCallPart& part = Part(ctx);
    if (part.Module) part.Signature = std::move(signature);
}

void DllCall_IsLoaded(CommandContext& ctx) { ctx.SetTruth(Part(ctx).Module != nullptr); }

void DllCall_Load(CommandContext& ctx)
{
    const CString path = ctx.Text();
    DllCallPart& part = Part(ctx);
    if (part.Module) {
        ctx.SetTruth(false);
        return;
    }
    part.Module = ::LoadLibraryA(path);
    ctx.SetTruth(part.Module != nullptr);
}

// The embedded file's temporary copy, written on first use and removed with the project's files.
CString TemporaryCopy(CProjectRuntime& runtime, const CString& name)
{
    const int index = runtime.FindEmbeddedFile(name);
    EmbeddedFile* entry = runtime.m_embeddedFiles.GetAt(index);
    if (!entry) return CString();
    if (entry->TempName.IsEmpty()) {
        const CString path = MakeTempFileName();
        if (path.IsEmpty()) return CString();
        if (!runtime.ExtractEmbeddedFile(entry->Copy.get(), path)) {
            ::DeleteFileA(path);
            return CString();
        }
        entry->TempName = path;
    }
    return entry->TempName;
}

void DllCall_LoadEmbedded(CommandContext& ctx)
{
    const CString name = ctx.Text();
    DllCallPart& part = Part(ctx);
    if (part.Module) {
        ctx.SetTruth(false);
        return;
    }
    const CString path = TemporaryCopy(ctx.Runtime(), name);
    if (!path.IsEmpty()) part.Module = ::LoadLibraryA(path);
    ctx.SetTruth(part.Module != nullptr);
}

void DllCall_SetCallingConvention(CommandContext& ctx) { Part(ctx).Cdecl = ctx.Text() != "STDCALL"; }

void DllCall_Free(CommandContext& ctx) { ctx.SetTruth(Part(ctx).Free()); }

constexpr CommandEntry kDllCall[] = {
    {2, "DllCall_Call", DllCall_Call},  // after the shared commands 0 and 1
    {3, "DllCall_GetCallingConvention", DllCall_GetCallingConvention},
    {4, "DllCall_SetSignature", DllCall_SetSignature},
    {5, "DllCall_IsLoaded", DllCall_IsLoaded},
    {6, "DllCall_Load", DllCall_Load},
    {7, "DllCall_LoadEmbedded", DllCall_LoadEmbedded},
    {8, "DllCall_SetCallingConvention", DllCall_SetCallingConvention},
    {9, "DllCall_Free", DllCall_Free},
};
static_assert(NumbersOwnCommands(kDllCall, qbk::TypeDllCall, 9));

constexpr CommandList kLists[] = {OwnCommands(qbk::TypeDllCall, kDllCall)};

}  // namespace

extern const CommandFamily kDllCallFamily("DllCall", kLists);
