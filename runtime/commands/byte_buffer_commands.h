// Byte buffers (type 12): one block of bytes of a fixed size. Text files and data streams read into
// a buffer and write from it, and DLL calls take its address, through this part.
#pragma once

#include <cstdint>
#include <memory>

#include "project_model.h"

class ByteBufferPart : public ObjectPart {
public:
    // The block (null when there is none) and its size in bytes (0 without a block).
    BYTE* Block() const { return m_block.get(); }
    int Size() const { return m_block ? m_size : 0; }
    bool HasBlock() const { return m_block != nullptr; }

    // Replaces the block by a new one of size zero bytes (none for a size of 0 or below). False,
    // and the old block kept, when there is not enough memory.
    bool Allocate(int size);
    // Keeps the first bytes of the block that the new size holds; bytes added are zero. False, and
    // the block unchanged, when there is not enough memory.
    bool Resize(int size);
    void Free();

private:
    std::unique_ptr<BYTE[]> m_block;
    int m_size = 0;
};

// The part of a ByteBuffer object; null for no object or an object of another type.
ByteBufferPart* FindByteBuffer(ObjectRecord* object);
ByteBufferPart* EnsureByteBuffer(ObjectRecord* object);
