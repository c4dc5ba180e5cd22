// Growable 8-bit text: zero-terminated, knows its length, grows in steps of 16 bytes and never
// shrinks. A string without a buffer (fresh or emptied) behaves as the empty text everywhere.
#pragma once

#include <cstdarg>

class KString {
public:
    KString();
    KString(const char* text);
    KString(const KString& other);
    KString(KString&& other) noexcept;
    // A string of n zero characters (negative = 0).
    explicit KString(int n);
    virtual ~KString();

    KString& operator=(const char* text);
    KString& operator=(const KString& other);
    KString& operator=(KString&& other) noexcept;
    // Copies a C text; null makes the string empty (with a buffer).
    void Set(const char* text);

    // Never null: "" when the string has no buffer.
    const char* c_str() const { return m_text ? m_text : ""; }
    char& operator[](int i) { return m_text[i]; }
    char operator[](int i) const { return m_text[i]; }
    int Length() const { return m_length; }
    int Capacity() const { return m_capacity; }
    bool IsEmpty() const { return m_length == 0; }

    bool operator==(const char* text) const;
    bool operator!=(const char* text) const { return !(*this == text); }
    bool operator==(const KString& other) const { return *this == other.c_str(); }
    bool operator!=(const KString& other) const { return !(*this == other.c_str()); }
    // Byte-wise order: -1, 0 or 1.
    int Compare(const char* text) const;
    // Case-insensitive order (ASCII letters fold to lower case): negative, 0 or positive.
    int CompareNoCase(const char* text) const;

#ifdef _WIN32
    // UTF-16 copy through the ANSI code page; valid until the next call or destruction.
    const wchar_t* ToWide();
#endif

    void Format(const char* format, ...)
#if defined(__MINGW32__)
        __attribute__((format(gnu_printf, 2, 3)))
#elif defined(__GNUC__)
        __attribute__((format(printf, 2, 3)))
#endif
        ;
    void FormatV(const char* format, va_list args);
    void Append(const char* text);
    void AppendChar(char ch);
    // Frees the text buffer; the string is then empty without a buffer.
    void Empty();
    // Sets the length (negative = 0); a larger buffer is zero-filled, keep copies the old text.
    void SetLength(int n, bool keep = true);

    // Searches; positions are 0-based, -1 means not found.
    int FindChar(char ch, int start = 0, int count = -1) const;
    int Find(const char* text, int start = 0, int count = -1) const;
    // Searches backwards from start (-1 = last character) for each of the n listed characters in
    // turn; the first listed character that occurs wins.
    int FindLastOf(int start, int n, ...) const;

    KString Left(int n) const;
    KString Mid(int start, int count = -1) const;
    // n > 0 removes n characters (returns 0); n < 0 removes the run of blanks and tabs and returns
    // how many it removed.
    int DropLeft(int n);
    int DropRight(int n);
    int Delete(int start, int count = -1);
    void InsertChars(char ch, int pos, int count);
    void ReplaceRange(const char* text, int start, int count);
    int Replace(const char* find, const char* with, int start = 0, int count = -1);

    // Buffer size needed for n characters: the next multiple of 16 strictly above n + 1.
    static int CapacityFor(int n);

private:
    // Makes room for n characters; the old buffer is freed only after the caller's copy is done,
    // so texts that point into it stay readable. Returns the buffer to free (or null).
    char* Reserve(int n, bool keep);
    void Assign(const char* text, int n);
    void ClampRange(int& start, int& count) const;

    char* m_text;
    int m_length;
    int m_capacity;
    wchar_t* m_wide;
};

KString operator+(const KString& left, const char* right);
