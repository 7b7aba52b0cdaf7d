#include "physics/MemoryReadBuffer.h"

#include <cstring>

using namespace vphysx;

namespace {

// Native byte order, any alignment.
template <class T>
T take(const NxU8*& buffer) {
    T value;
    std::memcpy(&value, buffer, sizeof(T));
    buffer += sizeof(T);
    return value;
}

}  // namespace

NxU8 MemoryReadBuffer::readByte() const { return take<NxU8>(buffer); }

NxU16 MemoryReadBuffer::readWord() const { return take<NxU16>(buffer); }

NxU32 MemoryReadBuffer::readDword() const { return take<NxU32>(buffer); }

NxF32 MemoryReadBuffer::readFloat() const { return take<NxF32>(buffer); }

NxF64 MemoryReadBuffer::readDouble() const { return take<NxF64>(buffer); }

void MemoryReadBuffer::readBuffer(void* destination, NxU32 size) const {
    std::memcpy(destination, buffer, size);
    buffer += size;
}
