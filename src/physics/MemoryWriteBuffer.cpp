#include "physics/MemoryWriteBuffer.h"

#include <cstring>

using namespace vphysx;

MemoryWriteBuffer::~MemoryWriteBuffer() { delete[] data; }

NxStream& MemoryWriteBuffer::storeByte(NxU8 b) { return storeBuffer(&b, sizeof(b)); }

NxStream& MemoryWriteBuffer::storeWord(NxU16 w) { return storeBuffer(&w, sizeof(w)); }

NxStream& MemoryWriteBuffer::storeDword(NxU32 d) { return storeBuffer(&d, sizeof(d)); }

NxStream& MemoryWriteBuffer::storeFloat(NxF32 f) { return storeBuffer(&f, sizeof(f)); }

NxStream& MemoryWriteBuffer::storeDouble(NxF64 f) { return storeBuffer(&f, sizeof(f)); }

NxStream& MemoryWriteBuffer::storeBuffer(const void* buffer, NxU32 size) {
    NxU32 needed = currentSize + size;
    if (needed > maxSize) {
        maxSize = needed + 4096;
        NxU8* grown = new NxU8[maxSize];
        if (data) std::memcpy(grown, data, currentSize);
        delete[] data;
        data = grown;
    }
    if (size) std::memcpy(data + currentSize, buffer, size);
    currentSize += size;
    return *this;
}
