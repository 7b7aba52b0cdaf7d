#pragma once
// Cooking: turns mesh descriptions into bytes the SDK builds meshes from.

#include "NxConvexMesh.h"
#include "NxTriangleMesh.h"

namespace vphysx {

class NxStream;
class NxUserAllocator;
class NxUserOutputStream;

class NxCookingInterface {
public:
    virtual bool NxInitCooking(NxUserAllocator* allocator = nullptr, NxUserOutputStream* outputStream = nullptr) = 0;
    virtual void NxCloseCooking() = 0;
    // False, with nothing written, when cooking is not initialised or the mesh is unusable:
    // bad indices, non-finite points, or for a convex mesh a hull without volume.
    virtual bool NxCookTriangleMesh(const NxTriangleMeshDesc& desc, NxStream& stream) = 0;
    virtual bool NxCookConvexMesh(const NxConvexMeshDesc& desc, NxStream& stream) = 0;

protected:
    virtual ~NxCookingInterface() {}
};

// The process's one cooking library; none for another version than NX_PHYSICS_SDK_VERSION.
NxCookingInterface* NxGetCookingLib(NxU32 sdkVersion);

}  // namespace vphysx
