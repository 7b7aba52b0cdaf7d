#include "decoder/MeshToBuffers.h"

using namespace irr;

namespace {

DecodedBuffer plainBuffer(const scene::IMeshBuffer& source) {
    DecodedBuffer out;
    const u32 pitch = video::getVertexPitchFromType(source.getVertexType());
    const u8* vertices = static_cast<const u8*>(source.getVertices());
    out.vertices.resize(source.getVertexCount());
    for (u32 i = 0; i < source.getVertexCount(); ++i) {
        // Every vertex type begins with the standard vertex.
        const video::S3DVertex& v = *reinterpret_cast<const video::S3DVertex*>(vertices + std::size_t(i) * pitch);
        out.vertices[i] = {{v.Pos.X, v.Pos.Y, v.Pos.Z}, {v.Normal.X, v.Normal.Y, v.Normal.Z}, v.Color.color,
                           {v.TCoords.X, v.TCoords.Y}};
    }
    const u32 count = source.getIndexCount() - source.getIndexCount() % 3;
    out.indices.resize(count);
    const bool wide = source.getIndexType() == video::EIT_32BIT;
    for (u32 i = 0; i < count; ++i)
        out.indices[i] = wide ? reinterpret_cast<const u32*>(source.getIndices())[i] : source.getIndices()[i];
    const video::ITexture* texture = source.getMaterial().getTexture(0);
    if (texture) out.texture = texture->getName().getPath().c_str();
    return out;
}

}  // namespace

std::vector<DecodedBuffer> meshToBuffers(scene::IMesh* mesh) {
    std::vector<DecodedBuffer> out;
    for (u32 b = 0; b < mesh->getMeshBufferCount(); ++b)
        if (const scene::IMeshBuffer* buffer = mesh->getMeshBuffer(b)) out.push_back(plainBuffer(*buffer));
    return out;
}
