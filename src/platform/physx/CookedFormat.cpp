#include "CookedFormat.h"

namespace vphysx {

bool readCookedHeader(const NxStream& stream, NxU32 kind)
{
    if (stream.readDword() != kind) return false;
    return stream.readDword() == COOKED_VERSION;
}

void writeCookedHeader(NxStream& stream, NxU32 kind)
{
    stream.storeDword(kind).storeDword(COOKED_VERSION);
}

bool readCount(const NxStream& stream, NxU32& count)
{
    count = stream.readDword();
    return count <= COOKED_MAX_COUNT;
}

void readDwords(const NxStream& stream, std::vector<NxU32>& out, NxU32 count)
{
    out.resize(count);
    if (count) stream.readBuffer(out.data(), count * 4);
}

void readFloats(const NxStream& stream, std::vector<float>& out, NxU32 count)
{
    out.resize(count);
    if (count) stream.readBuffer(out.data(), count * 4);
}

}  // namespace vphysx
