// Where the sound objects take their data from: a file on disk, a DataStream object of the
// window (its position left as it was) or a file embedded in the project, each read whole.
#pragma once

#include "command_context.h"
#include "data_stream_commands.h"

#include <cstdint>
#include <vector>

// False when the source is missing or empty.
inline bool ReadWhole(CFile& file, std::vector<uint8_t>* bytes)
{
    const ULONGLONG length = file.GetLength();
    if (length == 0 || length > kMaxScriptBytes) return false;
    const ULONGLONG position = file.GetPosition();
    bytes->resize(size_t(length));
    file.Seek(0, CFile::begin);
    const UINT read = file.Read(bytes->data(), UINT(length));
    file.Seek(LONGLONG(position), CFile::begin);
    bytes->resize(read);
    return read > 0;
}

inline bool ReadDiskFile(const CString& path, std::vector<uint8_t>* bytes)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyNone)) return false;
    const bool read = ReadWhole(file, bytes);
    file.Close();
    return read;
}

inline bool ReadDataStream(const CommandContext& ctx, int id, std::vector<uint8_t>* bytes)
{
    CMemFile* stream = FindDataStream(ctx.FindObject(id, qbk::TypeDataStream));
    return stream && ReadWhole(*stream, bytes);
}

inline bool ReadEmbedded(CommandContext& ctx, const CString& name, std::vector<uint8_t>* bytes)
{
    CMemFile* file = ctx.Runtime().OpenEmbeddedFile(name);
    return file && ReadWhole(*file, bytes);
}
