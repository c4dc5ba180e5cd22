#include <cstdio>

#include "project_model.h"
#include "stored_format.h"

int EmbeddedFileTable::IndexOfCopy(const CMemFile* file) const
{
    for (size_t i = 0; i < m_files.size(); ++i)
        if (m_files[i]->Copy.get() == file) return int(i);
    return -1;
}

void EmbeddedFileTable::RemoveAll()
{
    for (const auto& entry : m_files)
        if (!entry->TempName.IsEmpty()) std::remove(entry->TempName);
    m_files.clear();
}

namespace {

// "image/x.jpg" and "image/x.png" are pictures that callers get as BMP.
bool IsProjectPicture(const CString& name, bool* png)
{
    const int slash = name.Find('/');
    if (slash < 0 || name.Left(slash) != "image") return false;
    const int dot = name.ReverseFind('.');
    if (dot < 0) return false;
    const CString extension = name.Mid(dot);
    *png = extension == ".png";
    return *png || extension == ".jpg";
}

}  // namespace

bool CProjectRuntime::LoadEmbeddedFile(int index)
{
    EmbeddedFile* entry = m_embeddedFiles.GetAt(index);
    if (!entry) return false;
    if (entry->Loaded) return true;
    CMemFile& copy = *entry->Copy;
    try {
        CFile program;
        if (!program.Open(m_programPath, CFile::modeRead | CFile::typeBinary)) return false;
        program.Seek(LONGLONG(entry->Offset), CFile::begin);
        copy.SetLength(0);
        // The copy grows with what the file really holds, whatever size was stored.
        BYTE block[4096];
        uint32_t left = entry->Size;
        while (left > 0) {
            const UINT wanted = left < sizeof block ? UINT(left) : UINT(sizeof block);
            const UINT got = program.Read(block, wanted);
            if (got == 0) break;
            for (UINT i = 0; i < got; ++i) block[i] = BYTE(block[i] - qbk::kProjectKey);
            copy.Write(block, got);
            left -= got;
        }
        program.Close();
        if (left > 0) {  // the program file ends inside the data
            copy.SetLength(0);
            return false;
        }
        bool png = false;
        if (IsProjectPicture(entry->Name, &png) && m_embeddedFiles.convertPicture) {
            copy.SeekToBegin();
            if (!m_embeddedFiles.convertPicture(copy, png)) {
                copy.SetLength(0);
                return false;
            }
        }
    } catch (const CException&) {
        copy.SetLength(0);
        return false;
    }
    copy.SeekToBegin();
    entry->Loaded = true;
    return true;
}

int CProjectRuntime::FindEmbeddedFile(const char* name)
{
    CString wanted(name ? name : "");
    wanted.MakeLower();
    for (int i = 0; i < m_embeddedFiles.GetCount(); ++i)
        if (m_embeddedFiles.GetAt(i)->Name == wanted) return LoadEmbeddedFile(i) ? i : -1;
    return -1;
}

CMemFile* CProjectRuntime::OpenEmbeddedFile(const char* name)
{
    const int index = FindEmbeddedFile(name);
    if (index < 0) return nullptr;
    CMemFile* copy = m_embeddedFiles.GetAt(index)->Copy.get();
    copy->SeekToBegin();
    return copy;
}

bool CProjectRuntime::ExtractEmbeddedFile(CMemFile* file, const char* path)
{
    if (!file || !path) return false;
    const int entry = m_embeddedFiles.IndexOfCopy(file);
    if (entry >= 0 && !LoadEmbeddedFile(entry)) return false;
    if (file->GetLength() == 0) return false;
    try {
        file->SeekToBegin();
        CFile out;
        if (!out.Open(path, CFile::modeCreate | CFile::modeWrite | CFile::typeBinary)) return false;
        BYTE block[4096];
        for (;;) {
            const UINT got = file->Read(block, sizeof block);
            if (got == 0) break;
            out.Write(block, got);
        }
        out.Close();
        file->SeekToBegin();
    } catch (const CException&) {
        file->SeekToBegin();
        return false;
    }
    return true;
}

void CProjectRuntime::ExtractEmbeddedFiles()
{
    for (int i = 0; i < m_embeddedFiles.GetCount(); ++i) {
        EmbeddedFile& entry = *m_embeddedFiles.GetAt(i);
        if (entry.Type != uint32_t(qbk::kTemporaryFileType) || !m_embeddedFiles.makeTempFileName) continue;
        entry.TempName = m_embeddedFiles.makeTempFileName();
        if (entry.TempName.IsEmpty()) continue;
        if (!ExtractEmbeddedFile(entry.Copy.get(), entry.TempName)) {
            // Leave no half-written file, and no name that the next entry could be given too.
            std::remove(entry.TempName);
            entry.TempName.Empty();
        }
    }
}
