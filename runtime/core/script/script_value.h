// A script value: every value is a text to the scripts, but a value made as a number keeps the
// number beside its text, and a whole number makes its text only when someone reads it. The number
// is always what the text reads as (TextToDouble of the text), so reading either one gives what
// reading the text would give.
#pragma once

#include <cstdint>
#include <utility>

#include "fw_string.h"

// Whether number is whole and its DoubleToString text is its plain decimal.
inline bool IsWholeNumber(double number)
{
    if (!(number > -1e15 && number < 1e15)) return false;  // not-a-number too
    const long long whole = static_cast<long long>(number);
    return double(whole) == number && (whole != 0 || !__builtin_signbit(number));
}

class ScriptValue {
public:
    ScriptValue() = default;
    ScriptValue(const CString& text) : m_text(text) {}  // NOLINT: a text is a value
    ScriptValue(CString&& text) : m_text(std::move(text)) {}  // NOLINT
    ScriptValue(const char* text) : m_text(text) {}  // NOLINT

    // A value computed as a number: its text is DoubleToString's (so a fraction keeps only six
    // decimals, and its number is what those read as).
    static ScriptValue FromNumber(double number)
    {
        ScriptValue value;
        value.SetNumber(number);
        return value;
    }
    // A literal text with its reading as a number, worked out once (see IsWholeText).
    static ScriptValue Literal(const CString& text, double number, bool whole)
    {
        ScriptValue value(text);
        value.m_number = number;
        value.m_state = kText | kNumber | (whole ? kWhole : 0);
        return value;
    }

    ScriptValue& operator=(const CString& text) { return Set(CString(text)); }
    ScriptValue& operator=(CString&& text) { return Set(std::move(text)); }
    ScriptValue& operator=(const char* text) { return Set(CString(text)); }
    void SetNumber(double number)
    {
        m_number = number;
        if (IsWholeNumber(number))
            m_state = kNumber | kWhole;  // the text is made when it is read
        else
            SetFraction();
    }
    // A text together with the whole number it is the decimal of ("1" and 1).
    void SetWhole(const char* text, double number)
    {
        m_text = text;
        m_number = number;
        m_state = kText | kNumber | kWhole;
    }
    void Empty()
    {
        m_text.Empty();
        m_state = kText;
    }

    const CString& Text() const
    {
        if (!(m_state & kText)) MakeText();
        return m_text;
    }
    double Number() const
    {
        if (!(m_state & kNumber)) MakeNumber();
        return m_number;
    }
    // The text is the decimal of a whole number (an optional '-' and digits, not "-0"), so that
    // the number is exact and atoi reads the same.
    bool IsWhole() const { return (m_state & kWhole) != 0; }
    // The text, moved out; the value is left empty.
    CString TakeText()
    {
        Text();
        CString text = std::move(m_text);
        Empty();
        return text;
    }

    operator const CString&() const { return Text(); }  // NOLINT: reads as its text
    const std::string& Str() const { return Text().Str(); }
    const char* GetString() const { return Text().GetString(); }
    int GetLength() const { return Text().GetLength(); }
    bool IsEmpty() const { return Text().IsEmpty(); }

private:
    enum : uint8_t { kText = 1, kNumber = 2, kWhole = 4 };
    ScriptValue& Set(CString&& text)
    {
        m_text = std::move(text);
        m_state = kText;
        return *this;
    }
    void SetFraction();
    void MakeText() const;
    void MakeNumber() const;

    mutable CString m_text;
    mutable double m_number = 0.0;
    mutable uint8_t m_state = kText;
};

inline bool operator==(const ScriptValue& a, const char* b) { return a.Text() == b; }
inline bool operator==(const ScriptValue& a, const CString& b) { return a.Text() == b; }
inline bool operator!=(const ScriptValue& a, const char* b) { return a.Text() != b; }

// Whether text is exactly the decimal of a whole number (what DoubleToString writes for one).
bool IsWholeText(const CString& text, double number);
