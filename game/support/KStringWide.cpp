#include "KString.h"

#include <windows.h>

const wchar_t* KString::ToWide()
{
    delete[] m_wide;
    m_wide = new wchar_t[static_cast<size_t>(m_length) + 1]();
    // Converts the terminator as well; a failed conversion leaves the empty wide text.
    if (MultiByteToWideChar(CP_ACP, 0, c_str(), m_length + 1, m_wide, m_length + 1) == 0) {
        m_wide[0] = L'\0';
    }
    return m_wide;
}
