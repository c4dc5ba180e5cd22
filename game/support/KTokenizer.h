// Cuts its text into tokens at separator characters, with optional quoting.
#pragma once

#include "KString.h"
#include "KStringList.h"

class KTokenizer : public KString {
public:
    enum {
        KeepQuotes = 1,  // quote characters stay in the tokens (needs Quoting)
        TrimBlanks = 2,  // blanks and tabs around each token are dropped
        Quoting = 4,  // separators between quote characters are ordinary characters
    };

    KTokenizer(const char* text = "");

    // Empties the tokens and separators; quote '"', flags 0, position 0.
    void Reset();
    bool IsSeparator(char ch) const;

    // Tokenizes the held text (or first replaces it); returns the number of tokens.
    int Tokenize(const char* separators, int flags = 0, char quote = '"');
    int Tokenize(const char* text, const char* separators, int flags, char quote = '"');

    int GetCount() const { return m_tokens.GetCount(); }
    // A copy of token i, or the empty string when i is out of range.
    KString GetToken(int i) const { return m_tokens.GetAt(i); }
    const KStringList& Tokens() const { return m_tokens; }

private:
    bool NextToken(KString& token);
    void SkipSeparator(char separator);
    void StripQuotes(KString& token) const;

    KStringList m_tokens;
    KString m_separators;
    char m_quote;
    int m_flags;
    int m_position;
};
