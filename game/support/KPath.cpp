#include "KPath.h"

#include <climits>
#include <cstdio>
#include <cstring>

KPath::KPath() : m_folder(true), m_input(""), m_full(""), m_kind(Invalid) { m_fullName[0] = '\0'; }

KPath::~KPath() = default;

int KPath::ClassifyRemote(const char* path)
{
    m_input = path;
    m_full = "";
    m_kind = Invalid;
    if (m_input.Find("://") >= 1) {
        m_kind = Url;
    } else if (m_input.Find("//") == 0) {
        m_kind = Network;
    } else {
        return Invalid;
    }
    m_full = m_input;
    return m_kind;
}

int KPath::FileSize(const char* name)
{
    if (!name || !*name) {
        return -1;
    }
    FILE* file = std::fopen(name, "rb");
    if (!file) {
        return -1;
    }
    long size = -1;
    if (std::fseek(file, 0, SEEK_END) == 0) {
        size = std::ftell(file);
    }
    std::fclose(file);
    return (size < 0 || size > INT_MAX) ? -1 : static_cast<int>(size);
}

KString KPath::GetRoot() const
{
    switch (m_kind) {
    case Url: {
        int slash = m_full.FindChar('/', m_full.Find("://") + 3);
        return slash < 0 ? m_full : m_full.Left(slash + 1);
    }
    case Network: {
        int slash = m_full.FindChar('/', 2);
        return slash < 0 ? m_full + "/" : m_full.Left(slash + 1);
    }
    case Local: return m_full.Left(3);
    default: return KString("");
    }
}

KString KPath::GetFileName() const
{
    if (m_kind == Invalid) {
        return KString("");
    }
    int separator = m_full.FindLastOf(-1, 2, '\\', '/');
    if ((m_kind == Url || m_kind == Network) && separator + 1 < GetRoot().Length()) {
        return KString("");  // the only separators belong to the root
    }
    return m_full.Mid(separator + 1);
}

KString KPath::GetFolder() const
{
    KString root = GetRoot();
    if (m_kind == Invalid || root.IsEmpty()) {
        return KString("");
    }
    int start = root.Length();
    int end = m_full.Length() - GetFileName().Length();
    if (end <= start) {
        return KString("");
    }
    KString folder = m_full.Mid(start, end - start);
    if (!m_folder) {
        folder.DropRight(1);
    }
    return folder;
}
