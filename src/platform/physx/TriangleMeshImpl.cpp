#include "TriangleMeshImpl.h"

#include <BulletCollision/CollisionDispatch/btInternalEdgeUtility.h>

#include "CookedFormat.h"
#include "SharedEdgeShape.h"

namespace vphysx {

std::unique_ptr<TriangleMeshImpl> TriangleMeshImpl::read(const NxStream& stream)
{
    if (!readCookedHeader(stream, COOKED_TRIANGLE_MESH)) return nullptr;
    NxU32 vertexCount = 0, triangleCount = 0;
    std::vector<float> points;
    std::vector<NxU32> indices;
    if (!readCount(stream, vertexCount)) return nullptr;
    readFloats(stream, points, vertexCount * 3);
    if (!readCount(stream, triangleCount)) return nullptr;
    readDwords(stream, indices, triangleCount * 3);
    if (vertexCount == 0 || triangleCount == 0) return nullptr;
    for (NxU32 index : indices)
        if (index >= vertexCount) return nullptr;
    return std::make_unique<TriangleMeshImpl>(std::move(points), std::move(indices));
}

TriangleMeshImpl::TriangleMeshImpl(std::vector<float> points, std::vector<NxU32> triangleIndices)
    : vertices(points.begin(), points.end()), indices(triangleIndices.begin(), triangleIndices.end())
{
    btIndexedMesh part;
    part.m_numTriangles = int(indices.size() / 3);
    part.m_triangleIndexBase = reinterpret_cast<const unsigned char*>(indices.data());
    part.m_triangleIndexStride = 3 * sizeof(int);
    part.m_numVertices = int(vertices.size() / 3);
    part.m_vertexBase = reinterpret_cast<const unsigned char*>(vertices.data());
    part.m_vertexStride = 3 * sizeof(btScalar);
    part.m_indexType = PHY_INTEGER;
    part.m_vertexType = PHY_DOUBLE;
    triangles.addIndexedMesh(part, PHY_INTEGER);
    meshShape = std::make_unique<btBvhTriangleMeshShape>(&triangles, true);
    SharedEdgeShape neighbours(&triangles, vertices, indices);
    btGenerateInternalEdgeInfo(&neighbours, &edges);
    if (neighbours.askedInOrder()) meshShape->setTriangleInfoMap(&edges);
}

NxU32 TriangleMeshImpl::getCount(NxU32 submeshIndex, NxInternalArray array) const
{
    if (submeshIndex != 0) return 0;
    return NxU32(array == NX_ARRAY_VERTICES ? vertices.size() / 3 : indices.size() / 3);
}

}  // namespace vphysx
