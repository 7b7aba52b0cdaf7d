#include "CookingImpl.h"

#include <LinearMath/btConvexHullComputer.h>

#include <cmath>
#include <vector>

#include "CookedFormat.h"
#include "HullMass.h"

namespace vphysx {

namespace {

// Three floats per point at the given stride; false when any is not finite.
bool gatherPoints(const void* base, NxU32 count, NxU32 stride, std::vector<float>& out)
{
    const unsigned char* bytes = static_cast<const unsigned char*>(base);
    out.resize(size_t(count) * 3);
    for (NxU32 i = 0; i < count; ++i) {
        const float* p = reinterpret_cast<const float*>(bytes + size_t(i) * stride);
        for (int k = 0; k < 3; ++k) {
            if (!std::isfinite(p[k])) return false;
            out[size_t(i) * 3 + k] = p[k];
        }
    }
    return true;
}

// Each face's vertex loop, walked along its edges.
std::vector<std::vector<int>> hullFaces(const btConvexHullComputer& hull)
{
    std::vector<std::vector<int>> faces;
    for (int i = 0; i < hull.faces.size(); ++i) {
        std::vector<int> face;
        const btConvexHullComputer::Edge* first = &hull.edges[hull.faces[i]];
        const btConvexHullComputer::Edge* edge = first;
        do {
            face.push_back(edge->getSourceVertex());
            edge = edge->getNextEdgeOfFace();
        } while (edge != first);
        faces.push_back(face);
    }
    return faces;
}

// A hull thinner than this fraction of its size counts as flat.
const btScalar FLATNESS = btScalar(1e-6);

}  // namespace

NxCookingInterface* NxGetCookingLib(NxU32 sdkVersion)
{
    static CookingImpl cooking;
    return sdkVersion == NX_PHYSICS_SDK_VERSION ? &cooking : nullptr;
}

bool CookingImpl::NxInitCooking(NxUserAllocator*, NxUserOutputStream*)
{
    initialised = true;
    return true;
}

void CookingImpl::NxCloseCooking()
{
    initialised = false;
}

bool CookingImpl::NxCookTriangleMesh(const NxTriangleMeshDesc& desc, NxStream& stream)
{
    if (!initialised || !desc.isValid()) return false;
    std::vector<float> points;
    if (!gatherPoints(desc.points, desc.numVertices, desc.pointStrideBytes, points)) return false;
    std::vector<NxU32> indices(size_t(desc.numTriangles) * 3);
    const unsigned char* bytes = static_cast<const unsigned char*>(desc.triangles);
    bool sixteenBit = desc.flags & NX_MF_16_BIT_INDICES;
    for (NxU32 t = 0; t < desc.numTriangles; ++t) {
        const unsigned char* triangle = bytes + size_t(t) * desc.triangleStrideBytes;
        for (int k = 0; k < 3; ++k) {
            NxU32 index = sixteenBit ? reinterpret_cast<const NxU16*>(triangle)[k]
                                     : reinterpret_cast<const NxU32*>(triangle)[k];
            if (index >= desc.numVertices) return false;
            indices[size_t(t) * 3 + k] = index;
        }
    }
    writeCookedHeader(stream, COOKED_TRIANGLE_MESH);
    stream.storeDword(desc.numVertices).storeBuffer(points.data(), NxU32(points.size() * 4));
    stream.storeDword(desc.numTriangles).storeBuffer(indices.data(), NxU32(indices.size() * 4));
    return true;
}

bool CookingImpl::NxCookConvexMesh(const NxConvexMeshDesc& desc, NxStream& stream)
{
    if (!initialised || !desc.isValid()) return false;
    std::vector<float> points;
    if (!gatherPoints(desc.points, desc.numVertices, desc.pointStrideBytes, points)) return false;
    btConvexHullComputer hull;
    if (hull.compute(points.data(), 3 * sizeof(float), int(desc.numVertices), 0, 0) < 0) return false;
    if (hull.vertices.size() < 4 || hull.faces.size() < 4) return false;

    std::vector<btVector3> vertices(&hull.vertices[0], &hull.vertices[0] + hull.vertices.size());
    std::vector<std::vector<int>> faces = hullFaces(hull);
    btVector3 low = vertices[0], high = vertices[0];
    for (const btVector3& v : vertices) {
        low.setMin(v);
        high.setMax(v);
    }
    btScalar size = (high - low).length();
    if (computeHullMass(vertices, faces).volume <= FLATNESS * size * size * size) return false;

    writeCookedHeader(stream, COOKED_CONVEX_MESH);
    stream.storeDword(NxU32(vertices.size()));
    for (const btVector3& v : vertices)
        stream.storeFloat(float(v.x())).storeFloat(float(v.y())).storeFloat(float(v.z()));
    stream.storeDword(NxU32(faces.size()));
    for (const std::vector<int>& face : faces) {
        stream.storeDword(NxU32(face.size()));
        for (int index : face) stream.storeDword(NxU32(index));
    }
    return true;
}

}  // namespace vphysx
