#pragma once
// The cooking library: checks mesh descriptions and writes them in the cooked layout; for
// convex meshes it computes the hull of the points first.

#include "NxCooking.h"

namespace vphysx {

class CookingImpl : public NxCookingInterface {
public:
    bool NxInitCooking(NxUserAllocator* allocator, NxUserOutputStream* outputStream) override;
    void NxCloseCooking() override;
    bool NxCookTriangleMesh(const NxTriangleMeshDesc& desc, NxStream& stream) override;
    bool NxCookConvexMesh(const NxConvexMeshDesc& desc, NxStream& stream) override;

private:
    bool initialised = false;
};

}  // namespace vphysx
