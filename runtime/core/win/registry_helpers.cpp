#include "registry_helpers.h"

#include <cstring>

namespace {

// Opens root\subKey; the key closes itself.
class OpenKey {
public:
    OpenKey(HKEY root, const char* subKey, REGSAM access)
    {
        if (RegOpenKeyExA(root, subKey, 0, access, &m_key) != ERROR_SUCCESS) m_key = nullptr;
    }
    ~OpenKey()
    {
        if (m_key) RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

}  // namespace

CString RegGetString(HKEY root, const CString& subKey, const CString& valueName)
{
    OpenKey key(root, subKey, KEY_READ);
    if (!key.get()) return CString();
    char buffer[1024];
    DWORD type = 0, size = sizeof buffer;
    if (RegQueryValueExA(key.get(), valueName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size) != ERROR_SUCCESS)
        return CString();
    if ((type != REG_SZ && type != REG_EXPAND_SZ) || size > sizeof buffer) return CString();
    // A value stored without its terminating zero is read as its bytes, when there is room left for
    // the zero: a text that fills the whole buffer does not fit.
    const void* zero = std::memchr(buffer, 0, size);
    if (!zero && size == sizeof buffer) return CString();
    return CString(buffer, static_cast<int>(zero ? static_cast<const char*>(zero) - buffer : size));
}

bool RegSetString(HKEY root, const CString& subKey, const CString& valueName, const CString& text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_READ | KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.GetString()),
                             static_cast<DWORD>(lstrlenA(text) + 1));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

bool RegDeleteValue(HKEY root, const CString& subKey, const CString& valueName)
{
    OpenKey key(root, subKey, KEY_READ | KEY_WRITE);
    return key.get() && RegDeleteValueA(key.get(), valueName) == ERROR_SUCCESS;
}

bool RegDeleteSubKey(HKEY root, const CString& subKey)
{
    OpenKey key(root, "", KEY_READ | KEY_WRITE);
    return key.get() && RegDeleteKeyA(key.get(), subKey) == ERROR_SUCCESS;
}
