#include "extension_plugin.h"

#include <cstring>
#include <memory>

#include "file_helpers.h"

namespace {

using CreateExtensionFn = int(__cdecl*)(const char* programPath, HWND parent, HWND control, int windowId, int objectId);
using DestroyExtensionFn = void(__cdecl*)();

// A library that refuses, or cannot be asked, goes with its file.
void Discard(HMODULE module, const CString& file)
{
    if (module) ::FreeLibrary(module);
    ::DeleteFileA(file);
}

}  // namespace

void ExtensionPlugin::Unload()
{
    const HMODULE module = m_module;
    m_module = nullptr;
    if (!module) return;
    if (auto destroy = reinterpret_cast<DestroyExtensionFn>(::GetProcAddress(module, "DestroyExtension"))) destroy();
    Discard(module, m_file);
}

void LoadExtensionPlugin(CProjectRuntime& runtime, int windowId, ObjectRecord& object, HWND parent, HWND control)
{
    if (object.TextList.IsEmpty()) object.TextList.Add(CString());
    CMemFile* library = runtime.OpenEmbeddedFile(GetPropertyValue("Extension", object.Properties));
    if (!library) return;
    const CString file = MakeTempFileName();
    if (file.IsEmpty()) return;
    if (!runtime.ExtractEmbeddedFile(library, file)) {
        ::DeleteFileA(file);
        return;
    }
    const HMODULE module = ::LoadLibraryA(file);
    auto create = reinterpret_cast<CreateExtensionFn>(module ? ::GetProcAddress(module, "CreateExtension") : nullptr);
    if (!create) {
        Discard(module, file);
        return;
    }
    // The plug-in gets a copy of the path it may not keep.
    const CString& path = runtime.m_programPath;
    std::unique_ptr<char[]> copy(new char[size_t(path.GetLength()) + 1]);
    std::memcpy(copy.get(), LPCSTR(path), size_t(path.GetLength()) + 1);
    const int accepted = create(copy.get(), parent, control, windowId, object.Id);
    copy.reset();
    if (!accepted) {
        Discard(module, file);
        return;
    }
    object.Part = std::make_unique<ExtensionPlugin>(module, file);
    object.TextList.SetAt(0, file);
}
