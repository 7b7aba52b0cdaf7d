#pragma once
// The geometry of an Irrlicht mesh as the cooker takes it: every buffer's vertex positions,
// scaled (neither rotated nor translated), and for triangle meshes the indices, each buffer's
// offset by the points of the buffers before it.

#include <NxSimpleTypes.h>
#include <irrlicht.h>

#include <vector>

enum class MeshProblem {
    None,
    WrongVertexFormat,  // a buffer not of standard vertices
    TooManyVertices,    // more vertices than a buffer's 16-bit indices reach
    BadIndex,           // an index past its buffer's vertices
    NotFinite,          // a scaled vertex that is not a number within the world's reach
};

// Beyond a million units Bullet's bounding boxes overflow and it drops the object silently; NaN
// and infinities fail this too.
inline bool inWorld(float v) { return v >= -1e6f && v <= 1e6f; }

struct MeshGeometry {
    std::vector<float> points;           // x, y, z per vertex
    std::vector<vphysx::NxU32> indices;  // three per triangle; trailing indices dropped
    MeshProblem problem = MeshProblem::None;
    irr::u32 buffer = 0;                 // where the problem is
    irr::u32 vertexCount = 0;            // of that buffer

    irr::u32 pointCount() const { return static_cast<irr::u32>(points.size() / 3); }
};

MeshGeometry gatherMeshGeometry(irr::scene::IMesh* mesh, const irr::core::vector3df& scale, bool withIndices);
