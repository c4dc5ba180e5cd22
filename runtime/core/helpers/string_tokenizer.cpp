#include "string_tokenizer.h"

void CStringTokenizer::Reset()
{
    m_tokens.RemoveAll();
    m_separators.Empty();
    m_quote = '"';
    m_flags = 0;
    m_position = 0;
}

int CStringTokenizer::Split(const CString& separators, char quote, uint32_t flags)
{
    if (m_source.IsEmpty()) return 0;
    Reset();
    m_separators = separators;
    m_quote = quote;
    m_flags = flags;
    if (!IsValid()) {
        Reset();
        return 0;
    }
    CString field;
    while (NextToken(field)) {
        if (m_flags & kTrimBlanks) TrimBlanks(field);
        if (!(m_flags & kKeepQuotes)) StripQuotes(field);
        m_tokens.Add(field);
    }
    return GetCount();
}

int CStringTokenizer::SplitText(const CString& text, const CString& separators, char quote, uint32_t flags)
{
    SetText(text);
    return Split(separators, quote, flags);
}

CString CStringTokenizer::GetAt(int index) const
{
    if (index < 0 || index >= GetCount()) return CString();
    return m_tokens.GetAt(index);
}

bool CStringTokenizer::IsSeparator(char c) const
{
    for (int i = 0; i < m_separators.GetLength(); ++i)
        if (m_separators[i] == c) return true;
    return false;
}

bool CStringTokenizer::IsValid() const
{
    if (m_source.IsEmpty() || IsSeparator(m_quote)) return false;
    if ((m_flags & kTrimBlanks) && (IsSeparator(' ') || m_quote == ' ')) return false;
    return (m_flags & kQuotes) || !(m_flags & kKeepQuotes);
}

bool CStringTokenizer::NextToken(CString& out)
{
    out.Empty();
    int length = m_source.GetLength();
    if (m_position > length) return false;
    if (m_position == length) {  // a source that ends with a separator has a last, empty field
        ++m_position;
        return true;
    }
    const char* src = m_source.GetString();
    int start = m_position;
    bool inQuotes = false;
    while (m_position < length) {
        char c = src[m_position];
        if (!inQuotes && IsSeparator(c)) break;
        if ((m_flags & kQuotes) && c == m_quote) inQuotes = !inQuotes;
        ++m_position;
    }
    out = CString(src + start, m_position - start);
    ++m_position;  // over the separator, or past the end
    return true;
}

void CStringTokenizer::TrimBlanks(CString& text) const
{
    text.TrimLeft(' ');
    text.TrimRight(' ');
}

void CStringTokenizer::StripQuotes(CString& text) const
{
    if (!(m_flags & kQuotes)) return;
    int n = text.GetLength();
    int first = 0;
    while (first < n && text[first] == ' ') ++first;
    if (first < n && text[first] == m_quote) text.Delete(first, 1);
    int last = text.GetLength() - 1;
    while (last >= 0 && text[last] == ' ') --last;
    if (last >= 0 && text[last] == m_quote) text.Delete(last, 1);
    // Each doubled quote stands for one.
    CString out;
    const int len = text.GetLength();
    for (int i = 0; i < len; ++i) {
        out += text[i];
        if (text[i] == m_quote && i + 1 < len && text[i + 1] == m_quote) ++i;
    }
    text = out;
}
