// The shader calls of OpenGL 2.0, which libGL exports.
#define GL_GLEXT_PROTOTYPES
#include "graphics/PieceRedraw.h"

#include <GL/glext.h>

#include <cstddef>
#include <cstring>

using namespace irr;

namespace Graphics {

namespace {

// Vertices sent from memory at each draw; a larger piece goes through the renderer, whose
// buffers stay in place.
const u32 MOST_VERTICES = 2048;

// Whether vertex colours can be read as they lie in memory (blue, green, red, alpha).
bool readsColoursAsStored() {
    static const bool reads = [] {
        const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
        return extensions && (std::strstr(extensions, "GL_ARB_vertex_array_bgra") ||
                              std::strstr(extensions, "GL_EXT_vertex_array_bgra"));
    }();
    return reads;
}

}  // namespace

bool PieceRedraw::suits(const scene::IMeshBuffer* buffer) {
    return buffer->getVertexCount() <= MOST_VERTICES &&
           buffer->getIndexType() == video::EIT_16BIT && readsColoursAsStored();
}

void PieceRedraw::begin(const scene::IMeshBuffer* piece, const ShaderProgram& shader,
                        const core::matrix4& transform) {
    buffer = piece;
    drawn = bound = shader;
    world = transform;
    arraysSet = false;
}

void PieceRedraw::draw(const ShaderProgram& shader, const std::vector<f32>& records) {
    if (shader.program != bound.program) {
        glUseProgram(shader.program);
        // Uniforms belong to the program: this one may last have drawn another piece.
        if (shader.modelMatrix >= 0)
            glUniformMatrix4fv(shader.modelMatrix, 1, GL_FALSE, world.pointer());
        bound = shader;
    }
    if (shader.waveData >= 0)
        glUniform1fv(shader.waveData, static_cast<GLsizei>(records.size()), records.data());
    if (!arraysSet) {
        // From memory, not from the renderer's buffer objects.
        glBindBuffer(GL_ARRAY_BUFFER, 0);
        glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, 0);
        // Position, normal and colour lead every vertex type, in this order.
        const u32 stride = video::getVertexPitchFromType(buffer->getVertexType());
        const char* first = static_cast<const char*>(buffer->getVertices());
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_NORMAL_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, stride, first + offsetof(video::S3DVertex, Pos));
        glNormalPointer(GL_FLOAT, stride, first + offsetof(video::S3DVertex, Normal));
        glColorPointer(GL_BGRA, GL_UNSIGNED_BYTE, stride, first + offsetof(video::S3DVertex, Color));
        arraysSet = true;
    }
    glDrawRangeElements(GL_TRIANGLES, 0, buffer->getVertexCount() - 1, buffer->getIndexCount(),
                        GL_UNSIGNED_SHORT, buffer->getIndices());
}

void PieceRedraw::end() {
    if (!active()) return;
    if (bound.program != drawn.program) glUseProgram(drawn.program);
    if (arraysSet) {
        glDisableClientState(GL_VERTEX_ARRAY);
        glDisableClientState(GL_NORMAL_ARRAY);
        glDisableClientState(GL_COLOR_ARRAY);
    }
    buffer = nullptr;
}

}  // namespace Graphics
