// What a DataStream object keeps: its memory stream, which many other types load from and save to.
#pragma once

#include <memory>

#include "fw_file.h"
#include "project_model.h"

constexpr unsigned kDataStreamGrowth = 1024;

struct DataStreamPart : ObjectPart {
    std::unique_ptr<CMemFile> Stream;
};

// The memory stream of a DataStream object; null for another type or an object without a stream.
inline CMemFile* DataStreamOf(const ObjectRecord* object)
{
    if (!object || object->Type != qbk::TypeDataStream) return nullptr;
    const DataStreamPart* part = object->FindPart<DataStreamPart>();
    return part ? part->Stream.get() : nullptr;
}

// The object's stream, made empty when it has none.
inline CMemFile& EnsureDataStream(ObjectRecord& object)
{
    DataStreamPart& part = object.EnsurePart<DataStreamPart>();
    if (!part.Stream) part.Stream = std::make_unique<CMemFile>(kDataStreamGrowth);
    return *part.Stream;
}

// Drops the object's stream for a new empty one.
inline CMemFile& RenewDataStream(ObjectRecord& object)
{
    object.EnsurePart<DataStreamPart>().Stream = std::make_unique<CMemFile>(kDataStreamGrowth);
    return *object.FindPart<DataStreamPart>()->Stream;
}
