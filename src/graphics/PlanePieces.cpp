#include "graphics/PlanePieces.h"

using namespace irr;

namespace Graphics {

namespace {

const f32 SAME_NORMAL = 0.99999f;

bool samePlane(const core::plane3df& a, const core::plane3df& b) {
    return a.Normal.dotProduct(b.Normal) > SAME_NORMAL &&
           core::abs_(a.D - b.D) <= 1e-4f * (1.0f + core::abs_(a.D));
}

// Triangles of one piece, as indices into the source buffer.
struct Group {
    core::plane3df plane;
    std::vector<u32> indices;
};

template <class Buffer, class Vertex>
scene::IMeshBuffer* copyPiece(const scene::IMeshBuffer* source, const std::vector<u32>& indices) {
    const Vertex* vertices = static_cast<const Vertex*>(source->getVertices());
    Buffer* piece = new Buffer();
    piece->Material = source->getMaterial();
    std::vector<s32> remap(source->getVertexCount(), -1);
    for (u32 i : indices) {
        if (remap[i] < 0) {
            if (piece->Vertices.size() > 65535) {   // pieces index their vertices with 16 bits
                piece->drop();
                return nullptr;
            }
            remap[i] = static_cast<s32>(piece->Vertices.size());
            piece->Vertices.push_back(vertices[i]);
        }
        piece->Indices.push_back(static_cast<u16>(remap[i]));
    }
    piece->recalculateBoundingBox();
    piece->setHardwareMappingHint(scene::EHM_STATIC);
    return piece;
}

scene::IMeshBuffer* copyPiece(const scene::IMeshBuffer* source, const std::vector<u32>& indices) {
    switch (source->getVertexType()) {
    case video::EVT_STANDARD:
        return copyPiece<scene::SMeshBuffer, video::S3DVertex>(source, indices);
    case video::EVT_2TCOORDS:
        return copyPiece<scene::SMeshBufferLightMap, video::S3DVertex2TCoords>(source, indices);
    case video::EVT_TANGENTS:
        return copyPiece<scene::SMeshBufferTangents, video::S3DVertexTangents>(source, indices);
    }
    return nullptr;
}

u32 indexAt(const scene::IMeshBuffer* buffer, u32 i) {
    return buffer->getIndexType() == video::EIT_16BIT
               ? buffer->getIndices()[i]
               : static_cast<const u32*>(static_cast<const void*>(buffer->getIndices()))[i];
}

}  // namespace

PlanePieces::PlanePieces(video::IVideoDriver* driver, const scene::IMesh* mesh)
    : driver(driver), whole(true) {
    for (u32 b = 0; b < mesh->getMeshBufferCount() && whole; ++b) cut(mesh->getMeshBuffer(b), b);
}

PlanePieces::~PlanePieces() {
    for (PlanePiece& piece : list) {
        driver->removeHardwareBuffer(piece.buffer);
        piece.buffer->drop();
    }
}

void PlanePieces::cut(const scene::IMeshBuffer* source, u32 index) {
    const u32 vertexCount = source->getVertexCount();
    std::vector<Group> groups;
    Group all;
    for (u32 t = 0; t + 2 < source->getIndexCount(); t += 3) {
        u32 ids[3] = {indexAt(source, t), indexAt(source, t + 1), indexAt(source, t + 2)};
        if (ids[0] >= vertexCount || ids[1] >= vertexCount || ids[2] >= vertexCount) {
            whole = false;
            return;
        }
        all.indices.insert(all.indices.end(), ids, ids + 3);
        core::vector3df a = source->getPosition(ids[0]), b = source->getPosition(ids[1]),
                        c = source->getPosition(ids[2]);
        core::plane3df plane(a, b, c);
        // A triangle of no area covers no pixel, whatever piece it is drawn with.
        if ((b - a).crossProduct(c - a).getLengthSQ() == 0.0f) continue;
        Group* group = nullptr;
        for (Group& g : groups)
            if (samePlane(g.plane, plane)) group = &g;
        if (!group) {
            groups.push_back(Group{plane, {}});
            group = &groups.back();
        }
        group->indices.insert(group->indices.end(), ids, ids + 3);
    }
    bool planar = groups.size() <= MAX_PIECES_PER_BUFFER;
    if (!planar) groups.assign(1, all);
    for (const Group& g : groups) {
        scene::IMeshBuffer* buffer = copyPiece(source, g.indices);
        if (!buffer) {
            whole = false;
            return;
        }
        PlanePiece piece{buffer, index, planar, g.plane, {}};
        for (u32 i : g.indices) piece.corners.push_back(source->getPosition(i));
        list.push_back(std::move(piece));
    }
}

}  // namespace Graphics
