#pragma once
// A growing in-memory NxStream that cooking writes into. Reads do nothing: the bytes are read
// back through a MemoryReadBuffer over `data`.

#include <NxStream.h>

class MemoryWriteBuffer : public vphysx::NxStream {
public:
    MemoryWriteBuffer() = default;
    ~MemoryWriteBuffer() override;
    MemoryWriteBuffer(const MemoryWriteBuffer&) = delete;
    MemoryWriteBuffer& operator=(const MemoryWriteBuffer&) = delete;

    vphysx::NxU8 readByte() const override { return 0; }
    vphysx::NxU16 readWord() const override { return 0; }
    vphysx::NxU32 readDword() const override { return 0; }
    vphysx::NxF32 readFloat() const override { return 0; }
    vphysx::NxF64 readDouble() const override { return 0; }
    void readBuffer(void*, vphysx::NxU32) const override {}

    vphysx::NxStream& storeByte(vphysx::NxU8 b) override;
    vphysx::NxStream& storeWord(vphysx::NxU16 w) override;
    vphysx::NxStream& storeDword(vphysx::NxU32 d) override;
    vphysx::NxStream& storeFloat(vphysx::NxF32 f) override;
    vphysx::NxStream& storeDouble(vphysx::NxF64 f) override;
    // Grows to what is needed plus 4096 bytes whenever the bytes do not fit.
    vphysx::NxStream& storeBuffer(const void* buffer, vphysx::NxU32 size) override;

    vphysx::NxU32 currentSize = 0;  // bytes written
    vphysx::NxU32 maxSize = 0;      // capacity of data
    vphysx::NxU8* data = nullptr;   // none until the first write
};
