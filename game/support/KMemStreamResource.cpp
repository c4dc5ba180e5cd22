#include "KMemStream.h"

#include <windows.h>

bool KMemStream::LoadResource(const char* type, int id, void* module)
{
    HMODULE owner = static_cast<HMODULE>(module);
    HRSRC found = FindResourceA(owner, MAKEINTRESOURCEA(id), type);
    if (!found) {
        return false;
    }
    HGLOBAL loaded = ::LoadResource(owner, found);
    if (!loaded) {
        return false;
    }
    const void* bytes = LockResource(loaded);
    if (!bytes) {
        return false;
    }
    DWORD size = SizeofResource(owner, found);
    if (size > 0 && Write(bytes, static_cast<int>(size)) != static_cast<int>(size)) {
        return false;
    }
    m_position = 0;
    return true;
}
