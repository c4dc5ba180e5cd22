// INI text: [section] lines and key=value lines, searched line by line on every access. The text
// is a file (loaded for each access, saved after each change) or a memory stream of its own.
// Lines may end in CR LF or a lone LF; the lines this class writes end in CR LF.
#pragma once

#include "KMemStream.h"
#include "KPath.h"
#include "KString.h"

class KIniFile : public KPath {
public:
    enum Mode { None = 0, FileMode = 1, StreamMode = 2 };

    KIniFile();

    // File mode on the named file, created empty when it does not exist.
    bool Load(const char* name);
    // Stream mode on a copy of the whole source (from its start).
    bool LoadFromStream(KStream* stream);
    // Stream mode with an empty text.
    bool Clear();

    // The value, or the empty string when the section or key is missing.
    KString GetValue(const char* section, const char* key);
    // Writes the key line (in file mode the file is saved); false when the file cannot be
    // loaded or saved.
    bool SetValue(const char* section, const char* key, const char* value);

    // Stream positions of the section line and of the key line within it, or -1.
    int FindSection(KMemStream& text, const char* section);
    int FindKey(KMemStream& text, const char* section, const char* key);

    int GetMode() const { return m_mode; }
    // The text of stream mode.
    KMemStream& GetStream() { return m_text; }

private:
    // The text to work on: the own stream, or the file loaded into scratch.
    KMemStream* WorkingText(KMemStream& scratch);

    int m_mode;
    KString m_fileName;
    KMemStream m_text;
};
