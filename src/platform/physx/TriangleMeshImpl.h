#pragma once
// A triangle mesh built from cooked bytes, with the collision shape all its actors share.

#include <BulletCollision/CollisionShapes/btBvhTriangleMeshShape.h>
#include <BulletCollision/CollisionShapes/btTriangleIndexVertexArray.h>
#include <BulletCollision/CollisionShapes/btTriangleInfoMap.h>

#include <memory>
#include <vector>

#include "NxStream.h"
#include "NxTriangleMesh.h"

namespace vphysx {

class TriangleMeshImpl : public NxTriangleMesh {
public:
    // None when the stream does not hold a cooked triangle mesh.
    static std::unique_ptr<TriangleMeshImpl> read(const NxStream& stream);

    TriangleMeshImpl(std::vector<float> points, std::vector<NxU32> indices);
    ~TriangleMeshImpl() override = default;

    NxU32 getCount(NxU32 submeshIndex, NxInternalArray array) const override;
    btBvhTriangleMeshShape* shape() const { return meshShape.get(); }

private:
    std::vector<btScalar> vertices;
    std::vector<int> indices;
    btTriangleIndexVertexArray triangles;
    std::unique_ptr<btBvhTriangleMeshShape> meshShape;
    btTriangleInfoMap edges;  // lets bodies slide over edges between flat neighbours
};

}  // namespace vphysx
