// Data streams (type 21): a growable block of bytes in memory with a position, the source and
// target of the loads, saves and transfers of many other families, through this part.
#pragma once

#include <memory>

#include "fw_file.h"
#include "project_model.h"
#include "script_limits.h"

class DataStreamPart : public ObjectPart {
public:
    std::unique_ptr<CMemFile> Stream;  // null until a command makes one
};

// The stream of a DataStream object; null for no object, another type, or no stream yet.
CMemFile* FindDataStream(ObjectRecord* object);
// Replaces the object's stream (deleting the old one) by a new empty one at position 0, and
// answers it. The object must be a DataStream.
CMemFile& NewDataStream(ObjectRecord& object);

// Writes bytes at the stream's position; false, and nothing written, when the stream would grow
// past kMaxScriptBytes or memory is short.
bool WriteToStream(CMemFile& stream, const void* bytes, size_t count);
