// Plug-in libraries of Extension objects: a library the project carries, written to a temporary
// file, loaded and told about its host when the object's window is made, called by name with typed
// arguments, told and unloaded when the object goes.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>

#include "fw_string.h"
#include "project_model.h"

// What a plug-in function gets: the arguments in, its answer out. Packed so that both compilers lay
// it out as the plug-ins expect (MinGW would align the double to 8).
#pragma pack(push, 1)
struct ExtensionCallBlock {
    int32_t Reserved;
    int32_t ArgumentCount;  // every argument given, those of unknown type too
    void** Arguments;  // one pointer per argument of known type
    const char* ResultText;  // the plug-in's own memory
    double ResultNumber;
    int32_t ResultType;  // 0 number, 1 text, else no answer
};
#pragma pack(pop)
#if defined(__i386__) || defined(_M_IX86)
static_assert(sizeof(ExtensionCallBlock) == 28, "the 32-bit plug-in interface has a 28-byte call block");
static_assert(offsetof(ExtensionCallBlock, Arguments) == 8 && offsetof(ExtensionCallBlock, ResultText) == 12 &&
                  offsetof(ExtensionCallBlock, ResultNumber) == 16 && offsetof(ExtensionCallBlock, ResultType) == 24,
              "call block fields at the offsets plug-ins read");
#else
static_assert(offsetof(ExtensionCallBlock, Arguments) == 8 && offsetof(ExtensionCallBlock, ResultText) == 16 &&
                  offsetof(ExtensionCallBlock, ResultNumber) == 24 && offsetof(ExtensionCallBlock, ResultType) == 32,
              "call block fields follow each other without padding");
#endif

enum ExtensionParamType { kExtensionInt = 1, kExtensionDouble = 2, kExtensionText = 3 };
enum ExtensionResultType { kExtensionNumber = 0, kExtensionString = 1, kExtensionNoResult = 2 };

// The loaded library of an Extension object. Going, it calls "DestroyExtension" (once: the handle is
// cleared), frees the library and deletes its temporary file, also for a library without that export.
class ExtensionPlugin : public ObjectPart {
public:
    static constexpr int kMaxNameLength = 127;

    ExtensionPlugin(HMODULE module, const CString& file) : m_module(module), m_file(file) {}
    ~ExtensionPlugin() override { Unload(); }
    ExtensionPlugin(const ExtensionPlugin&) = delete;
    ExtensionPlugin& operator=(const ExtensionPlugin&) = delete;

    HMODULE Module() const { return m_module; }
    FARPROC Export(const char* name) const { return m_module ? ::GetProcAddress(m_module, name) : nullptr; }
    void Unload();

private:
    HMODULE m_module;
    CString m_file;
};

// Loads the library named by the object's "Extension" property and keeps it as the object's part
// when its "CreateExtension" accepts; anything else leaves no library and no file behind.
void LoadExtensionPlugin(CProjectRuntime& runtime, int windowId, ObjectRecord& object, HWND parent, HWND control);
