#include "physics/MeshGeometry.h"

#include <cmath>

using namespace irr;

namespace {

const u32 SIXTEEN_BIT_REACH = 65536;

// Only a buffer's whole triangles: stray indices at its end would shift every later buffer's.
bool gatherIndices(const scene::IMeshBuffer& buffer, u32 base, MeshGeometry& out) {
    u32 count = buffer.getIndexCount() / 3 * 3;
    bool wide = buffer.getIndexType() == video::EIT_32BIT;
    if (!wide && buffer.getVertexCount() > SIXTEEN_BIT_REACH) {
        out.problem = MeshProblem::TooManyVertices;
        return false;
    }
    const u16* narrow = buffer.getIndices();
    const u32* full = reinterpret_cast<const u32*>(buffer.getIndices());
    for (u32 i = 0; i < count; ++i) {
        u32 index = wide ? full[i] : narrow[i];
        if (index >= buffer.getVertexCount()) {
            out.problem = MeshProblem::BadIndex;
            return false;
        }
        out.indices.push_back(index + base);
    }
    return true;
}

}  // namespace

MeshGeometry gatherMeshGeometry(scene::IMesh* mesh, const core::vector3df& scale, bool withIndices) {
    MeshGeometry out;
    for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b) {
        const scene::IMeshBuffer& buffer = *mesh->getMeshBuffer(b);
        out.buffer = b;
        out.vertexCount = buffer.getVertexCount();
        if (buffer.getVertexType() != video::EVT_STANDARD) {
            out.problem = MeshProblem::WrongVertexFormat;
            return out;
        }
        u32 base = out.pointCount();
        const video::S3DVertex* vertices = static_cast<const video::S3DVertex*>(buffer.getVertices());
        for (u32 v = 0; v < buffer.getVertexCount(); ++v) {
            core::vector3df p = vertices[v].Pos * scale;
            if (!inWorld(p.X) || !inWorld(p.Y) || !inWorld(p.Z)) {
                out.problem = MeshProblem::NotFinite;
                return out;
            }
            out.points.insert(out.points.end(), {p.X, p.Y, p.Z});
        }
        if (withIndices && !gatherIndices(buffer, base, out)) return out;
    }
    return out;
}
