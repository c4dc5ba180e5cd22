#include "KStringList.h"

namespace {

// A null slot reads as the empty string.
const KString& TextOf(const KString* s)
{
    static const KString empty("");
    return s ? *s : empty;
}

}  // namespace

KStringList::KStringList(const KStringList& other) : KPtrArray<KString>() { Copy(other); }

KStringList& KStringList::operator=(const KStringList& other)
{
    Copy(other);
    return *this;
}

KStringList::~KStringList() = default;

void KStringList::Assign(const KArray<KString*>& other)
{
    if (this == &other) {
        return;
    }
    Clear();
    for (int i = 0; i < other.GetCount(); ++i) {
        Add(TextOf(other[i]).c_str());
    }
}

void KStringList::Clear()
{
    DeleteAll();
    FreeAll();
}

void KStringList::CopyElement(KString** slot, KString* const& source) { *slot = new KString(TextOf(source)); }

int KStringList::CompareElements(KString* const& a, KString* const& b, bool caseSensitive) const
{
    const char* right = TextOf(b).c_str();
    return caseSensitive ? TextOf(a).Compare(right) : TextOf(a).CompareNoCase(right);
}

void KStringList::Copy(const KStringList& other) { Assign(other); }

int KStringList::Add(const char* text, int index, int n)
{
    KString value(text);
    KString* source = &value;
    return KArray<KString*>::InsertAt(source, index, n);
}

KString KStringList::GetAt(int i) const
{
    if (i < 0 || i >= m_count || !m_data[i]) {
        return KString("");
    }
    return *m_data[i];
}

int KStringList::Find(const char* text, bool caseSensitive) const
{
    for (int i = 0; i < m_count; ++i) {
        const KString& item = TextOf(m_data[i]);
        if (caseSensitive ? item.Compare(text) == 0 : item.CompareNoCase(text) == 0) {
            return i;
        }
    }
    return -1;
}
