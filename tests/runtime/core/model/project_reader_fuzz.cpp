// Feeds damaged program files to the stored-project reader and compiles what it accepts.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "project_model.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<BYTE> bytes(data, data + size);
    CMemFile file(bytes.empty() ? nullptr : bytes.data(), UINT(bytes.size()));
    CProjectRuntime runtime;
    if (runtime.ReadStoredProject(file)) {
        runtime.CompileAllScripts();
        for (int w = 0; w < runtime.GetWindowCount(); ++w) runtime.RebindWindowReferences(*runtime.GetWindowAt(w));
        runtime.FreeCompiledScripts();
    }
    runtime.ResetProject();
    return 0;
}
