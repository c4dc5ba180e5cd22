// CStringTokenizer: splits one text into fields at any of a set of separator bytes, with
// optional quoting (a separator inside quotes is an ordinary byte), blank trimming and quote
// removal. Used for nested project fields, property texts, record files and script lists.
#pragma once

#include <cstdint>

#include "fw_array.h"
#include "fw_string.h"

class CStringTokenizer {
public:
    enum Flags : uint32_t {
        kKeepQuotes = 1,  // leave quote characters in the fields (needs kQuotes)
        kTrimBlanks = 2,  // remove spaces at both ends of each field
        kQuotes = 4,  // recognise quoted stretches
    };

    explicit CStringTokenizer(const CString& source = CString()) : m_source(source) {}
    virtual ~CStringTokenizer() = default;

    void SetText(const CString& source) { m_source = source; }
    // Splits the source and answers the number of fields; 0 for an empty source (whose call leaves
    // the previous fields readable) or an invalid configuration (which empties them).
    int Split(const CString& separators, char quote, uint32_t flags);
    int SplitText(const CString& text, const CString& separators, char quote, uint32_t flags);
    // Field i, or the empty text outside the fields.
    CString GetAt(int index) const;
    int GetCount() const { return static_cast<int>(m_tokens.GetSize()); }
    const CStringArray& GetTokens() const { return m_tokens; }

protected:
    bool IsSeparator(char c) const;
    bool IsValid() const;
    bool NextToken(CString& out);
    void TrimBlanks(CString& text) const;
    void StripQuotes(CString& text) const;

private:
    void Reset();

    CString m_source;
    CStringArray m_tokens;
    CString m_separators;
    char m_quote = '"';
    uint32_t m_flags = 0;
    int m_position = 0;
};
