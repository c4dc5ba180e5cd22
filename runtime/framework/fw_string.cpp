#include "fw_string.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "fw_object.h"

namespace {

char FoldLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char FoldUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsWhite(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }
bool InSet(char c, const char* set) { return set && c != '\0' && std::strchr(set, c) != nullptr; }

// Compares unsigned bytes of two spans; the shorter span sorts first on a common prefix.
template <typename Fold>
int CompareBytes(const char* a, size_t na, const char* b, size_t nb, Fold fold)
{
    size_t n = std::min(na, nb);
    for (size_t i = 0; i < n; ++i) {
        unsigned char ca = static_cast<unsigned char>(fold(a[i]));
        unsigned char cb = static_cast<unsigned char>(fold(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return na == nb ? 0 : (na < nb ? -1 : 1);
}

char Same(char c) { return c; }

}  // namespace

CString::CString(const char* text, int length)
{
    if (text && length > 0) m_s.assign(text, static_cast<size_t>(length));
}

CString::CString(char ch, int repeat)
{
    if (repeat > 0) m_s.assign(static_cast<size_t>(repeat), ch);
}

char CString::GetAt(int index) const
{
    if (index < 0 || index >= GetLength()) throw CInvalidArgException();
    return m_s[static_cast<size_t>(index)];
}

void CString::SetAt(int index, char ch)
{
    if (index < 0 || index >= GetLength()) throw CInvalidArgException();
    m_s[static_cast<size_t>(index)] = ch;
}

CString& CString::operator=(const char* text)
{
    if (!text) {
        m_s.clear();
    } else if (text >= m_s.data() && text <= m_s.data() + m_s.size()) {
        m_s = std::string(text);  // a pointer into ourselves: copy first
    } else {
        m_s.assign(text);
    }
    return *this;
}

CString& CString::operator=(char ch)
{
    m_s.assign(1, ch);
    return *this;
}

CString& CString::operator+=(const CString& text)
{
    m_s += text.m_s;
    return *this;
}

CString& CString::operator+=(const char* text)
{
    if (text) m_s += std::string(text);
    return *this;
}

CString& CString::operator+=(char ch)
{
    m_s += ch;
    return *this;
}

void CString::Append(const char* data, int length)
{
    if (data && length > 0) m_s.append(data, static_cast<size_t>(length));
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, const char* b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(const char* a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(const CString& a, char b)
{
    CString r(a);
    r += b;
    return r;
}
CString operator+(char a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

int CString::Compare(const char* text) const
{
    if (!text) text = "";
    return CompareBytes(m_s.data(), m_s.size(), text, std::strlen(text), Same);
}

int CString::CompareNoCase(const char* text) const
{
    if (!text) text = "";
    return CompareBytes(m_s.data(), m_s.size(), text, std::strlen(text), FoldLower);
}

CString CString::Mid(int first) const { return Mid(first, GetLength()); }

CString CString::Mid(int first, int count) const
{
    long long len = GetLength();
    long long f = std::max(first, 0);
    long long n = std::max(count, 0);
    if (f > len) f = len;
    if (f + n > len) n = len - f;
    CString r;
    r.m_s = m_s.substr(static_cast<size_t>(f), static_cast<size_t>(n));
    return r;
}

CString CString::Left(int count) const { return Mid(0, count); }

CString CString::Right(int count) const
{
    int n = std::min(std::max(count, 0), GetLength());
    return Mid(GetLength() - n, n);
}

CString CString::SpanIncluding(const char* set) const
{
    size_t n = 0;
    while (n < m_s.size() && InSet(m_s[n], set)) ++n;
    return Left(static_cast<int>(n));
}

CString CString::SpanExcluding(const char* set) const
{
    size_t n = 0;
    while (n < m_s.size() && !InSet(m_s[n], set)) ++n;
    return Left(static_cast<int>(n));
}

CString& CString::MakeUpper()
{
    for (char& c : m_s) c = FoldUpper(c);
    return *this;
}

CString& CString::MakeLower()
{
    for (char& c : m_s) c = FoldLower(c);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_s.begin(), m_s.end());
    return *this;
}

int CString::Find(char ch, int start) const
{
    if (start < 0) start = 0;
    if (start >= GetLength()) return -1;
    size_t at = m_s.find(ch, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const char* sub, int start) const
{
    if (!sub) return -1;
    if (start < 0) start = 0;
    if (start > GetLength()) return -1;
    size_t at = m_s.find(sub, static_cast<size_t>(start));
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(char ch) const
{
    size_t at = m_s.rfind(ch);
    return at == std::string::npos ? -1 : static_cast<int>(at);
}

int CString::FindOneOf(const char* set) const
{
    for (size_t i = 0; i < m_s.size(); ++i)
        if (InSet(m_s[i], set)) return static_cast<int>(i);
    return -1;
}

int CString::Replace(char oldCh, char newCh)
{
    int n = 0;
    for (char& c : m_s) {
        if (c == oldCh) {
            c = newCh;
            ++n;
        }
    }
    return n;
}

int CString::Replace(const char* oldText, const char* newText)
{
    if (!oldText || !*oldText) return 0;
    std::string from(oldText), to(newText ? newText : "");
    std::string out;
    int n = 0;
    size_t pos = 0;
    for (;;) {
        size_t at = m_s.find(from, pos);
        if (at == std::string::npos) break;
        out.append(m_s, pos, at - pos);
        out += to;
        pos = at + from.size();
        ++n;
    }
    if (n) {
        out.append(m_s, pos, std::string::npos);
        m_s.swap(out);
    }
    return n;
}

int CString::Remove(char ch)
{
    size_t before = m_s.size();
    m_s.erase(std::remove(m_s.begin(), m_s.end(), ch), m_s.end());
    return static_cast<int>(before - m_s.size());
}

int CString::Insert(int index, char ch) { return Insert(index, std::string(1, ch).c_str()); }

int CString::Insert(int index, const char* text)
{
    index = std::min(std::max(index, 0), GetLength());
    if (text) m_s.insert(static_cast<size_t>(index), std::string(text));
    return GetLength();
}

int CString::Delete(int index, int count)
{
    if (index < 0) index = 0;
    if (count > 0 && index < GetLength()) m_s.erase(static_cast<size_t>(index), static_cast<size_t>(count));
    return GetLength();
}

CString& CString::Trim() { return TrimRight().TrimLeft(); }
CString& CString::Trim(char ch) { return TrimRight(ch).TrimLeft(ch); }
CString& CString::Trim(const char* set) { return TrimRight(set).TrimLeft(set); }

CString& CString::TrimLeft()
{
    size_t n = 0;
    while (n < m_s.size() && IsWhite(m_s[n])) ++n;
    m_s.erase(0, n);
    return *this;
}

CString& CString::TrimLeft(char ch)
{
    size_t n = 0;
    while (n < m_s.size() && m_s[n] == ch) ++n;
    m_s.erase(0, n);
    return *this;
}

CString& CString::TrimLeft(const char* set)
{
    size_t n = 0;
    while (n < m_s.size() && InSet(m_s[n], set)) ++n;
    m_s.erase(0, n);
    return *this;
}

CString& CString::TrimRight()
{
    size_t n = m_s.size();
    while (n > 0 && IsWhite(m_s[n - 1])) --n;
    m_s.resize(n);
    return *this;
}

CString& CString::TrimRight(char ch)
{
    size_t n = m_s.size();
    while (n > 0 && m_s[n - 1] == ch) --n;
    m_s.resize(n);
    return *this;
}

CString& CString::TrimRight(const char* set)
{
    size_t n = m_s.size();
    while (n > 0 && InSet(m_s[n - 1], set)) --n;
    m_s.resize(n);
    return *this;
}

void CString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::AppendFormat(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    AppendFormatV(format, args);
    va_end(args);
}

void CString::FormatV(const char* format, va_list args)
{
    m_s.clear();
    AppendFormatV(format, args);
}

void CString::AppendFormatV(const char* format, va_list args)
{
    if (!format) return;
    char small[256];
    va_list copy;
    va_copy(copy, args);
    int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0) return;
    if (static_cast<size_t>(n) < sizeof small) {
        m_s.append(small, static_cast<size_t>(n));
        return;
    }
    std::string big(static_cast<size_t>(n) + 1, '\0');
    va_copy(copy, args);
    std::vsnprintf(&big[0], big.size(), format, copy);
    va_end(copy);
    big.resize(static_cast<size_t>(n));
    m_s += big;
}

char* CString::GetBuffer(int minLength)
{
    if (minLength > GetLength()) m_s.resize(static_cast<size_t>(minLength));
    return &m_s[0];
}

char* CString::GetBufferSetLength(int length)
{
    m_s.resize(static_cast<size_t>(std::max(length, 0)));
    return &m_s[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0) {
        const void* zero = std::memchr(m_s.data(), 0, m_s.size());
        newLength = zero ? static_cast<int>(static_cast<const char*>(zero) - m_s.data()) : GetLength();
    }
    m_s.resize(std::min(static_cast<size_t>(newLength), m_s.size()));
}

bool operator==(const CString& a, const CString& b) { return a.Str() == b.Str(); }
bool operator==(const CString& a, const char* b) { return a.Compare(b) == 0; }
bool operator==(const char* a, const CString& b) { return b.Compare(a) == 0; }
bool operator!=(const CString& a, const CString& b) { return !(a == b); }
bool operator!=(const CString& a, const char* b) { return !(a == b); }
bool operator!=(const char* a, const CString& b) { return !(a == b); }
bool operator<(const CString& a, const CString& b)
{
    return CompareBytes(a.Str().data(), a.Str().size(), b.Str().data(), b.Str().size(), Same) < 0;
}
bool operator>(const CString& a, const CString& b) { return b < a; }
bool operator<=(const CString& a, const CString& b) { return !(b < a); }
bool operator>=(const CString& a, const CString& b) { return !(a < b); }
