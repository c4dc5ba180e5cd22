#include "KTokenizer.h"

namespace {

bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }

}  // namespace

KTokenizer::KTokenizer(const char* text) : KString(text), m_quote('"'), m_flags(0), m_position(0) {}

void KTokenizer::Reset()
{
    m_tokens.Clear();
    m_separators = "";
    m_quote = '"';
    m_flags = 0;
    m_position = 0;
}

bool KTokenizer::IsSeparator(char ch) const { return ch != '\0' && m_separators.FindChar(ch) >= 0; }

int KTokenizer::Tokenize(const char* text, const char* separators, int flags, char quote)
{
    Set(text);
    return Tokenize(separators, flags, quote);
}

int KTokenizer::Tokenize(const char* separators, int flags, char quote)
{
    Reset();
    if (IsEmpty()) {
        return 0;
    }
    m_separators = separators;
    m_flags = flags;
    m_quote = quote;
    if (IsSeparator(quote) || ((flags & TrimBlanks) && quote == ' ') || ((flags & KeepQuotes) && !(flags & Quoting))) {
        Reset();
        return 0;
    }
    KString token;
    while (NextToken(token)) {
        if (flags & TrimBlanks) {
            token.DropLeft(-1);
            token.DropRight(-1);
        }
        if ((flags & Quoting) && !(flags & KeepQuotes)) {
            StripQuotes(token);
        }
        m_tokens.Add(token.c_str());
    }
    return m_tokens.GetCount();
}

// Removes a quote character that opens the token and one that closes it (blanks around them
// do not count).
void KTokenizer::StripQuotes(KString& token) const
{
    int first = 0;
    while (first < token.Length() && IsBlank(token[first])) {
        ++first;
    }
    if (first < token.Length() && token[first] == m_quote) {
        token.Delete(first, 1);
    }
    int last = token.Length() - 1;
    while (last >= 0 && IsBlank(token[last])) {
        --last;
    }
    if (last >= 0 && token[last] == m_quote) {
        token.Delete(last, 1);
    }
}

bool KTokenizer::NextToken(KString& token)
{
    token = "";
    int length = Length();
    if (m_position > length) {
        return false;
    }
    if (m_position == length) {
        // A text that ends in a separator ends with an empty token.
        ++m_position;
        return true;
    }
    bool quoted = false;
    const char* text = c_str();
    while (m_position < length) {
        char ch = text[m_position];
        if ((m_flags & Quoting) && ch == m_quote) {
            quoted = !quoted;
        } else if (!quoted && IsSeparator(ch)) {
            break;
        }
        token.AppendChar(ch);
        ++m_position;
    }
    if (m_position >= length) {
        m_position = length + 1;
        // An unterminated quote drops the last token.
        return !quoted;
    }
    SkipSeparator(text[m_position]);
    return true;
}

// A separator other than blank or tab stands alone, so two in a row enclose an empty token; a
// blank or tab separator takes the run that follows it, and one more separator after the run.
void KTokenizer::SkipSeparator(char separator)
{
    int length = Length();
    const char* text = c_str();
    if (!IsBlank(separator)) {
        ++m_position;
        return;
    }
    bool bothBlanks = IsSeparator(' ') && IsSeparator('\t');
    while (m_position < length && (bothBlanks ? IsBlank(text[m_position]) : text[m_position] == separator)) {
        ++m_position;
    }
    if (m_position == length) {
        // A run of blanks that reaches the end ends the text.
        m_position = length + 1;
        return;
    }
    if (IsSeparator(text[m_position])) {
        ++m_position;
    }
}
