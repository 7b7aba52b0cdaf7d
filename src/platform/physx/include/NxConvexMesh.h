#pragma once
// Convex mesh description for cooking (a point cloud whose hull the cooker computes), and
// the hull the SDK builds from cooked bytes.

#include "NxFlags.h"
#include "NxSimpleTypes.h"

namespace vphysx {

class NxConvexMeshDesc {
public:
    NxU32 numVertices = 0;
    NxU32 pointStrideBytes = 0;
    const void* points = nullptr;
    NxU32 flags = 0;  // must hold NX_CF_COMPUTE_CONVEX

    bool isValid() const
    {
        return numVertices > 0 && points && pointStrideBytes >= 12 && (flags & NX_CF_COMPUTE_CONVEX);
    }
};

class NxConvexMesh {
public:
    // Hull vertices, or the triangles of the hull's faces fanned.
    virtual NxU32 getCount(NxU32 submeshIndex, NxInternalArray array) const = 0;

protected:
    virtual ~NxConvexMesh() {}
};

}  // namespace vphysx
