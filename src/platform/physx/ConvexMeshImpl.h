#pragma once
// A convex hull built from cooked bytes: its vertices, faces and unit-density mass.

#include <memory>
#include <vector>

#include "HullMass.h"
#include "NxConvexMesh.h"
#include "NxStream.h"

namespace vphysx {

class ConvexMeshImpl : public NxConvexMesh {
public:
    // None when the stream does not hold a cooked convex mesh with volume.
    static std::unique_ptr<ConvexMeshImpl> read(const NxStream& stream);

    ConvexMeshImpl(std::vector<btVector3> vertices, std::vector<std::vector<int>> faces);
    ~ConvexMeshImpl() override = default;

    NxU32 getCount(NxU32 submeshIndex, NxInternalArray array) const override;
    const std::vector<btVector3>& vertices() const { return hullVertices; }
    const HullMass& mass() const { return unitMass; }

private:
    std::vector<btVector3> hullVertices;
    std::vector<std::vector<int>> hullFaces;
    HullMass unitMass;
};

}  // namespace vphysx
