#include "level/DecodedMesh.h"

#include "level/ContentFile.h"
#include "level/ContentPath.h"
#include "level/MeshFileCheck.h"

#include <CDynamicMeshBuffer.h>

using namespace irr;

namespace {

const std::uintmax_t MAX_TEXTURE_BYTES = std::uintmax_t(64) << 20;
const std::size_t MAX_NARROW_VERTICES = 65535;

video::S3DVertex irrlichtVertex(const DecodedVertex& v) {
    return video::S3DVertex(core::vector3df(v.position[0], v.position[1], v.position[2]),
                            core::vector3df(v.normal[0], v.normal[1], v.normal[2]), video::SColor(v.colour),
                            core::vector2df(v.uv[0], v.uv[1]));
}

scene::IMeshBuffer* irrlichtBuffer(const DecodedBuffer& source) {
    const bool wide = source.vertices.size() > MAX_NARROW_VERTICES;
    scene::CDynamicMeshBuffer* out =
        new scene::CDynamicMeshBuffer(video::EVT_STANDARD, wide ? video::EIT_32BIT : video::EIT_16BIT);
    scene::IVertexBuffer& vertices = out->getVertexBuffer();
    vertices.reallocate(u32(source.vertices.size()));
    for (const DecodedVertex& v : source.vertices) vertices.push_back(irrlichtVertex(v));
    scene::IIndexBuffer& indices = out->getIndexBuffer();
    indices.reallocate(u32(source.indices.size()));
    for (std::uint32_t index : source.indices) indices.push_back(index);
    out->recalculateBoundingBox();
    return out;
}

// Checked before anything opens it: a mesh file may name any path at all.
video::ITexture* textureNamed(const std::string& path, const char* meshName, video::IVideoDriver* driver) {
    if (!driver || path.empty()) return nullptr;
    if (std::string problem = gameFolderProblem(path); !problem.empty()) {
        reportTextureLeftOut(meshName, path, problem);
        return nullptr;
    }
    if (!contentFileProblem(path.c_str(), MAX_TEXTURE_BYTES).empty()) return nullptr;
    return driver->getTexture(path.c_str());
}

}  // namespace

scene::IAnimatedMesh* buildDecodedMesh(const DecodedContent& decoded, const char* meshName,
                                       video::IVideoDriver* driver) {
    scene::SMesh* mesh = new scene::SMesh();
    for (const DecodedBuffer& source : decoded.buffers) {
        scene::IMeshBuffer* buffer = irrlichtBuffer(source);
        buffer->getMaterial().setTexture(0, textureNamed(source.texture, meshName, driver));
        mesh->addMeshBuffer(buffer);
        buffer->drop();
    }
    mesh->recalculateBoundingBox();
    scene::SAnimatedMesh* animated = new scene::SAnimatedMesh(mesh);
    mesh->drop();
    return animated;
}
