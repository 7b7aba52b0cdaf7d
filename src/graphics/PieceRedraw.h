#pragma once
// A piece drawn again under another scissor, straight through OpenGL: the renderer has just
// drawn it once and left every state as the piece needs it (transforms, culling, depth, the
// shader), so another draw only needs its records, perhaps another of the fixed-count shaders,
// and the vertices. Through the renderer a draw costs more on the main thread, and a piece lit
// by many waves is drawn in many blocks.

#include "graphics/ShaderProgram.h"

#include <irrlicht.h>

#include <vector>

namespace Graphics {

class PieceRedraw {
public:
    // Whether `buffer` can be drawn again this way: small enough to be sent from memory each time.
    static bool suits(const irr::scene::IMeshBuffer* buffer);

    // After the renderer drew `buffer` with `drawn` bound, under the world transform `world`.
    void begin(const irr::scene::IMeshBuffer* buffer, const ShaderProgram& drawn,
               const irr::core::matrix4& world);
    // The buffer again with `shader` and the records (closed by their end marker).
    void draw(const ShaderProgram& shader, const std::vector<irr::f32>& records);
    // Whether a piece is begun and not yet ended.
    bool active() const { return buffer != nullptr; }
    // Leaves OpenGL as the renderer believes it is; nothing when no piece is begun.
    void end();

private:
    const irr::scene::IMeshBuffer* buffer = nullptr;
    ShaderProgram drawn, bound;
    irr::core::matrix4 world;
    bool arraysSet = false;
};

}  // namespace Graphics
