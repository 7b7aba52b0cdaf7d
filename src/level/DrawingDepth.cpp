#include "level/DrawingDepth.h"

using namespace irr;

namespace {

// The triangles' area and the box around them; the box a mesh file claims is not believed.
struct Extent {
    double area = 0;
    core::aabbox3df box;
    bool empty = true;

    void add(const core::vector3df& p) {
        if (empty) box.reset(p);
        else box.addInternalPoint(p);
        empty = false;
    }
};

core::vector3df corner(const scene::IMeshBuffer& buffer, u32 index) {
    const u32 pitch = video::getVertexPitchFromType(buffer.getVertexType());
    // Every vertex type begins with the standard vertex.
    const u8* vertices = static_cast<const u8*>(buffer.getVertices());
    return reinterpret_cast<const video::S3DVertex*>(vertices + std::size_t(index) * pitch)->Pos;
}

u32 indexAt(const scene::IMeshBuffer& buffer, u32 i) {
    return buffer.getIndexType() == video::EIT_32BIT ? reinterpret_cast<const u32*>(buffer.getIndices())[i]
                                                    : buffer.getIndices()[i];
}

void addBuffer(const scene::IMeshBuffer& buffer, Extent& extent) {
    for (u32 i = 0; i + 2 < buffer.getIndexCount(); i += 3) {
        const u32 a = indexAt(buffer, i), b = indexAt(buffer, i + 1), c = indexAt(buffer, i + 2);
        if (a >= buffer.getVertexCount() || b >= buffer.getVertexCount() || c >= buffer.getVertexCount()) continue;
        const core::vector3df p = corner(buffer, a), q = corner(buffer, b), r = corner(buffer, c);
        extent.area += 0.5 * (q - p).crossProduct(r - p).getLength();
        extent.add(p);
        extent.add(q);
        extent.add(r);
    }
}

}  // namespace

double drawingDepth(const scene::IMesh& mesh) {
    Extent extent;
    for (u32 i = 0; i < mesh.getMeshBufferCount(); ++i) addBuffer(*mesh.getMeshBuffer(i), extent);
    const core::vector3df size = extent.box.getExtent();
    const double surface = 2.0 * (double(size.X) * size.Y + double(size.Y) * size.Z + double(size.Z) * size.X);
    if (!(extent.area > 0) || !(surface > 0)) return 0;
    return 2.0 * extent.area / surface;
}
