// Loading and saving through streams and files. Nothing here raises: a stream or file that fails,
// or memory that runs out, answers false.
#include "record_table.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <new>
#include <stdexcept>

#include "record_text.h"
#include "safe_save.h"

namespace {

bool IsFormat(int format) { return format == CRecordTable::kLinesFormat || format == CRecordTable::kCsvFormat; }

}  // namespace

bool CRecordTable::ReadFrom(CFile& file, ULONGLONG size, int format)
{
    // A small file fits in one read with a byte to spare for seeing its end.
    const size_t piece = static_cast<size_t>(std::min<ULONGLONG>(size + 1, ULONGLONG(1) << 20));
    qbk::RecordTextReader reader(
        [&file](char* buffer, size_t room) {
            return static_cast<size_t>(file.Read(buffer, static_cast<UINT>(std::min<size_t>(room, UINT_MAX))));
        },
        piece);
    Clear();
    return ReadText(reader, static_cast<size_t>(std::min<ULONGLONG>(size, SIZE_MAX)), format);
}

bool CRecordTable::LoadStream(CFile* stream, int format)
{
    if (!stream || !IsFormat(format)) return false;
    try {
        if (auto* memory = dynamic_cast<CMemFile*>(stream)) {
            // Read in place: the stream's bytes and position stay as they are.
            const auto size = static_cast<size_t>(memory->GetLength());
            qbk::RecordTextReader reader(reinterpret_cast<const char*>(memory->Data()), size);
            Clear();
            return ReadText(reader, size, format);
        }
        const ULONGLONG position = stream->GetPosition();
        stream->SeekToBegin();
        const bool read = ReadFrom(*stream, stream->GetLength(), format);
        stream->Seek(static_cast<LONGLONG>(position), CFile::begin);
        return read;
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
        return length > 0 && ReadFrom(file, length, format);
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
