#include "ini_file.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "fw_file.h"
#include "safe_save.h"

namespace {

void TrimBlanks(CString& s)
{
    s.TrimLeft(' ');
    s.TrimRight(' ');
}

bool ReadAll(const CString& path, std::vector<char>& data)
{
    FILE* f = FwOpenFile(path, "rb");
    if (!f) return false;
    char block[4096];
    size_t n;
    while ((n = std::fread(block, 1, sizeof block, f)) > 0) data.insert(data.end(), block, block + n);
    std::fclose(f);
    return !data.empty();
}

}  // namespace

int ReadIniFile(const CString& path, CStringArray& sections, CStringArray& keys, CStringArray& values,
                const CString& wantedSection, const CString& wantedKey)
{
    sections.RemoveAll();
    keys.RemoveAll();
    values.RemoveAll();
    std::vector<char> data;
    if (!ReadAll(path, data)) return -1;

    bool sectionFound = false, keyFound = false;
    CString current;  // empty before the first section line
    auto addRow = [&](const CString& s, const CString& k, const CString& v) {
        sections.Add(s);
        keys.Add(k);
        values.Add(v);
    };
    auto takeLine = [&](CString line) {
        TrimBlanks(line);
        if (line.IsEmpty()) return;
        int n = line.GetLength();
        if (n >= 2 && line[0] == '[' && line[n - 1] == ']') {
            current = line.Mid(1, n - 2);
            addRow(current, CString(), CString());
            if (current == wantedSection) sectionFound = true;
            return;
        }
        int eq = line.Find('=');
        CString key = eq > 0 ? line.Left(eq) : CString();
        key.TrimRight(' ');
        if (n < 2 || key.IsEmpty()) {
            addRow(current, CString(), line);  // a comment: kept as it is
            return;
        }
        CString value = line.Mid(eq + 1);
        value.TrimLeft(' ');
        addRow(current, key, value);
        if (current == wantedSection && key == wantedKey) keyFound = true;
    };

    const size_t size = data.size();
    size_t start = 0;
    for (size_t i = 0; i < size; ++i) {
        if (data[i] != '\r' && data[i] != '\n') continue;
        takeLine(CString(data.data() + start, static_cast<int>(i - start)));
        if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < size) takeLine(CString(data.data() + start, static_cast<int>(size - start)));
    return (sectionFound ? 0 : 1) | (keyFound ? 0 : 2);
}

bool WriteIniFile(const CString& path, const CStringArray& sections, const CStringArray& keys,
                  const CStringArray& values)
{
    CString text;
    bool haveCurrent = false, first = true;
    CString current;
    INT_PTR rows = std::min({sections.GetSize(), keys.GetSize(), values.GetSize()});
    for (INT_PTR i = 0; i < rows; ++i) {
        const CString& section = sections[i];
        const CString& key = keys[i];
        const CString& value = values[i];
        bool headerRow = key.IsEmpty() && value.IsEmpty();
        bool newSection = !haveCurrent || section != current;
        // Rows before the first section line belong to no section and get no header.
        bool header = headerRow || (newSection && !section.IsEmpty());
        if (newSection) {
            current = section;
            haveCurrent = true;
        }
        if (header) {
            if (!first) text += "\r\n";
            text += "[" + section + "]\r\n";
            first = false;
            if (headerRow) continue;
        }
        text += key.IsEmpty() ? value : key + "=" + value;
        text += "\r\n";
        first = false;
    }
    // The old file stays whole until the new one is written completely.
    return qbk::SaveFileSafely(path, [&](CFile& file) { file.Write(text.GetString(), UINT(text.GetLength())); });
}
