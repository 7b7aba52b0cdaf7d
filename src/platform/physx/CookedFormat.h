#pragma once
// Layout of cooked meshes in an NxStream, native byte order:
//   triangle mesh: "VTRI", version, vertex count, vertices (3 floats each),
//                  triangle count, indices (3 dwords each)
//   convex mesh:   "VCVX", version, vertex count, vertices, face count,
//                  per face: index count, indices (dwords)
// Counts are bounded on reading so a foreign stream cannot ask for unbounded memory.

#include <vector>

#include "NxStream.h"

namespace vphysx {

const NxU32 COOKED_TRIANGLE_MESH = 0x49525456;  // "VTRI"
const NxU32 COOKED_CONVEX_MESH = 0x58564356;    // "VCVX"
const NxU32 COOKED_VERSION = 1;
const NxU32 COOKED_MAX_COUNT = 1u << 24;

// Reads a header; false when it is not the given kind of this version.
bool readCookedHeader(const NxStream& stream, NxU32 kind);
void writeCookedHeader(NxStream& stream, NxU32 kind);

// A count, false when it is over COOKED_MAX_COUNT.
bool readCount(const NxStream& stream, NxU32& count);
void readDwords(const NxStream& stream, std::vector<NxU32>& out, NxU32 count);
void readFloats(const NxStream& stream, std::vector<float>& out, NxU32 count);

}  // namespace vphysx
