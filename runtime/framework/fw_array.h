// Growable arrays of the framework: CArray and its named forms for texts, pointers and numbers.
// An index outside the array raises CInvalidArgException (the framework's index error); the
// growth rule follows the framework's: an explicit step, or about an eighth of the size
// (at least 4, at most 1024 elements).
#pragma once

#include <algorithm>
#include <utility>
#include <vector>

#include "fw_object.h"
#include "fw_string.h"
#include "fw_types.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject {
public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    bool IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // New elements are value-initialised (0, null, the empty text).
    void SetSize(INT_PTR newSize, INT_PTR growBy = -1)
    {
        if (newSize < 0) throw CInvalidArgException();
        if (growBy >= 0) m_growBy = growBy;
        Reserve(newSize);
        m_data.resize(static_cast<size_t>(newSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR index) const { return m_data[Checked(index)]; }
    void SetAt(INT_PTR index, ARG_TYPE element) { m_data[Checked(index)] = element; }
    TYPE& ElementAt(INT_PTR index) { return m_data[Checked(index)]; }
    const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
    TYPE& operator[](INT_PTR index) { return ElementAt(index); }
    const TYPE* GetData() const { return m_data.empty() ? nullptr : m_data.data(); }
    TYPE* GetData() { return m_data.empty() ? nullptr : m_data.data(); }

    // Sets the element, growing the array when the index lies past its end.
    void SetAtGrow(INT_PTR index, ARG_TYPE element)
    {
        if (index < 0) throw CInvalidArgException();
        if (index >= GetSize()) SetSize(index + 1);
        m_data[static_cast<size_t>(index)] = element;
    }
    // Appends and answers the new element's index.
    INT_PTR Add(ARG_TYPE element)
    {
        TYPE copy(element);  // the argument may live inside this array
        Reserve(GetSize() + 1);
        m_data.push_back(std::move(copy));
        return GetSize() - 1;
    }
    // Appends every element of another array and answers the index of the first one appended.
    INT_PTR Append(const CArray& other)
    {
        INT_PTR first = GetSize();
        if (&other == this) {
            std::vector<TYPE> copy(m_data);
            Reserve(first + static_cast<INT_PTR>(copy.size()));
            m_data.insert(m_data.end(), copy.begin(), copy.end());
        } else {
            Reserve(first + other.GetSize());
            m_data.insert(m_data.end(), other.m_data.begin(), other.m_data.end());
        }
        return first;
    }
    void Copy(const CArray& other)
    {
        if (&other != this) m_data = other.m_data;
    }
    // Inserts count copies at index; an index past the end grows the array up to it first.
    void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1)
    {
        if (index < 0 || count < 0) throw CInvalidArgException();
        TYPE copy(element);
        if (index > GetSize()) SetSize(index);
        Reserve(GetSize() + count);
        m_data.insert(m_data.begin() + index, static_cast<size_t>(count), copy);
    }
    void InsertAt(INT_PTR startIndex, const CArray* other)
    {
        if (!other || startIndex < 0) throw CInvalidArgException();
        std::vector<TYPE> copy(other->m_data);
        if (startIndex > GetSize()) SetSize(startIndex);
        Reserve(GetSize() + static_cast<INT_PTR>(copy.size()));
        m_data.insert(m_data.begin() + startIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR index, INT_PTR count = 1)
    {
        if (index < 0 || count < 0 || index + count > GetSize()) throw CInvalidArgException();
        m_data.erase(m_data.begin() + index, m_data.begin() + index + count);
    }

private:
    size_t Checked(INT_PTR index) const
    {
        if (index < 0 || index >= GetSize()) throw CInvalidArgException();
        return static_cast<size_t>(index);
    }
    void Reserve(INT_PTR needed)
    {
        if (static_cast<size_t>(needed) <= m_data.capacity()) return;
        INT_PTR step = m_growBy > 0 ? m_growBy : std::min<INT_PTR>(1024, std::max<INT_PTR>(4, GetSize() / 8));
        INT_PTR target = std::max(needed, static_cast<INT_PTR>(m_data.capacity()) + step);
        m_data.reserve(static_cast<size_t>(target));
    }

    std::vector<TYPE> m_data;
    INT_PTR m_growBy = 0;
};

class CStringArray : public CArray<CString> {};
class CPtrArray : public CArray<void*, void*> {};
class CDWordArray : public CArray<DWORD, DWORD> {};
class CUIntArray : public CArray<UINT, UINT> {};
class CWordArray : public CArray<WORD, WORD> {};
class CByteArray : public CArray<BYTE, BYTE> {};
