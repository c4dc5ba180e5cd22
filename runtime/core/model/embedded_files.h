// The files a project carries: where each one's bytes lie in the program file, and the memory copy
// and temporary file made of it on demand. The operations live in CProjectRuntime
// (embedded_files.cpp), which knows the program path.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "fw_file.h"
#include "fw_string.h"

struct EmbeddedFile {
    std::unique_ptr<CMemFile> Copy = std::make_unique<CMemFile>(1024);  // empty until loaded
    bool Loaded = false;
    CString Name;  // lower-cased
    uint32_t Type = 0;
    CString TempName;  // full path of the temporary file written for it, or ""
    uint32_t Offset = 0;  // first data byte in the program file
    uint32_t Size = 0;
};

class EmbeddedFileTable {
public:
    int GetCount() const { return int(m_files.size()); }
    EmbeddedFile* GetAt(int index) const
    {
        return index >= 0 && index < GetCount() ? m_files[size_t(index)].get() : nullptr;
    }
    EmbeddedFile& Add()
    {
        m_files.push_back(std::make_unique<EmbeddedFile>());
        return *m_files.back();
    }
    // The entry whose memory copy is file, or -1.
    int IndexOfCopy(const CMemFile* file) const;
    // Deletes every temporary file written for the entries, then the entries.
    void RemoveAll();

    // Turns a JPEG or PNG picture of the folder "image" into a BMP in place; false when it cannot
    // be decoded. Installed by the image code; without it pictures stay as stored.
    bool (*convertPicture)(CMemFile& file, bool png) = nullptr;
    // A new free temporary file name (the runtime sets MakeTempFileName; tests their own).
    CString (*makeTempFileName)() = nullptr;

private:
    std::vector<std::unique_ptr<EmbeddedFile>> m_files;
};
