// CString: the framework's 8-bit text. Bytes, not characters: it may hold zero bytes, and every
// length and index counts bytes. Comparisons are byte-wise (unsigned); the no-case variants fold
// ASCII letters only, so results are the same on every platform.
#pragma once

#include <cstdarg>
#include <string>
#include <type_traits>

#include "fw_types.h"

#if defined(__MINGW_PRINTF_FORMAT)
#define FW_PRINTF_FORMAT(f, a) __attribute__((format(__MINGW_PRINTF_FORMAT, f, a)))
#elif defined(__GNUC__)
#define FW_PRINTF_FORMAT(f, a) __attribute__((format(printf, f, a)))
#else
#define FW_PRINTF_FORMAT(f, a)
#endif

class CString {
public:
    CString() = default;
    CString(const char* text) : m_s(text ? text : "") {}  // NOLINT: implicit like the framework's
    CString(const char* text, int length);
    CString(char ch, int repeat = 1);
    explicit CString(const std::string& text) : m_s(text) {}

    int GetLength() const { return static_cast<int>(m_s.size()); }
    bool IsEmpty() const { return m_s.empty(); }
    void Empty() { m_s.clear(); }

    // Byte at index; an index outside the text raises CInvalidArgException.
    char GetAt(int index) const;
    void SetAt(int index, char ch);
    // Any integer type indexes exactly (no ambiguity with the conversion to const char*).
    template <typename I, typename = std::enable_if_t<std::is_integral_v<I>>>
    char operator[](I index) const
    {
        return index < 0 || static_cast<unsigned long long>(index) > 0x7fffffffULL ? GetAt(-1)
                                                                                   : GetAt(static_cast<int>(index));
    }

    const char* GetString() const { return m_s.c_str(); }
    operator const char*() const { return m_s.c_str(); }  // NOLINT: implicit like the framework's
    const std::string& Str() const { return m_s; }

    CString& operator=(const char* text);
    CString& operator=(char ch);
    CString& operator+=(const CString& text);
    CString& operator+=(const char* text);
    CString& operator+=(char ch);
    // Appends bytes, zero bytes included.
    void Append(const char* data, int length);

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const char* b);
    friend CString operator+(const char* a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

    // <0, 0, >0 as in strcmp, comparing unsigned bytes; the no-case form folds A-Z to a-z first.
    int Compare(const char* text) const;
    int CompareNoCase(const char* text) const;

    // Substrings clamp their range to the text: a negative start or count counts as 0,
    // a count that runs past the end stops at the end.
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    CString Left(int count) const;
    CString Right(int count) const;
    CString SpanIncluding(const char* set) const;
    CString SpanExcluding(const char* set) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Searches answer the index found or -1. A start outside the text finds nothing.
    int Find(char ch, int start = 0) const;
    int Find(const char* sub, int start = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(const char* set) const;

    // Editing answers the number of replacements or removals, or the new length.
    int Replace(char oldCh, char newCh);
    int Replace(const char* oldText, const char* newText);
    int Remove(char ch);
    int Insert(int index, char ch);
    int Insert(int index, const char* text);
    int Delete(int index, int count = 1);

    // Trimming without an argument removes white space (space, tab, CR, LF, VT, FF).
    CString& Trim();
    CString& Trim(char ch);
    CString& Trim(const char* set);
    CString& TrimLeft();
    CString& TrimLeft(char ch);
    CString& TrimLeft(const char* set);
    CString& TrimRight();
    CString& TrimRight(char ch);
    CString& TrimRight(const char* set);

    // printf-style formatting into this text, of any length.
    void Format(const char* format, ...) FW_PRINTF_FORMAT(2, 3);
    void AppendFormat(const char* format, ...) FW_PRINTF_FORMAT(2, 3);
    void FormatV(const char* format, va_list args);
    void AppendFormatV(const char* format, va_list args);

    // Direct access for C-style fillers: GetBuffer gives room for at least minLength bytes plus a
    // terminating zero; ReleaseBuffer sets the length (-1: up to the first zero byte).
    char* GetBuffer(int minLength = 0);
    char* GetBufferSetLength(int length);
    void ReleaseBuffer(int newLength = -1);

private:
    std::string m_s;
};

bool operator==(const CString& a, const CString& b);
bool operator==(const CString& a, const char* b);
bool operator==(const char* a, const CString& b);
bool operator!=(const CString& a, const CString& b);
bool operator!=(const CString& a, const char* b);
bool operator!=(const char* a, const CString& b);
bool operator<(const CString& a, const CString& b);
bool operator>(const CString& a, const CString& b);
bool operator<=(const CString& a, const CString& b);
bool operator>=(const CString& a, const CString& b);
