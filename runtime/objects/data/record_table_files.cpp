// Loading and saving through streams and files. Nothing here raises: a stream or file that fails,
// or memory that runs out, answers false.
#include "record_table.h"

#include <new>
#include <stdexcept>
#include <string>

#include "safe_save.h"

namespace {

bool IsFormat(int format) { return format == CRecordTable::kLinesFormat || format == CRecordTable::kCsvFormat; }

// Every byte from the current position to the end of the file.
std::string ReadToEnd(CFile& file, ULONGLONG expected)
{
    std::string bytes;
    if (expected < bytes.max_size()) bytes.reserve(static_cast<size_t>(expected));
    char piece[1 << 16];
    while (UINT got = file.Read(piece, sizeof piece)) bytes.append(piece, got);
    return bytes;
}

}  // namespace

bool CRecordTable::LoadStream(CFile* stream, int format)
{
    if (!stream || !IsFormat(format)) return false;
    try {
        if (auto* memory = dynamic_cast<CMemFile*>(stream)) {
            // Read in place: the stream's bytes and position stay as they are.
            Clear();
            return ReadText(reinterpret_cast<const char*>(memory->Data()), static_cast<size_t>(memory->GetLength()),
                            format);
        }
        const ULONGLONG position = stream->GetPosition();
        stream->SeekToBegin();
        const std::string bytes = ReadToEnd(*stream, stream->GetLength());
        stream->Seek(static_cast<LONGLONG>(position), CFile::begin);
        Clear();
        return ReadText(bytes.data(), bytes.size(), format);
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return false;
}

bool CRecordTable::SaveStream(CFile* stream, int format) const
{
    if (!stream || !IsFormat(format)) return false;
    try {
        WriteText(*stream, format);
        return true;
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return false;
}

bool CRecordTable::LoadFile(const CString& path, int format)
{
    if (!IsFormat(format)) return false;
    try {
        CFile file;
        if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite | CFile::typeBinary)) return false;
        const ULONGLONG length = file.GetLength();
        if (length == 0) return false;
        const std::string bytes = ReadToEnd(file, length);
        file.Close();
        if (bytes.empty()) return false;
        Clear();
        return ReadText(bytes.data(), bytes.size(), format);
    } catch (const CException&) {
    } catch (const std::bad_alloc&) {
    } catch (const std::length_error&) {
    }
    return false;
}

bool CRecordTable::SaveFile(const CString& path, int format) const
{
    // An unknown format writes nothing, least of all an empty file over the old one.
    if (!IsFormat(format)) return false;
    return qbk::SaveFileSafely(path, [&](CFile& file) { WriteText(file, format); });
}
