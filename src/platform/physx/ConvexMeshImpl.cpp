#include "ConvexMeshImpl.h"

#include "CookedFormat.h"

namespace vphysx {

std::unique_ptr<ConvexMeshImpl> ConvexMeshImpl::read(const NxStream& stream)
{
    if (!readCookedHeader(stream, COOKED_CONVEX_MESH)) return nullptr;
    NxU32 vertexCount = 0, faceCount = 0;
    std::vector<float> points;
    if (!readCount(stream, vertexCount)) return nullptr;
    readFloats(stream, points, vertexCount * 3);
    if (!readCount(stream, faceCount)) return nullptr;
    std::vector<std::vector<int>> faces(faceCount);
    for (std::vector<int>& face : faces) {
        NxU32 count = 0;
        std::vector<NxU32> indices;
        if (!readCount(stream, count)) return nullptr;
        readDwords(stream, indices, count);
        for (NxU32 index : indices) {
            if (index >= vertexCount) return nullptr;
            face.push_back(int(index));
        }
    }
    std::vector<btVector3> vertices;
    for (NxU32 i = 0; i < vertexCount; ++i)
        vertices.emplace_back(points[3 * i], points[3 * i + 1], points[3 * i + 2]);
    auto mesh = std::make_unique<ConvexMeshImpl>(std::move(vertices), std::move(faces));
    if (!(mesh->mass().volume > 0)) return nullptr;
    return mesh;
}

ConvexMeshImpl::ConvexMeshImpl(std::vector<btVector3> vertices, std::vector<std::vector<int>> faces)
    : hullVertices(std::move(vertices)), hullFaces(std::move(faces)), unitMass(computeHullMass(hullVertices, hullFaces))
{
}

NxU32 ConvexMeshImpl::getCount(NxU32 submeshIndex, NxInternalArray array) const
{
    if (submeshIndex != 0) return 0;
    if (array == NX_ARRAY_VERTICES) return NxU32(hullVertices.size());
    NxU32 triangles = 0;
    for (const std::vector<int>& face : hullFaces) triangles += NxU32(face.size() > 2 ? face.size() - 2 : 0);
    return triangles;
}

}  // namespace vphysx
