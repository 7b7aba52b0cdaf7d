#pragma once
// Reads cooked bytes back from memory that another object keeps alive. No read tests an end:
// the bytes come from the cooker and are complete. Stores do nothing.

#include <NxStream.h>

class MemoryReadBuffer : public vphysx::NxStream {
public:
    explicit MemoryReadBuffer(const vphysx::NxU8* data) : buffer(data) {}

    vphysx::NxU8 readByte() const override;
    vphysx::NxU16 readWord() const override;
    vphysx::NxU32 readDword() const override;
    vphysx::NxF32 readFloat() const override;
    vphysx::NxF64 readDouble() const override;
    void readBuffer(void* destination, vphysx::NxU32 size) const override;

    vphysx::NxStream& storeByte(vphysx::NxU8) override { return *this; }
    vphysx::NxStream& storeWord(vphysx::NxU16) override { return *this; }
    vphysx::NxStream& storeDword(vphysx::NxU32) override { return *this; }
    vphysx::NxStream& storeFloat(vphysx::NxF32) override { return *this; }
    vphysx::NxStream& storeDouble(vphysx::NxF64) override { return *this; }
    vphysx::NxStream& storeBuffer(const void*, vphysx::NxU32) override { return *this; }

    mutable const vphysx::NxU8* buffer;  // the next byte to read, not owned
};
