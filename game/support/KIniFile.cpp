#include "KIniFile.h"

#include <cstdio>
#include <cstring>

namespace {

// One line of INI text, ended by LF (a CR before it is not part of the line) or by the end.
struct IniLine {
    int start;  // position of the line's first byte
    int contentEnd;  // position after its last byte before the line end
    int next;  // position of the following line
    bool terminated;  // ended by LF rather than the end of the text
};

bool ReadIniLine(KMemStream& text, KString& out, bool keepBlanks, IniLine* line)
{
    int size = text.Size();
    int start = text.Tell();
    if (start >= size) {
        out = "";
        return false;
    }
    const unsigned char* data = text.GetData();
    const void* lf = std::memchr(data + start, '\n', static_cast<size_t>(size - start));
    int end = lf ? static_cast<int>(static_cast<const unsigned char*>(lf) - data) : size;
    int contentEnd = (lf && end > start && data[end - 1] == '\r') ? end - 1 : end;
    line->start = start;
    line->contentEnd = contentEnd;
    line->next = lf ? end + 1 : end;
    line->terminated = lf != nullptr;
    out.SetLength(contentEnd - start, false);
    if (contentEnd > start) {
        std::memcpy(&out[0], data + start, static_cast<size_t>(contentEnd - start));
    }
    if (!keepBlanks) {
        out.DropLeft(-1);
        out.DropRight(-1);
    }
    text.Seek(line->next);
    return true;
}

bool IsBracketed(const KString& line) { return line.Length() >= 2 && line[0] == '[' && line[line.Length() - 1] == ']'; }

// Writes CR LF unless the text is empty or its last line already ends.
void EndLastLine(KMemStream& text)
{
    int size = text.Size();
    if (size > 0 && text.GetData()[size - 1] != '\n') {
        text.Seek(size);
        text.Write("\r\n", 2);
    }
}

}  // namespace

KIniFile::KIniFile() : m_mode(None), m_fileName("") {}

bool KIniFile::Load(const char* name)
{
    if (!name || !*name) {
        return false;
    }
    FILE* file = std::fopen(name, "rb");
    if (!file) {
        file = std::fopen(name, "wb");
        if (!file) {
            return false;
        }
    }
    std::fclose(file);
    m_mode = FileMode;
    m_fileName = name;
    return true;
}

bool KIniFile::LoadFromStream(KStream* stream)
{
    if (!stream) {
        return false;
    }
    m_mode = StreamMode;
    m_fileName = "";
    if (stream == &m_text) {
        return true;
    }
    m_text.Close();
    stream->Seek(0);
    m_text.CopyFrom(stream);
    return true;
}

bool KIniFile::Clear()
{
    m_mode = StreamMode;
    m_fileName = "";
    m_text.Close();
    return true;
}

KMemStream* KIniFile::WorkingText(KMemStream& scratch)
{
    if (m_mode == StreamMode) {
        return &m_text;
    }
    if (m_mode == FileMode && scratch.LoadFile(m_fileName.c_str())) {
        return &scratch;
    }
    return nullptr;
}

int KIniFile::FindSection(KMemStream& text, const char* section)
{
    text.Seek(0);
    KString line;
    IniLine where;
    while (ReadIniLine(text, line, false, &where)) {
        if (IsBracketed(line) && line.Mid(1, line.Length() - 2).CompareNoCase(section) == 0) {
            return where.start;
        }
    }
    return -1;
}

int KIniFile::FindKey(KMemStream& text, const char* section, const char* key)
{
    if (FindSection(text, section) < 0) {
        return -1;
    }
    KString line;
    IniLine where;
    while (ReadIniLine(text, line, true, &where)) {
        if (line.Length() < 2) {
            continue;
        }
        if (IsBracketed(line)) {
            return -1;  // the next section
        }
        int equals = line.FindChar('=');
        if (equals >= 0 && line.Left(equals).CompareNoCase(key) == 0) {
            return where.start;
        }
    }
    return -1;
}

KString KIniFile::GetValue(const char* section, const char* key)
{
    KMemStream scratch;
    KMemStream* text = WorkingText(scratch);
    if (!text) {
        return KString("");
    }
    int pos = FindKey(*text, section, key);
    if (pos < 0) {
        return KString("");
    }
    text->Seek(pos);
    KString line;
    IniLine where;
    ReadIniLine(*text, line, true, &where);
    return line.Mid(line.FindChar('=') + 1);
}

bool KIniFile::SetValue(const char* section, const char* key, const char* value)
{
    KMemStream scratch;
    KMemStream* text = WorkingText(scratch);
    if (!text) {
        return false;
    }
    KString entry = KString(key) + "=";
    entry.Append(value);
    KString line;
    IniLine where;
    int keyPos = FindKey(*text, section, key);
    if (keyPos >= 0) {
        // Replace the old line in place; its line end stays.
        text->Seek(keyPos);
        ReadIniLine(*text, line, true, &where);
        int oldLength = where.contentEnd - where.start;
        if (entry.Length() > oldLength) {
            text->Insert(keyPos, entry.Length() - oldLength);
        } else if (entry.Length() < oldLength) {
            text->Remove(keyPos, oldLength - entry.Length());
        }
        text->Seek(keyPos);
        text->Write(entry.c_str(), entry.Length());
    } else if (int sectionPos = FindSection(*text, section); sectionPos >= 0) {
        // The section's new first key, right after its header line.
        text->Seek(sectionPos);
        ReadIniLine(*text, line, true, &where);
        if (!where.terminated) {
            EndLastLine(*text);
            where.next = text->Size();
        }
        KString added = entry + "\r\n";
        text->Insert(where.next, added.Length());
        text->Seek(where.next);
        text->Write(added.c_str(), added.Length());
    } else {
        if (text->Size() > 0) {
            EndLastLine(*text);
            text->Seek(text->Size());
            text->Write("\r\n", 2);
        }
        text->Seek(text->Size());
        KString header = KString("[") + section;
        header.Append("]");
        text->WriteLine(header.c_str());
        text->WriteLine(entry.c_str());
    }
    if (m_mode == FileMode) {
        return text->SaveFile(m_fileName.c_str());
    }
    return true;
}
