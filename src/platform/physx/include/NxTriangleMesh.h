#pragma once
// Triangle mesh description for cooking, and the mesh the SDK builds from cooked bytes.

#include "NxFlags.h"
#include "NxSimpleTypes.h"

namespace vphysx {

class NxTriangleMeshDesc {
public:
    NxU32 numVertices = 0;
    NxU32 numTriangles = 0;
    NxU32 pointStrideBytes = 0;     // bytes between consecutive points of three floats
    NxU32 triangleStrideBytes = 0;  // bytes between consecutive triangles of three indices
    const void* points = nullptr;
    const void* triangles = nullptr;
    NxU32 flags = 0;  // NX_MF_16_BIT_INDICES: indices are 16-bit, else 32-bit

    bool isValid() const
    {
        NxU32 indexBytes = (flags & NX_MF_16_BIT_INDICES) ? 2 : 4;
        return numVertices > 0 && numTriangles > 0 && points && triangles && pointStrideBytes >= 12 &&
               triangleStrideBytes >= 3 * indexBytes;
    }
};

class NxTriangleMesh {
public:
    virtual NxU32 getCount(NxU32 submeshIndex, NxInternalArray array) const = 0;

protected:
    virtual ~NxTriangleMesh() {}
};

}  // namespace vphysx
