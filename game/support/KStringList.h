// A list of owned strings. Copies are deep: every list owns its own strings.
#pragma once

#include "KArray.h"
#include "KString.h"

class KStringList : public KPtrArray<KString> {
public:
    KStringList() = default;
    KStringList(const KStringList& other);
    KStringList& operator=(const KStringList& other);
    ~KStringList() override;

    // Deep copy of another string list (a list of plain pointers cannot be told apart, so any
    // array of strings is copied string by string).
    void Assign(const KArray<KString*>& other) override;
    // Deletes every string and frees the block.
    void Clear();
    void CopyElement(KString** slot, KString* const& source) override;
    int CompareElements(KString* const& a, KString* const& b, bool caseSensitive = true) const override;
    // Clear, then append a copy of each of the other's strings in order.
    void Copy(const KStringList& other);

    // Inserts n copies of text at index (-1 = the end); returns the index.
    int Add(const char* text, int index = -1, int n = 1);
    // A copy of string i; the empty string when i is out of range.
    KString GetAt(int i) const;
    // Index of the first string equal to text (byte-wise, or ignoring case), or -1.
    int Find(const char* text, bool caseSensitive = true) const;
};
