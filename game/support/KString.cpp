#include "KString.h"

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

int TextLength(const char* text) { return text ? static_cast<int>(std::strlen(text)) : 0; }

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

int Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }

unsigned char FoldCase(unsigned char ch)
{
    return (ch >= 'A' && ch <= 'Z') ? static_cast<unsigned char>(ch - 'A' + 'a') : ch;
}

}  // namespace

int KString::CapacityFor(int n)
{
    if (n < 0) {
        n = 0;
    }
    return 16 * ((n + 1) / 16 + 1);
}

KString::KString() : m_text(nullptr), m_length(0), m_capacity(0), m_wide(nullptr) {}

KString::KString(const char* text) : KString() { Set(text); }

KString::KString(const KString& other) : KString() { Assign(other.c_str(), other.m_length); }

KString::KString(KString&& other) noexcept
    : m_text(other.m_text), m_length(other.m_length), m_capacity(other.m_capacity), m_wide(nullptr)
{
    other.m_text = nullptr;
    other.m_length = 0;
    other.m_capacity = 0;
}

KString::KString(int n) : KString() { SetLength(n, false); }

KString::~KString()
{
    delete[] m_text;
    delete[] m_wide;
}

KString& KString::operator=(const char* text)
{
    Set(text);
    return *this;
}

KString& KString::operator=(const KString& other)
{
    if (this != &other) {
        Assign(other.c_str(), other.m_length);
    }
    return *this;
}

KString& KString::operator=(KString&& other) noexcept
{
    if (this != &other) {
        delete[] m_text;
        m_text = other.m_text;
        m_length = other.m_length;
        m_capacity = other.m_capacity;
        other.m_text = nullptr;
        other.m_length = 0;
        other.m_capacity = 0;
    }
    return *this;
}

void KString::Set(const char* text) { Assign(text ? text : "", TextLength(text)); }

char* KString::Reserve(int n, bool keep)
{
    int needed = CapacityFor(n);
    if (needed <= m_capacity) {
        return nullptr;
    }
    char* fresh = new char[needed]();
    char* old = m_text;
    if (keep && old) {
        std::memcpy(fresh, old, static_cast<size_t>(m_length < n ? m_length : n));
    }
    m_text = fresh;
    m_capacity = needed;
    return old;
}

// Copies n bytes of text (which may lie inside this string's own buffer).
void KString::Assign(const char* text, int n)
{
    std::unique_ptr<char[]> old(Reserve(n, false));
    std::memmove(m_text, text, static_cast<size_t>(n));
    m_text[n] = '\0';
    m_length = n;
}

bool KString::operator==(const char* text) const { return std::strcmp(c_str(), text ? text : "") == 0; }

int KString::Compare(const char* text) const { return Sign(std::strcmp(c_str(), text ? text : "")); }

int KString::CompareNoCase(const char* text) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(c_str());
    const unsigned char* b = reinterpret_cast<const unsigned char*>(text ? text : "");
    for (;; ++a, ++b) {
        int d = FoldCase(*a) - FoldCase(*b);
        if (d != 0 || *a == 0) {
            return d;
        }
    }
}

void KString::Format(const char* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

// Measures the exact length first, then formats into a fresh buffer, so arguments that point
// into this string stay valid while they are read.
void KString::FormatV(const char* format, va_list args)
{
    if (!format) {
        Set("");
        return;
    }
    va_list measure;
    va_copy(measure, args);
    int n = std::vsnprintf(nullptr, 0, format, measure);
    va_end(measure);
    if (n < 0) {
        Set("");
        return;
    }
    int capacity = CapacityFor(n);
    char* fresh = new char[capacity]();
    std::vsnprintf(fresh, static_cast<size_t>(n) + 1, format, args);
    if (capacity <= m_capacity) {
        std::memcpy(m_text, fresh, static_cast<size_t>(n) + 1);
        delete[] fresh;
    } else {
        delete[] m_text;
        m_text = fresh;
        m_capacity = capacity;
    }
    m_length = n;
}

void KString::Append(const char* text)
{
    int n = TextLength(text);
    if (n == 0) {
        if (!m_text) {
            Set("");
        }
        return;
    }
    std::unique_ptr<char[]> old(Reserve(m_length + n, true));
    std::memmove(m_text + m_length, text, static_cast<size_t>(n));
    m_length += n;
    m_text[m_length] = '\0';
}

void KString::AppendChar(char ch)
{
    std::unique_ptr<char[]> old(Reserve(m_length + 1, true));
    m_text[m_length++] = ch;
    m_text[m_length] = '\0';
}

void KString::Empty()
{
    delete[] m_text;
    m_text = nullptr;
    m_length = 0;
    m_capacity = 0;
}

void KString::SetLength(int n, bool keep)
{
    if (n < 0) {
        n = 0;
    }
    std::unique_ptr<char[]> old(Reserve(n, keep));
    m_text[n] = '\0';
    m_length = n;
}

// Clamps start to 0..length; a count below 0 or past the end means the rest.
void KString::ClampRange(int& start, int& count) const
{
    if (start < 0) {
        start = 0;
    }
    if (start > m_length) {
        start = m_length;
    }
    if (count < 0 || start + count > m_length) {
        count = m_length - start;
    }
}

int KString::FindChar(char ch, int start, int count) const
{
    if (start < 0) {
        start = 0;
    }
    if (start > m_length) {
        start = m_length;
    }
    int end = (count >= 0 && start + count <= m_length) ? start + count : m_length;
    for (int i = start; i < end; ++i) {
        if (m_text[i] == ch) {
            return i;
        }
    }
    return -1;
}

int KString::Find(const char* text, int start, int count) const
{
    int n = TextLength(text);
    if (n == 0) {
        return -1;
    }
    ClampRange(start, count);
    for (int i = start; i <= start + count - n; ++i) {
        if (std::memcmp(m_text + i, text, static_cast<size_t>(n)) == 0) {
            return i;
        }
    }
    return -1;
}

int KString::FindLastOf(int start, int n, ...) const
{
    if (start == -1) {
        start = m_length - 1;
    }
    if (start < 0 || start >= m_length) {
        return -1;
    }
    va_list args;
    va_start(args, n);
    int found = -1;
    for (int k = 0; k < n && found < 0; ++k) {
        char ch = static_cast<char>(va_arg(args, int));
        for (int i = start; i >= 0; --i) {
            if (m_text[i] == ch) {
                found = i;
                break;
            }
        }
    }
    va_end(args);
    return found;
}

KString KString::Left(int n) const { return Mid(0, n < 0 ? 0 : n); }

KString KString::Mid(int start, int count) const
{
    ClampRange(start, count);
    KString result;
    result.Assign(c_str() + start, count);
    return result;
}

int KString::DropLeft(int n)
{
    if (n == 0 || m_length == 0) {
        return 0;
    }
    if (n > 0) {
        Delete(0, n);
        return 0;
    }
    int run = 0;
    while (run < m_length && IsBlank(m_text[run])) {
        ++run;
    }
    Delete(0, run);
    return run;
}

int KString::DropRight(int n)
{
    if (n == 0 || m_length == 0) {
        return 0;
    }
    if (n > 0) {
        Delete(n >= m_length ? 0 : m_length - n);
        return 0;
    }
    int run = 0;
    while (run < m_length && IsBlank(m_text[m_length - 1 - run])) {
        ++run;
    }
    Delete(m_length - run);
    return run;
}

int KString::Delete(int start, int count)
{
    ClampRange(start, count);
    if (count == 0) {
        return 0;
    }
    std::memmove(m_text + start, m_text + start + count, static_cast<size_t>(m_length - start - count));
    m_length -= count;
    m_text[m_length] = '\0';
    return count;
}

void KString::InsertChars(char ch, int pos, int count)
{
    if (count < 1 || pos > m_length) {
        return;
    }
    if (pos < 0) {
        pos = m_length;
    }
    std::unique_ptr<char[]> old(Reserve(m_length + count, true));
    std::memmove(m_text + pos + count, m_text + pos, static_cast<size_t>(m_length - pos));
    std::memset(m_text + pos, ch, static_cast<size_t>(count));
    m_length += count;
    m_text[m_length] = '\0';
}

void KString::ReplaceRange(const char* text, int start, int count)
{
    ClampRange(start, count);
    // The text may point into this string: take a copy before the buffer moves.
    KString copy(text);
    int n = copy.m_length;
    if (n < count) {
        Delete(start + n, count - n);
    } else if (n > count) {
        InsertChars('#', start + count, n - count);
    }
    if (n > 0) {
        std::memcpy(m_text + start, copy.m_text, static_cast<size_t>(n));
    }
}

// The window [start, start + count) is fixed at the call and the search position advances by the
// length of the found text from the previous search position, so replacements of another length
// shift the text against the window; callers replace tokens that stand once in a text.
int KString::Replace(const char* find, const char* with, int start, int count)
{
    int findLength = TextLength(find);
    if (findLength == 0) {
        return 0;
    }
    ClampRange(start, count);
    KString findCopy(find);
    KString withCopy(with);
    int end = start + count;
    int replaced = 0;
    for (int p = start, window = count; p < end; p += findLength, window -= findLength) {
        int at = Find(findCopy.c_str(), p, window);
        if (at < 0) {
            break;
        }
        ReplaceRange(withCopy.c_str(), at, findLength);
        ++replaced;
    }
    return replaced;
}

KString operator+(const KString& left, const char* right)
{
    KString result(left);
    result.Append(right);
    return result;
}
