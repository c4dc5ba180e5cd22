#include "string_sort.h"

#include <algorithm>

void SortStrings(CStringArray& texts)
{
    CString* data = texts.GetData();
    if (!data) return;
    std::stable_sort(data, data + texts.GetSize(),
                     [](const CString& a, const CString& b) { return a.CompareNoCase(b) < 0; });
}
